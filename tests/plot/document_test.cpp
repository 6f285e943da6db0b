// A document's data side: mapping and the pointer's hint, axis transforms, effective
// intervals, what needs resampling, how new options are applied, and the drawing order of
// tables.
#include "plot/document.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>

#include "formula/number_input.h"
#include "plot/axis_transform.h"
#include "plot/pointer_hint.h"
#include "plot/table_prepare.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::BytesOf;
using testing_support::GraphOfKind;

TEST(Mapping, PlotRectangleAndBothDirections) {
    Document doc(StandardOptions());
    doc.ClientRect = {0, 0, 800, 600};
    const PixelRect plot = doc.GetPlotRect();  // margins 9 + W/40 + 5 + 3
    EXPECT_EQ(plot.left, 37);
    EXPECT_EQ(plot.top, 32);
    EXPECT_EQ(plot.right, 763);
    EXPECT_EQ(plot.bottom, 568);
    EXPECT_EQ(doc.XToScreen(-10), 37);
    EXPECT_EQ(doc.XToScreen(0), 400);
    EXPECT_EQ(doc.YToScreen(10), 32);
    EXPECT_EQ(doc.YToScreen(-10), 568);
    EXPECT_NEAR(doc.ScreenToX(400), 0, 1e-15L);
    EXPECT_NEAR(doc.ScreenToY(300), 0, 1e-15L);

    doc.Options.AxisX.Forward = false;
    doc.Options.AxisY.Forward = false;
    EXPECT_EQ(doc.XToScreen(-10), 763);
    EXPECT_EQ(doc.XToScreen(10), 37);
    EXPECT_EQ(doc.YToScreen(10), 568);
    EXPECT_NEAR(doc.ScreenToX(763), -10, 1e-15L);
    EXPECT_NEAR(doc.ScreenToY(32), -10, 1e-15L);

    doc.OnScreen = false;
    doc.OutputRect = {100, 100, 140, 140};  // a plot area of 4 pixels: nothing to draw
    EXPECT_FALSE(doc.PlotAreaUsable());
    EXPECT_EQ(doc.ScreenToX(120), -10);
    EXPECT_EQ(doc.ScreenToY(120), -10);
    // A printer's resolution widens the margins; at 0.5, 4.5 and 2.5 round to even.
    const PixelRect page = PlotRectOf({0, 0, 800, 600}, DeviceScale(2, 0.5L));
    EXPECT_EQ(page.left, 18 + 20 + 10 + 3);
    EXPECT_EQ(page.top, 4 + 15 + 2 + 3);
}

TEST(PointerHint, AxisValuesInsideThePlotRectangleOnly) {
    Document doc(StandardOptions());
    doc.ClientRect = {0, 0, 640, 480};
    const PixelRect plot = doc.GetPlotRect();
    // Width 20: two decimals everywhere, also at the edges.
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom), "-10.00:-10.00");
    EXPECT_EQ(PointerHint(doc, plot.right, plot.top), "10.00:10.00");
    EXPECT_EQ(PointerHint(doc, plot.left - 1, plot.top), "");
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom + 1), "");

    doc.Options.LogX = true;
    doc.Options.LogXBase = 10;
    doc.Options.MinX = -2;
    doc.Options.MaxX = 3;
    doc.Options.CoeffY = 2;  // not applied: the hint shows axis values
    EXPECT_EQ(PointerHint(doc, plot.left, plot.bottom), "0.01:-10.00");
}

TEST(AxisTransforms, CoefficientsAndLogarithmicScales) {
    OptionsRecord o = StandardOptions();
    o.CoeffX = 2;
    o.LogY = true;
    o.LogYBase = 10;
    o.CoeffY = 0.5L;
    EXPECT_EQ(ForwardX(o, 3), 6);
    EXPECT_EQ(InverseX(o, 6), 3);
    EXPECT_NEAR(ForwardY(o, 2), 50, 1e-15L);
    EXPECT_NEAR(InverseY(o, 50), 2, 1e-15L);
    EXPECT_EQ(InverseY(o, 0), kNoPoint);  // no position on a logarithmic axis
    EXPECT_EQ(InverseY(o, -3), kNoPoint);
    o.CoeffX = -2;
    EXPECT_EQ(InverseX(o, kNoPoint), kNoPoint);  // no point stays no point
}

TEST(EffectiveInterval, CutToTheVisibleRangeByKind) {
    const OptionsRecord o = StandardOptions();
    GraphRecord g = GraphOfKind(kYOfX, "x");
    g.Interval().DefaultInterval = false;
    g.Interval().Min = -20;
    g.Interval().Max = 5;
    EXPECT_EQ(EffectiveMinX(g, o), -10);
    EXPECT_EQ(EffectiveMaxX(g, o), 5);
    g.Interval().DefaultInterval = true;
    EXPECT_EQ(EffectiveMaxX(g, o), 10);

    g = GraphOfKind(kXOfY, "y");
    g.Interval().DefaultInterval = false;
    g.Interval().Min = 2;
    EXPECT_EQ(EffectiveMinY(g, o), 2);
    EXPECT_EQ(EffectiveMaxY(g, o), 10);

    g = GraphOfKind(kPolarGraph, "1");  // polar and parametric intervals are never cut
    g.Interval().Min = -30;
    EXPECT_EQ(EffectiveMinX(g, o), -30);

    g = GraphOfKind(kEquation, "x");
    g.Area().DefaultInterval = false;
    g.Area().MinX = -5;
    g.Area().MaxY = 50;
    EXPECT_EQ(EffectiveMinX(g, o), -5);
    EXPECT_EQ(EffectiveMaxY(g, o), 10);
}

TEST(EffectiveInterval, StepsAndGaps) {
    const OptionsRecord o = StandardOptions();
    GraphRecord g = GraphOfKind(kYOfX, "x");
    EXPECT_EQ(EffectiveStepsNum(g, o), 200);  // the document's
    EXPECT_EQ(EffectiveMaxGap(g, o), 10000);
    g.Interval().DefaultSteps = false;
    g.Interval().MaxGap = 50;
    EXPECT_EQ(EffectiveStepsNum(g, o), 100);
    EXPECT_EQ(EffectiveMaxGap(g, o), 50);
    g = GraphOfKind(kEquation, "x");
    g.Area().MaxGap = 77;
    EXPECT_EQ(EffectiveMaxGap(g, o), 77);
    g = GraphOfKind(kTable);
    EXPECT_EQ(EffectiveMaxGap(g, o), 1000000);
    EXPECT_FALSE(IsEmptyRecord(g));
    g = GraphOfKind(kParametric, "t");
    EXPECT_TRUE(IsEmptyRecord(g));  // Y(t) is empty
    g.FormulaY().SetText(" t ");
    EXPECT_FALSE(IsEmptyRecord(g));
}

TEST(NeedsRecalc, ByKindAndOption) {
    using Change = std::function<void(OptionsRecord&)>;
    const Change coeffX = [](OptionsRecord& o) { o.CoeffX = 2; };
    const Change coeffY = [](OptionsRecord& o) { o.CoeffY = 2; };
    const Change align = [](OptionsRecord& o) { o.PointsAlign = false; };
    const Change steps = [](OptionsRecord& o) { o.StepsNum = 300; };
    const Change maxX = [](OptionsRecord& o) { o.MaxX = 20; };
    const Change baseX = [](OptionsRecord& o) { o.LogXBase = 2; };
    const Change color = [](OptionsRecord& o) { o.BackColor = 3; };
    const Change reserved = [](OptionsRecord& o) { o.ReservedFlag = false; };
    const Change logX = [](OptionsRecord& o) { o.LogX = true; };
    // clang-format off
    const struct {
        std::uint8_t kind;
        const Change& change;
        bool resample;
    } cases[] = {
        {kYOfX, coeffX, true}, {kYOfX, coeffY, false}, {kXOfY, coeffY, true},
        {kXOfY, coeffX, false}, {kPolarGraph, coeffX, false}, {kEquation, coeffY, true},
        {kSlopeField, coeffX, true}, {kTable, coeffX, false},
        {kYOfX, align, true}, {kParametric, align, true}, {kTable, align, true},
        {kYOfX, steps, true}, {kPolarGraph, steps, true}, {kEquation, steps, false},
        {kTable, steps, false},
        {kYOfX, maxX, true}, {kXOfY, maxX, false}, {kParametric, maxX, false},
        {kSlopeField, maxX, true},
        {kYOfX, baseX, false},  // a base matters on a logarithmic axis only
        {kYOfX, color, false}, {kEquation, color, false},
        {kPolarGraph, reserved, true}, {kTable, reserved, true},
        {kYOfX, logX, true}, {kXOfY, logX, false}, {kSlopeField, logX, true},
    };
    // clang-format on
    Document doc(StandardOptions());
    for (const auto& c : cases) {
        Graph& g = doc.AddGraph(GraphOfKind(c.kind, "1"));
        OptionsRecord now = doc.Options;
        c.change(now);
        EXPECT_EQ(NeedsRecalc(g, doc.Options, now), c.resample) << int(c.kind);
    }
    // Own steps and an own interval inside the visible range ignore the document's.
    GraphRecord ownRecord = GraphOfKind(kYOfX, "x");
    ownRecord.Interval().DefaultSteps = false;
    ownRecord.Interval().DefaultInterval = false;
    ownRecord.Interval().Min = -1;
    ownRecord.Interval().Max = 1;
    const Graph& own = doc.AddGraph(ownRecord);
    for (const Change* change : {&steps, &maxX}) {
        OptionsRecord now = doc.Options;
        (*change)(now);
        EXPECT_FALSE(NeedsRecalc(own, doc.Options, now));
    }
    OptionsRecord logOld = doc.Options;
    logOld.LogX = true;
    OptionsRecord logNew = logOld;
    baseX(logNew);
    EXPECT_TRUE(NeedsRecalc(own, logOld, logNew));
}

TEST(NeedsRecalcProps, SamplingChangesAgainstStyleChanges) {
    using Change = std::function<void(GraphRecord&)>;
    // clang-format off
    const struct {
        std::uint8_t kind;
        const char* what;
        Change change;
        bool resample;
    } cases[] = {
        {kYOfX, "same formula, other case and blanks", [](GraphRecord& p) { p.Formula().SetText(" X ^ 2"); }, false},
        {kYOfX, "other formula", [](GraphRecord& p) { p.Formula().SetText("x^3"); }, true},
        {kYOfX, "colour", [](GraphRecord& p) { p.Color = 9; }, false},
        {kYOfX, "own steps", [](GraphRecord& p) { p.Interval().DefaultSteps = false; }, true},
        {kYOfX, "gap", [](GraphRecord& p) { p.Interval().MaxGap = 5; }, false},
        {kYOfX, "kind", [](GraphRecord& p) { p.Kind = kXOfY; }, true},
        {kParametric, "Y(t)", [](GraphRecord& p) { p.FormulaY().SetText("t"); }, true},
        {kTable, "sorting", [](GraphRecord& p) { p.SortType = 1; }, true},
        {kTable, "a cell", [](GraphRecord& p) { p.Body.Table[0].X = 1; }, true},
        {kEquation, "relation", [](GraphRecord& p) { p.Relation() = 1; }, true},
        {kEquation, "grid", [](GraphRecord& p) { p.Area().StepsNumX = 20; }, true},
        {kSlopeField, "segment length", [](GraphRecord& p) { p.Area().MaxGap = 30; }, false},
        {kSlopeField, "brush", [](GraphRecord& p) { p.Brush = 4; }, false},
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
    using Change = std::function<void(OptionsRecord&)>;
    // clang-format off
    const struct {
        const char* what;
        Change change;
        int interruptAt;
        const char* log;
    } cases[] = {
        {"identical options", [](OptionsRecord&) {}, -1, ""},
        {"a colour", [](OptionsRecord& o) { o.BackColor = 2; }, -1, "undo repaint "},
        // Graphs: 0 Y(x), 1 X(y), 2 empty Y(x), 3 hidden Y(x), 4 Y(x).
        {"X coefficient", [](OptionsRecord& o) { o.CoeffX = 3; }, -1,
         "undo background calc0 calc2 calc3 calc4 draw0 draw1 draw4 "},
        {"interrupted at graph 2", [](OptionsRecord& o) { o.CoeffX = 3; }, 2,
         "undo background calc0 calc2 draw0 draw1 "},
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

TEST(PrepareTable, SortsAFullReversedTableWithEqualKeys) {
    GraphRecord table = GraphOfKind(kTable);
    for (int k = 0; k < kTableRows; ++k) {
        // Keys repeat in fives, and values equal to 8 digits count as equal.
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

std::vector<std::pair<long double, long double>> DrawnPoints(const Graph& table) {
    std::vector<std::pair<long double, long double>> points;
    for (std::size_t i = 1; i + 1 <= table.Values.size(); i += 2) {
        if (std::isfinite(table.Value(i)) && std::isfinite(table.Value(i + 1)))
            points.emplace_back(table.Value(i), table.Value(i + 1));
    }
    return points;
}

TEST(PrepareTable, SortsACopyOnly) {
    using Points = std::vector<std::pair<long double, long double>>;
    const struct {
        std::uint8_t sortType;
        Points expected;
    } cases[] = {
        {0, {{1, 5}, {2, 0}, {3, 1}}},
        {1, {{2, 0}, {3, 1}, {1, 5}}},
        {2, {{3, 1}, {1, 5}, {2, 0}}},
    };
    for (const auto& c : cases) {
        GraphRecord table = GraphOfKind(kTable);
        table.SortType = c.sortType;
        const long double rows[][2] = {{3, 1}, {1, 5}, {7, kNoPoint}, {2, 0}};
        for (int k = 0; k < 4; ++k) {
            table.Body.Table[10 + 3 * k].X = rows[k][0];
            table.Body.Table[10 + 3 * k].Y = rows[k][1];
        }
        Graph g(nullptr, table);
        const std::vector<unsigned char> before = BytesOf(g.Record());
        PrepareTable(g);
        EXPECT_EQ(DrawnPoints(g), c.expected) << int(c.sortType);
        EXPECT_EQ(BytesOf(g.Record()), before);
        ASSERT_EQ(g.Values.size(), 200u);
        if (c.sortType != 2) {  // incomplete rows gather at the front
            EXPECT_FALSE(std::isfinite(g.Value(193)) && std::isfinite(g.Value(194)));
            EXPECT_TRUE(std::isfinite(g.Value(195)));
        }
    }
}

}  // namespace
}  // namespace plotwise
