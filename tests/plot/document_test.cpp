// A document's data side: mapping and the pointer's hint, axis transforms, effective
// intervals, what needs resampling, how new options are applied, the drawing order of
// tables, the view interval commands and which part of a segment is drawn.
#include "plot/document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <string>

#include "formula/number_input.h"
#include "plot/axis_transform.h"
#include "plot/pointer_hint.h"
#include "plot/screen_map.h"
#include "plot/segment_clip.h"
#include "plot/table_prepare.h"
#include "plot/view_interval.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using namespace testing_support;
using Points = std::vector<std::pair<long double, long double>>;

TEST(Mapping, PlotRectangleBothDirectionsAndThePointersHint) {
    Document doc(StandardOptions());
    doc.ClientRect = {0, 0, 800, 600};
    const PixelRect plot = doc.GetPlotRect();  // margins 9 + W/40 + 5 + 3
    EXPECT_EQ((std::vector<int>{plot.left, plot.top, plot.right, plot.bottom}),
              (std::vector<int>{37, 32, 763, 568}));
    EXPECT_EQ(doc.XToScreen(0), 400);
    for (const bool forward : {true, false}) {
        doc.Options.AxisX.Forward = forward;
        doc.Options.AxisY.Forward = forward;
        EXPECT_EQ(doc.XToScreen(-10), forward ? 37 : 763);
        EXPECT_EQ(doc.YToScreen(10), forward ? 32 : 568);
        EXPECT_NEAR(doc.ScreenToX(763), forward ? 10 : -10, 1e-15L);
        EXPECT_NEAR(doc.ScreenToY(300), 0, 1e-15L);
    }
    // Width 20: two decimals everywhere, also at the edges; nothing outside.
    EXPECT_EQ(PointerHint(doc, plot.right, plot.bottom), "-10.00:10.00");
    EXPECT_EQ(PointerHint(doc, plot.left - 1, plot.top), "");
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom + 1), "");
    doc.Options.LogX = true;
    doc.Options.MinX = -2;
    doc.Options.MaxX = 3;
    doc.Options.CoeffY = 2;  // not applied: the hint shows axis values
    EXPECT_EQ(PointerHint(doc, plot.right, plot.top), "0.01:-10.00");

    doc.OnScreen = false;
    doc.OutputRect = {100, 100, 140, 140};  // a plot area of 4 pixels: nothing to draw
    EXPECT_FALSE(doc.PlotAreaUsable());
    EXPECT_EQ(doc.ScreenToX(120), -2);
    // A printer's resolution widens the margins; at 0.5, 4.5 and 2.5 round to even.
    const PixelRect page = PlotRectOf({0, 0, 800, 600}, DeviceScale(2, 0.5L));
    EXPECT_EQ(page.left, 18 + 20 + 10 + 3);
    EXPECT_EQ(page.top, 4 + 15 + 2 + 3);
}

TEST(AxisTransforms, NoPositionForNoPointNorBelowZeroOnALogarithmicAxis) {
    OptionsRecord o = StandardOptions();
    o.CoeffX = -2;
    o.LogY = true;
    o.CoeffY = 0.5L;
    EXPECT_NEAR(InverseY(o, 50), 2, 1e-15L);
    EXPECT_EQ(InverseY(o, 0), kNoPoint);
    EXPECT_EQ(InverseY(o, -3), kNoPoint);
    EXPECT_EQ(InverseX(o, kNoPoint), kNoPoint);  // not -Infinity for a negative coefficient
}

TEST(EffectiveInterval, StepsGapsAndWhatIsNeverCut) {
    const OptionsRecord o = StandardOptions();
    GraphRecord g = GraphOfKind(kYOfX, "x");
    EXPECT_EQ(EffectiveStepsNum(g, o), 200);  // the document's
    EXPECT_EQ(EffectiveMaxGap(g, o), 10000);
    g.Interval().DefaultSteps = false;
    g.Interval().MaxGap = 50;
    EXPECT_EQ(EffectiveStepsNum(g, o), 100);
    EXPECT_EQ(EffectiveMaxGap(g, o), 50);
    g = GraphOfKind(kPolarGraph, "1");  // polar and parametric intervals are never cut
    g.Interval().Min = -30;
    EXPECT_EQ(EffectiveMinX(g, o), -30);
    g = GraphOfKind(kEquation, "x");  // an own area is cut to the view
    g.Area().DefaultInterval = false;
    g.Area().MinX = -5;
    g.Area().MaxY = 50;
    EXPECT_EQ(EffectiveMinX(g, o), -5);
    EXPECT_EQ(EffectiveMaxY(g, o), 10);
    EXPECT_EQ(EffectiveMaxGap(GraphOfKind(kTable), o), 1000000);
    EXPECT_FALSE(IsEmptyRecord(GraphOfKind(kTable)));
    g = GraphOfKind(kParametric, "t");
    EXPECT_TRUE(IsEmptyRecord(g));  // Y(t) is empty
    g.FormulaY().SetText(" t ");
    EXPECT_FALSE(IsEmptyRecord(g));
}

TEST(NeedsRecalc, ByKindAndOption) {
    // clang-format off
    // Which of the kinds 0 to 6, then of a Y(x) graph with its own steps and an interval
    // inside the view, resample after the change.
    const struct { const char* what; void (*change)(OptionsRecord&); const char* graphs; } cases[] = {
        {CHANGE(r.CoeffX = 2), "R---RR-R"}, {CHANGE(r.CoeffY = 2), "-R--RR--"},
        {CHANGE(r.PointsAlign = false), "RRRRRRRR"}, {CHANGE(r.StepsNum = 300), "RRRR----"},
        {CHANGE(r.MaxX = 20), "R---RR--"}, {CHANGE(r.MinY = -20), "-R--RR--"},
        {CHANGE(r.LogX = true), "R---RR-R"}, {CHANGE(r.LogY = true), "-R--RR--"},
        {CHANGE(r.LogXBase = 2), "--------"},  // a base matters on a logarithmic axis only
        {CHANGE(r.BackColor = 3), "--------"}, {CHANGE(r.ReservedFlag = false), "RRRRRRRR"},
    };
    // clang-format on
    Document doc(StandardOptions());
    for (std::uint8_t kind = kYOfX; kind <= kTable; ++kind)
        doc.AddGraph(GraphOfKind(kind, "1", "1"));
    GraphRecord own = GraphOfKind(kYOfX, "x");
    own.Interval().DefaultSteps = false;
    own.Interval().DefaultInterval = false;
    own.Interval().Min = -1;
    own.Interval().Max = 1;
    doc.AddGraph(own);
    for (const auto& c : cases) {
        OptionsRecord now = doc.Options;
        c.change(now);
        std::string graphs;
        for (const auto& graph : doc.Graphs())
            graphs += NeedsRecalc(*graph, doc.Options, now) ? 'R' : '-';
        EXPECT_EQ(graphs, c.graphs) << c.what;
    }
    OptionsRecord logOld = doc.Options;
    logOld.LogX = true;
    OptionsRecord logNew = logOld;
    logNew.LogXBase = 2;
    EXPECT_TRUE(NeedsRecalc(doc.GraphAt(7), logOld, logNew));
}

TEST(NeedsRecalcProps, SamplingChangesAgainstStyleChanges) {
    // clang-format off
    const struct { std::uint8_t kind; const char* what; void (*change)(GraphRecord&); bool resample; } cases[] = {
        {kYOfX, CHANGE(r.Formula().SetText(" X ^ 2")), false},  // the same formula
        {kYOfX, CHANGE(r.Formula().SetText("x^3")), true}, {kYOfX, CHANGE(r.Color = 9), false},
        {kYOfX, CHANGE(r.Interval().DefaultSteps = false), true},
        {kYOfX, CHANGE(r.Interval().MaxGap = 5), false}, {kYOfX, CHANGE(r.Kind = kXOfY), true},
        {kParametric, CHANGE(r.FormulaY().SetText("t")), true},
        {kTable, CHANGE(r.SortType = 1), true}, {kTable, CHANGE(r.Body.Table[0].X = 1), true},
        {kEquation, CHANGE(r.Relation() = 1), true},
        {kEquation, CHANGE(r.Area().StepsNumX = 20), true},
        {kSlopeField, CHANGE(r.Area().MaxGap = 30), false},  // the segment length
        {kSlopeField, CHANGE(r.Brush = 4), false},
    };
    // clang-format on
    Document doc(StandardOptions());
    for (const auto& c : cases) {
        Graph& g = doc.AddGraph(GraphOfKind(c.kind, "x^2"));
        GraphRecord props = g.Record();
        c.change(props);
        EXPECT_EQ(NeedsRecalcProps(g, props), c.resample) << c.what;
    }
}

// Records what applying options asks of the engine and the undo history.
class RecordingDocument : public Document, public OptionsUndoRecorder {
  public:
    RecordingDocument() : Document(StandardOptions()) { UndoRecorder = this; }

    std::string log;
    int interruptAt = -1;

    bool CalculateGraph(Graph& graph, const OptionsRecord&, int index) override {
        log += "calc" + std::to_string(index) + " ";
        graph.Values.assign(3, 1);
        return index != interruptAt;
    }
    void Repaint() override { log += Drawing ? "background " : "repaint "; }
    void DrawGraph(Graph& graph) override {
        for (std::size_t i = 0; i < GraphCount(); ++i) {
            if (&GraphAt(i) == &graph) log += "draw" + std::to_string(i) + " ";
        }
    }
    void RecordOptions(const OptionsRecord&) override { log += "undo "; }
};

TEST(SetOptions, RecordsResamplesAndRedraws) {
    // clang-format off
    const struct { const char* what; void (*change)(OptionsRecord&); int interruptAt; const char* log; } cases[] = {
        {CHANGE(), -1, ""}, {CHANGE(r.BackColor = 2), -1, "undo repaint "},
        // Graphs: 0 Y(x), 1 X(y), 2 empty Y(x), 3 hidden Y(x), 4 Y(x).
        {CHANGE(r.CoeffX = 3), -1, "undo background calc0 calc2 calc3 calc4 draw0 draw1 draw4 "},
        {CHANGE(r.CoeffX = 3), 2, "undo background calc0 calc2 draw0 draw1 "},
    };
    // clang-format on
    for (const auto& c : cases) {
        RecordingDocument doc;
        for (const char* formula : {"x", "y", " ", "x", "x"}) {
            GraphRecord record = GraphOfKind(doc.GraphCount() == 1 ? kXOfY : kYOfX, formula);
            record.DrawGraphic = doc.GraphCount() != 3;
            doc.AddGraph(record).Values.assign(3, 1);
        }
        doc.interruptAt = c.interruptAt;
        OptionsRecord options = doc.Options;
        c.change(options);
        doc.SetOptions(options);
        EXPECT_EQ(doc.log, c.log) << c.what;
        EXPECT_EQ(BytesOf(doc.Options), BytesOf(options)) << c.what;
        EXPECT_FALSE(doc.Drawing);
        if (c.interruptAt >= 0) {
            EXPECT_FALSE(doc.ContinueSampling);
            EXPECT_FALSE(doc.GraphAt(4).HasValues());  // not resampled: no stale points
        }
    }
}

Points DrawnPoints(const Graph& table) {
    Points points;
    for (std::size_t i = 1; i + 1 <= table.Values.size(); i += 2) {
        if (std::isfinite(table.Value(i)) && std::isfinite(table.Value(i + 1)))
            points.emplace_back(table.Value(i), table.Value(i + 1));
    }
    return points;
}

TEST(PrepareTable, SortsACopyByEachOrder) {
    const Points sorted[] = {
        {{1, 5}, {2, 0}, {3, 1}}, {{2, 0}, {3, 1}, {1, 5}}, {{3, 1}, {1, 5}, {2, 0}}};
    for (std::uint8_t sortType = 0; sortType < 3; ++sortType) {
        GraphRecord table = GraphOfKind(kTable);
        table.SortType = sortType;
        const long double rows[][2] = {{3, 1}, {1, 5}, {7, kNoPoint}, {2, 0}};
        for (int k = 0; k < 4; ++k) {  // rows spread out, with empty ones between
            table.Body.Table[10 + 3 * k].X = rows[k][0];
            table.Body.Table[10 + 3 * k].Y = rows[k][1];
        }
        Graph g(nullptr, table);
        PrepareTable(g);
        EXPECT_EQ(DrawnPoints(g), sorted[sortType]) << int(sortType);
        EXPECT_EQ(BytesOf(g.Record()), BytesOf(table));
        ASSERT_EQ(g.Values.size(), 200u);
        if (sortType != 2) {  // incomplete rows gather at the front
            EXPECT_FALSE(std::isfinite(g.Value(193)) && std::isfinite(g.Value(194)));
            EXPECT_TRUE(std::isfinite(g.Value(195)));
        }
    }
    GraphRecord table = GraphOfKind(kTable);
    for (int k = 0; k < kTableRows; ++k) {
        // A full reversed table whose keys repeat in fives; equal to 8 digits counts as equal.
        table.Body.Table[k].X = (kTableRows - k) / 5 + (k % 2 ? 1e-12L : 0);
        table.Body.Table[k].Y = k;
    }
    Graph g(nullptr, table);
    PrepareTable(g);
    std::vector<long double> ys;
    for (std::size_t i = 1; i < 200; i += 2) {
        EXPECT_LE(RoundTo8(g.Value(i)), RoundTo8(g.Value(i + 2 > 200 ? i : i + 2)));
        ys.push_back(g.Value(i + 1));
    }
    std::sort(ys.begin(), ys.end());
    for (int k = 0; k < kTableRows; ++k)
        EXPECT_EQ(ys[k], k);  // every row once
}

using Change = IntervalChange;

TEST(NiceStep, TakesTheNearerOfTheHalvesAndTheFifths) {
    // clang-format off
    const struct { long double v, expected; } cases[] = {
        {3.33L, 3.4L}, {2.48L, 2.5L}, {7.76L, 7.8L}, {0.0224L, 0.022L}, {2, 2}, {0.333L, 0.34L},
        {248, 250}, {0.5L, 0.5L}, {3, 3}, {9.9L, 10},
        {1.1L, 1.2L},  // 1.0 and 1.2 tie: the fifth wins
        {1.25L, 1.2L}, {-3.33L, -3.4L}, {1e-30L, 1e-30L}, {0, 0},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NiceStep(c.v), c.expected) << static_cast<double>(c.v);
}

OptionsRecord Interval(long double min, long double max, long double minY, long double maxY) {
    OptionsRecord o = StandardOptions();
    SetView(o, min, max, minY, maxY);
    for (Extended80* step : {&o.NumLinesX.Step, &o.NumLinesY.Step, &o.NumsX.Step, &o.NumsY.Step,
                             &o.StepHor, &o.StepVert})
        *step = 1.0L;
    return o;
}

OptionsRecord Interval(long double min, long double max) {
    return Interval(min, max, min, max);
}

// The bounds, then the steps along X, along Y, and the radius step.
std::vector<long double> IntervalAndSteps(const OptionsRecord& o) {
    return {o.MinX,     o.MaxX,           o.MinY,       o.MaxY,    o.NumLinesX.Step, o.NumsX.Step,
            o.StepVert, o.NumLinesY.Step, o.NumsY.Step, o.StepHor, o.RadiusStep};
}

TEST(ViewInterval, ChangesMoveTheBoundsAndScaleTheSteps) {
    // clang-format off
    const struct { Change x, y; long double minX, maxX, minY, maxY, stepX, stepY; } cases[] = {
        {Change::Increase, Change::None, -20, 20, -10, 10, 2, 1},
        {Change::Reduce, Change::Reduce, -5, 5, -5, 5, 0.5L, 0.5L},
        {Change::TowardSmaller, Change::None, -20, 0, -10, 10, 1, 1},
        {Change::None, Change::TowardGreater, -10, 10, 0, 20, 1, 1},
        {Change::TowardGreater, Change::TowardSmaller, 0, 20, -20, 0, 1, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        OptionsRecord o = Interval(-10, 10);
        const long double radius = o.RadiusStep;
        EXPECT_EQ(ChangeViewInterval(o, c.x, c.y), "");
        EXPECT_EQ(IntervalAndSteps(o),
                  (std::vector<long double>{c.minX, c.maxX, c.minY, c.maxY, c.stepX, c.stepX,
                                            c.stepX, c.stepY, c.stepY, c.stepY, radius}));
    }
    for (const bool forward : {true, false}) {  // reversed: the left button grows X
        EXPECT_EQ(MoveChange(forward, true),
                  forward ? Change::TowardGreater : Change::TowardSmaller);
        EXPECT_EQ(MoveChange(forward, false),
                  forward ? Change::TowardSmaller : Change::TowardGreater);
    }
    for (Change first : {Change::Increase, Change::Reduce}) {  // and back: the same bytes
        const OptionsRecord before = Interval(-3.7L, 12.1L);
        OptionsRecord o = before;
        ASSERT_EQ(ChangeViewInterval(o, first, first), "");
        const Change back = first == Change::Increase ? Change::Reduce : Change::Increase;
        ASSERT_EQ(ChangeViewInterval(o, back, back), "");
        EXPECT_EQ(BytesOf(o), BytesOf(before));
    }
    OptionsRecord o = Interval(-3, 70);
    o.StepVert = 5.0L;
    o.NumsY.Step = 0.2L;
    ASSERT_EQ(StandardIntervals(o), "");
    EXPECT_EQ(BytesOf(o), BytesOf(Interval(-10, 10)));
}

TEST(ViewInterval, RefusedIntervalsLeaveTheOptionsAlone) {
    // clang-format off
    const struct { OptionsRecord o; Change x, y; std::string message; } cases[] = {
        {Interval(-6e99L, 6e99L), Change::Increase, Change::None,
         "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100"},
        {Interval(8e99L, 9.9e99L), Change::TowardGreater, Change::None,
         "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100"},
        {Interval(-1, 1, -6e99L, 6e99L), Change::None, Change::Increase,
         "Minimum of Y must be a number\rfrom -1*10^100 up to 1*10^100"},
        {Interval(1e-25L, 3e-25L), Change::Reduce, Change::None,
         "Maximum of X must be more\rthan minimum of X"},  // both flushed to 0
        {Interval(-1, 1, 1e-25L, 3e-25L), Change::None, Change::Reduce,
         "Maximum of Y must be more\rthan minimum of Y"},
    };
    // clang-format on
    for (const auto& c : cases) {
        OptionsRecord o = c.o;
        EXPECT_EQ(ChangeViewInterval(o, c.x, c.y), c.message);
        EXPECT_EQ(BytesOf(o), BytesOf(c.o));
    }
    // A logarithmic X axis of base 10: 10^95 is allowed, 10^165 is not.
    OptionsRecord o = Interval(-10, 60);
    o.LogX = true;
    ASSERT_EQ(ChangeViewInterval(o, Change::Increase, Change::None), "");
    EXPECT_EQ(static_cast<long double>(o.MinX), -45);
    EXPECT_EQ(static_cast<long double>(o.MaxX), 95);
    EXPECT_EQ(ChangeViewInterval(o, Change::Increase, Change::None), kLogBoundMessage);
    EXPECT_EQ(static_cast<long double>(o.MaxX), 95);
    // Y moves by half the width, here below the eighth digit of the bounds: kept to 8 digits,
    // the moved bounds can fall together.
    const std::string kMoreThanMinimum = "Maximum of Y must be more\rthan minimum of Y";
    for (int k = 0; k < 50; ++k) {
        const long double max = RoundTo8(-760 + k * 0.00001L);
        o = Interval(-10, 10, RoundTo8(max - 0.00001L), max);
        for (int i = 0; i < 10; ++i) {
            const std::string failure = ChangeViewInterval(
                o, Change::None, i < 5 ? Change::TowardSmaller : Change::TowardGreater);
            EXPECT_EQ(failure.empty() ? kMoreThanMinimum : failure, kMoreThanMinimum);
            ASSERT_LT(static_cast<long double>(o.MinY), static_cast<long double>(o.MaxY)) << k;
        }
    }
}

TEST(ViewInterval, StepsStayWhenTheWidthRoundsToTheSameOrTheyWouldLeaveTheRange) {
    OptionsRecord o = Interval(-10, 10);
    RescaleSteps(o, 1.0000000000001L, 1);
    o.StepHor = 1e99L;
    RescaleSteps(o, 1, 20);
    EXPECT_EQ(static_cast<long double>(o.StepVert), 1);
    EXPECT_EQ(static_cast<long double>(o.StepHor), 1e99L);  // 2*10^100 is too large
    EXPECT_EQ(static_cast<long double>(o.NumsY.Step), 20);
    o.StepVert = 2.0L;
    RescaleSteps(o, 1e-31L, 1);
    EXPECT_EQ(static_cast<long double>(o.StepVert), 2);  // 2*10^(-31) would read as 0
}

TEST(SegmentClip, GapClipAndMiss) {
    // clang-format off
    const struct { long long gap; std::vector<long double> ends, drawn; } cases[] = {
        {50, {0, -50, 1, 50}, {}},               // a jump of 100 is more than 50 % of 20
        {50, {0, -4, 1, 4}, {0, -4, 1, 4}},
        {10000, {0, 0, 10, 20}, {0, 0, 5, 10}},  // cut exactly at MaxY
        {10000, {10, 20, 0, 0}, {5, 10, 0, 0}}, {10000, {-20, 0, 20, 0}, {-10, 0, 10, 0}},
        {10000, {9, 12, 12, 9}, {}},              // passes outside the corner
        {10000, {11, 0, 12, 5}, {}},              // wholly right of the view
        {10000, {10, 10, -10, -10}, {10, 10, -10, -10}},  // corner to corner
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<long double> p = c.ends;
        const bool drawn = SegmentClipper(StandardOptions(), c.gap).Clip(p[0], p[1], p[2], p[3]);
        EXPECT_EQ(drawn ? p : std::vector<long double>{}, c.drawn) << c.ends[0] << "," << c.ends[1];
    }
}

// The shortcuts must agree with rounding first, also next to bounds, gaps and half pixels,
// and in a view so small that its values round to 0.
TEST(SegmentClip, ShortcutsAgreeWithRoundingFirst) {
    for (const long double scale : {1.0L, 1e-200L}) {
        OptionsRecord o = StandardOptions();
        SetView(o, -3.7L * scale, 1e6L / 3 * scale, -10 * scale, 10 * scale);
        const SegmentClipper clipper(o, 37);
        ScreenMapping map;
        map.plot = {20, 20, 1020, 720};
        map.minX = o.MinX;
        map.factorX = 1000 / (static_cast<long double>(o.MaxX) - o.MinX);
        std::mt19937_64 random(5);
        std::uniform_real_distribution<double> unit(-1, 1);
        const long double anchors[] = {o.MinX, o.MaxX, o.MinY, o.MaxY, 0, 7.4L * scale};
        // Values at, just beside, and far from the anchors.
        const auto near = [&](long double a) {
            const int digits = static_cast<int>(random() % 16);
            return a + a * unit(random) * std::pow(10.0L, -2 - digits) +
                   unit(random) * 1e-9L * scale;
        };
        for (int i = 0; i < 100000; ++i) {
            const long double x = near(anchors[random() % 6]);
            const long double y = near(anchors[random() % 6]);
            long double rx = x, ry = y;
            SegmentClipper::Round(rx, ry);
            ASSERT_EQ(clipper.InsideUnrounded(x, y), clipper.Inside(rx, ry)) << double(x);
            const long double x2 = x + (i % 2 ? 0.74L * (o.MaxX - o.MinX) : unit(random) * scale);
            const long double y2 = near(y + 7.4L * scale * (i % 3 ? 1 : -1));
            long double rx2 = x2, ry2 = y2;
            SegmentClipper::Round(rx2, ry2);
            ASSERT_EQ(clipper.WithinGapUnrounded(x, y, x2, y2),
                      clipper.WithinGap(rx, ry, rx2, ry2));
            // Half a pixel off a pixel boundary, give or take a hair.
            const long double half = o.MinX + (std::floor(unit(random) * 500 + 500) + 0.5L) /
                                                  map.factorX * (1 + unit(random) * 1e-12L);
            ASSERT_EQ(map.XOfRounded(half), map.X(RoundMantissa(half))) << double(half);
            ASSERT_EQ(map.XOfRounded(x), map.X(rx)) << double(x);
        }
    }
}

}  // namespace
}  // namespace plotwise
