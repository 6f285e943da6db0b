// The pointer's costs on 30 Y(x) graphs of 20000 steps at 1920 x 1080: a wheel notch (the
// new view, sampling and the whole picture), one frame of a drag (the picture moved), and
// the graph picked under the pointer as it moves; against a full Repaint and a bare copy of
// the picture measured in the same run. Prints the figures at the end.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <string>

#include "per_eval_reporter.h"
#include "plot/document.h"
#include "plot/graph_picking.h"
#include "plot/new_graph.h"
#include "plot/view_gestures.h"

namespace {

using plotwise_bench::CountEvaluations;
using namespace plotwise;

constexpr int kGraphs = 30;
constexpr int kSteps = 20000;
constexpr int kWidth = 1920;
constexpr int kHeight = 1080;

struct Scene {
    Document doc{StandardOptions()};
    QImage picture{kWidth, kHeight, QImage::Format_RGB32};
    QImage screen{kWidth, kHeight, QImage::Format_RGB32};  // what a frame is drawn on

    Scene() {
        OptionsRecord& o = doc.Options;
        o.DrawVertLines = true;
        o.DrawHorLines = true;
        for (int k = 0; k < kGraphs; ++k) {
            GraphRecord props = NewGraphRecord(o);
            props.Kind = kYOfX;
            SetNewProps(props, o);
            props.Formula().SetText(std::to_string(1 + k / 3) + "*sin(x*" + std::to_string(k + 1) +
                                    "/4)");
            props.Interval().DefaultSteps = false;
            props.Interval().StepsNum = kSteps;
            doc.AddGraph(props);
        }
        doc.ClientRect = {0, 0, kWidth, kHeight};
        doc.Canvas = &picture;
        doc.CalculateGraphs();
    }
};

Scene& TheScene() {
    static Scene scene;
    return scene;
}

// In and out in turn about a point off the centre, so the view stays where it was.
void WheelNotch(benchmark::State& state) {
    Scene& scene = TheScene();
    bool in = true;
    for (auto _ : state) {
        const long double k = in ? 1.25L : 0.8L;
        OptionsRecord options = scene.doc.Options;
        const std::string failure =
            SetView(options, options, ZoomedView(scene.doc.ScreenMap(), 700, 400, k, k));
        if (!failure.empty()) state.SkipWithError(failure.c_str());
        scene.doc.SetOptions(options);
        in = !in;
    }
    CountEvaluations(state, 1);
}

void Repaint(benchmark::State& state) {
    Scene& scene = TheScene();
    for (auto _ : state)
        scene.doc.Repaint();
    CountEvaluations(state, 1);
}

void DragFrame(benchmark::State& state) {
    Scene& scene = TheScene();
    int step = 0;
    for (auto _ : state) {
        QPainter painter(&scene.screen);
        const QPoint offset(step % 200 - 100, step % 120 - 60);
        ScreenMapping map;
        const OptionsRecord moved =
            MovedOptions(scene.doc.Options, scene.doc.ScreenMap(), offset, map);
        DrawMovedPicture(painter, scene.picture, offset, moved, map);
        ++step;
    }
    CountEvaluations(state, 1);
}

// The reference of a frame: the picture copied as it is.
void BareCopy(benchmark::State& state) {
    Scene& scene = TheScene();
    for (auto _ : state) {
        QPainter painter(&scene.screen);
        painter.drawImage(0, 0, scene.picture);
    }
    CountEvaluations(state, 1);
}

void PickUnderPointer(benchmark::State& state) {
    Scene& scene = TheScene();
    int step = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PickGraph(scene.doc, 200 + step % 1500, 100 + step % 800));
        ++step;
    }
    CountEvaluations(state, 1);
}

class SummaryReporter : public plotwise_bench::PerEvalReporter {
  public:
    void Finalize() override {
        ConsoleReporter::Finalize();
        std::printf("\n%-20s %12s %14s\n", "", "ms per run", "ratio");
        const double repaint = Get("Repaint");
        const double copy = Get("BareCopy");
        const struct {
            const char* name;
            double reference;
            const char* against;
        } rows[] = {{"WheelNotch", repaint, "Repaint"},
                    {"Repaint", repaint, "Repaint"},
                    {"PickUnderPointer", repaint, "Repaint"},
                    {"DragFrame", copy, "BareCopy"},
                    {"BareCopy", copy, "BareCopy"}};
        for (const auto& row : rows) {
            const double ns = Get(row.name);
            std::printf("%-20s %12.3f %8.3f x %s\n", row.name, ns / 1e6,
                        row.reference > 0 ? ns / row.reference : 0, row.against);
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::RegisterBenchmark("WheelNotch", WheelNotch)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("Repaint", Repaint)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("PickUnderPointer", PickUnderPointer)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("DragFrame", DragFrame)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BareCopy", BareCopy)->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    SummaryReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
