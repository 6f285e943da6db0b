// Drawing speed: a full Repaint of 30 Y(x) graphs of 20000 steps at 1920 x 1080 with grid,
// labels and polar grid, pixel-exact and with smooth lines, against the bare QPainter calls
// for the same segments, measured in the same run; and the implicit curve of the formula 0 on
// a 400 x 400 grid (every edge crossed) drawn by DrawEquation, by DrawSegment per segment, and
// by bare calls; a zoom's resampling and drawing on one thread and on the sampling pool; the
// gallery exported at 3000 x 3000. Prints the figures at the end.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "per_eval_reporter.h"
#include "plot/bitmap_export.h"
#include "plot/document.h"
#include "plot/document_file.h"
#include "plot/equation_curve.h"
#include "plot/graph_renderer.h"
#include "plot/new_graph.h"
#include "plot/picture_export.h"
#include "plot/point_sequence.h"
#include "plot/sampling_pool.h"

namespace {

using plotwise_bench::CountEvaluations;
using namespace plotwise;

constexpr int kGraphs = 30;
constexpr int kSteps = 20000;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr const char* kName = "30 Y(x) x 20000";

struct Scene {
    Document doc{StandardOptions()};
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    std::vector<QLine> segments;  // what the graphs' lines come to in pixels

    Scene() {
        OptionsRecord& o = doc.Options;
        o.DrawVertLines = true;
        o.DrawHorLines = true;
        o.DrawRadius = true;
        o.DrawAngle = true;
        for (int k = 0; k < kGraphs; ++k) {
            GraphRecord props = NewGraphRecord(o);
            props.Kind = kYOfX;
            SetNewProps(props, o);
            // Waves from one to ten swings across the view, of growing height.
            const std::string formula =
                std::to_string(1 + k / 3) + "*sin(x*" + std::to_string(k + 1) + "/4)";
            props.Formula().SetText(formula);
            props.Interval().DefaultSteps = false;
            props.Interval().StepsNum = kSteps;
            props.LineWidth = 1 + k % 3;
            doc.AddGraph(props);
        }
        doc.ClientRect = {0, 0, kWidth, kHeight};
        doc.Canvas = &image;
        doc.CalculateGraphs();
        const ScreenMapping map = doc.ScreenMap();
        for (const auto& graph : doc.Graphs()) {
            bool have = false;
            QPoint previous;
            ForEachGraphPoint(*graph, doc.Options, [&](long double x, long double y) {
                const QPoint p(map.X(x), map.Y(y));
                if (have) segments.emplace_back(previous, p);
                previous = p;
                have = true;
                return true;
            });
        }
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

void Repaint(benchmark::State& state) {
    Scene& scene = TheScene();
    for (auto _ : state)
        scene.doc.Repaint();
    CountEvaluations(state, double(scene.segments.size()));
}

void SmoothRepaint(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.doc.SmoothLines = true;
    for (auto _ : state)
        scene.doc.Repaint();
    scene.doc.SmoothLines = false;
    CountEvaluations(state, double(scene.segments.size()));
}

void FrameOnly(benchmark::State& state) {
    Scene& scene = TheScene();
    scene.doc.Drawing = true;
    for (auto _ : state)
        scene.doc.Repaint();
    scene.doc.Drawing = false;
    CountEvaluations(state, double(scene.segments.size()));
}

// The QPainter calls alone: background and the same segments with the same pens.
void Bare(benchmark::State& state) {
    Scene& scene = TheScene();
    for (auto _ : state) {
        QPainter painter(&scene.image);
        const RenderContext ctx{painter, scene.doc.Options, scene.doc.ScreenMap(),
                                SilentFeedback()};
        painter.fillRect(scene.image.rect(), Qt::white);
        const std::size_t perGraph = scene.segments.size() / kGraphs;
        for (int k = 0; k < kGraphs; ++k) {
            painter.setPen(GraphPen(ctx, scene.doc.GraphAt(k).Record()));
            for (std::size_t i = k * perGraph; i < (k + 1) * perGraph; ++i)
                painter.drawLine(scene.segments[i]);
        }
    }
    CountEvaluations(state, double(scene.segments.size()));
}

// A zoom: the view halved and back, each resampling the 30 graphs on `threads` workers and
// drawing them. Wall time, which is what the second core can shorten.
void Zoom(benchmark::State& state, int threads) {
    Scene& scene = TheScene();
    scene.doc.SamplingThreads = threads;
    OptionsRecord wide = scene.doc.Options;
    OptionsRecord near = wide;
    near.MinX = wide.MinX / 2;
    near.MaxX = wide.MaxX / 2;
    bool zoomedIn = false;
    for (auto _ : state) {
        zoomedIn = !zoomedIn;
        scene.doc.SetOptions(zoomedIn ? near : wide);
    }
    scene.doc.SetOptions(wide);
    scene.doc.SamplingThreads = 1;
    CountEvaluations(state, double(scene.segments.size()));
    state.counters["wall"] = 1;
}

// The gallery exported at 3000 x 3000: a 16-colour BMP and a PNG.
void GalleryExport(benchmark::State& state, PictureFormat format) {
    Document doc(StandardOptions());
    if (!ReadDocument(doc, PLOTWISE_EXAMPLES "/gallery.plw").valid) {
        state.SkipWithError("no gallery");
        return;
    }
    doc.CalculateGraphs();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::vector<unsigned char> file = format == PictureFormat::Bmp
                                                    ? EncodeBmp4(RenderBitmap(doc, 3000, 3000))
                                                    : EncodePicture(doc, format, 3000, 3000);
        bytes = file.size();
        benchmark::DoNotOptimize(file.data());
    }
    state.counters["bytes"] = double(bytes);
    CountEvaluations(state, 1);
}

constexpr const char* kCurveName = "0=0 400x400";

// One implicit curve crossing every edge of its grid, and its segments in pixels.
struct CurveScene {
    Document doc{StandardOptions()};
    QImage image{kWidth, kHeight, QImage::Format_RGB32};
    std::vector<QLine> segments;

    CurveScene() {
        GraphRecord props = NewGraphRecord(doc.Options);
        props.Kind = kEquation;
        SetNewProps(props, doc.Options);
        props.Formula().SetText("0");
        props.Area().StepsNumX = props.Area().StepsNumY = 400;
        doc.AddGraph(props);
        doc.ClientRect = {0, 0, kWidth, kHeight};
        doc.Canvas = &image;
        doc.CalculateGraphs();
        const ScreenMapping map = doc.ScreenMap();
        ForEachCurveSegment(doc.GraphAt(0), doc.Options,
                            [&](const CurvePoint& p, const CurvePoint& q) {
                                segments.emplace_back(map.X(p.end.x), map.Y(p.end.y),
                                                      map.X(q.end.x), map.Y(q.end.y));
                                return true;
                            });
    }
    template <typename Draw>
    void Run(benchmark::State& state, Draw draw) {
        for (auto _ : state) {
            QPainter painter(&image);
            RenderContext ctx{painter, doc.Options, doc.ScreenMap(), SilentFeedback()};
            painter.setPen(GraphPen(ctx, doc.GraphAt(0).Record()));
            draw(ctx);
        }
        CountEvaluations(state, double(segments.size()));
    }
};

CurveScene& TheCurve() {
    static CurveScene scene;
    return scene;
}

void CurveDrawEquation(benchmark::State& state) {
    CurveScene& s = TheCurve();
    s.Run(state, [&](RenderContext& ctx) { DrawEquation(ctx, s.doc.GraphAt(0)); });
}

// Each segment through DrawSegment on its own: rounded, clipped and mapped per segment.
void CurvePerSegment(benchmark::State& state) {
    CurveScene& s = TheCurve();
    s.Run(state, [&](RenderContext& ctx) {
        const SegmentClipper clipper(ctx.options, s.doc.GraphAt(0).GetMaxGap());
        ForEachCurveSegment(s.doc.GraphAt(0), ctx.options,
                            [&](const CurvePoint& p, const CurvePoint& q) {
                                DrawSegment(ctx, clipper, p.end.x, p.end.y, q.end.x, q.end.y);
                                return true;
                            });
    });
}

void CurveBare(benchmark::State& state) {
    CurveScene& s = TheCurve();
    s.Run(state, [&](RenderContext& ctx) {
        for (const QLine& line : s.segments)
            ctx.painter.drawLine(line);
    });
}

class SummaryReporter : public plotwise_bench::PerEvalReporter {
  public:
    void Finalize() override {
        ConsoleReporter::Finalize();
        const std::string name = kName;
        const double segments = Evaluations("Repaint/" + name);
        std::printf("\n%-32s %12s %10s\n", "", "ms per run", "ratio");
        for (const std::string prefix : {"Repaint/", "Smooth/", "Frame/", "Bare/"}) {
            const double ns = Get(prefix + name);
            const double bare = Get("Bare/" + name);
            std::printf("%-32s %12.2f %10.3f\n", (prefix + name).c_str(), ns * segments / 1e6,
                        bare > 0 ? ns / bare : 0);
        }
        const double one = Get("Zoom/1 thread/real_time");
        for (const char* zoom : {"Zoom/1 thread/real_time", "Zoom/pool/real_time"}) {
            std::printf("%-32s %12.2f %10.3f  (wall)\n", zoom, Get(zoom) * segments / 1e6,
                        one > 0 ? Get(zoom) / one : 0);
        }
        for (const char* name : {"Export/gallery 3000x3000 BMP", "Export/gallery 3000x3000 PNG"})
            std::printf("%-32s %12.2f\n", name, Get(name) / 1e6);
        const std::string curve = kCurveName;
        const double curveSegments = Evaluations("DrawEquation/" + curve);
        for (const std::string prefix : {"DrawEquation/", "PerSegment/", "Bare/"}) {
            const double ns = Get(prefix + curve);
            const double bare = Get("Bare/" + curve);
            std::printf("%-32s %12.2f %10.3f\n", (prefix + curve).c_str(), ns * curveSegments / 1e6,
                        bare > 0 ? ns / bare : 0);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const std::string name = kName;
    benchmark::RegisterBenchmark(("Repaint/" + name).c_str(), Repaint)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Smooth/" + name).c_str(), SmoothRepaint)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Frame/" + name).c_str(), FrameOnly)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Bare/" + name).c_str(), Bare)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Zoom/1 thread", [](benchmark::State& s) { Zoom(s, 1); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Zoom/pool", [](benchmark::State& s) { Zoom(s, SamplingCores()); })
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
    benchmark::RegisterBenchmark("Export/gallery 3000x3000 BMP", [](benchmark::State& s) {
        GalleryExport(s, PictureFormat::Bmp);
    })->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Export/gallery 3000x3000 PNG", [](benchmark::State& s) {
        GalleryExport(s, PictureFormat::Png);
    })->Unit(benchmark::kMillisecond);
    const std::string curve = kCurveName;
    benchmark::RegisterBenchmark(("DrawEquation/" + curve).c_str(), CurveDrawEquation)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("PerSegment/" + curve).c_str(), CurvePerSegment)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("Bare/" + curve).c_str(), CurveBare)
        ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
