// What the Trace window offers per graph kind, the coordinates of each point and the
// readout texts.
#include "tools/trace_tool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "../plot/plot_test_support.h"
#include "formula/round12.h"
#include "plot/document.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

struct SampledDocument {
    Document doc{StandardOptions()};

    // A sampled graph; kinds 0 to 3 with their own interval and steps.
    Graph& Add(std::uint8_t kind, const char* formula, long double min = -1, long double max = 1,
               int steps = 4, const char* formulaY = "t") {
        GraphRecord props = EmptyGraphRecord();
        props.Kind = kind;
        SetNewProps(props, doc.Options);
        if (kind != kTable) props.Formula().SetText(formula);
        if (kind == kParametric) props.FormulaY().SetText(formulaY);
        if (kind <= kParametric) {
            GraphInterval& interval = props.Interval();
            interval.DefaultInterval = interval.DefaultSteps = false;
            interval.Min = min;
            interval.Max = max;
            interval.StepsNum = steps;
        }
        return Sample(doc.AddGraph(props));
    }
    Graph& Sample(Graph& graph) {
        doc.CalculateGraph(graph, doc.Options, 0);
        return graph;
    }
    TracedPoint Point(const Graph& graph, int p) const { return TracePoint(graph, doc.Options, p); }
    std::vector<long double> Xs(const Graph& graph) const {
        std::vector<long double> xs;
        for (int p = 1; p <= SetupTrace(graph, doc.Options).maximum; ++p)
            xs.push_back(Round12(Point(graph, p).x));
        return xs;
    }
};

TEST(SetupTrace, WhatEachGraphOffers) {
    SampledDocument d;
    Graph& changed = d.Add(kYOfX, "x");
    GraphRecord fewer = changed.Record();
    fewer.Interval().StepsNum = 100;  // since sampled: no more points than stored
    const std::vector<long double> values = changed.Values;
    d.doc.ReplaceRecord(d.doc.IndexOf(changed), fewer);
    changed.Values = values;
    // clang-format off
    const struct {
        const Graph* graph;
        int maximum;  // 0: the scroll bar is disabled
        const char* message;
        bool argument, radius;
    } cases[] = {
        {&d.Add(kYOfX, "x"), 5, "", false, false},
        {&d.Add(kXOfY, "y", 0.3L, 1.3L), 4, "", false, false},  // the last sample is past the end
        {&d.Add(kPolarGraph, "1"), 5, "", true, true},
        {&d.Add(kParametric, "t"), 5, "", true, false},
        {&changed, 5, "", false, false},
        {&d.Add(kYOfX, " "), 0, "There are no values", false, false},
        {&d.Add(kYOfX, "x", -30, -20), 0, "There are no values", false, false},
        {&d.Add(kEquation, "x*x+y*y-1"), 0, "The tracing is impossible", false, false},
        {&d.Add(kSlopeField, "x"), 0, "The tracing is impossible", false, false},
        {&d.Add(kTable, ""), 0, "The table is empty", false, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        const TraceSetup s = SetupTrace(*c.graph, d.doc.Options);
        const std::string name = std::to_string(c.graph - &d.doc.GraphAt(0));
        EXPECT_EQ(s.enabled, c.maximum > 0) << name;
        EXPECT_EQ(s.maximum, c.maximum) << name;
        EXPECT_EQ(s.message, c.message) << name;
        EXPECT_EQ(s.showArgument, c.argument) << name;
        EXPECT_EQ(s.showRadius, c.radius) << name;
    }
}

TEST(TracePoint, ArgumentsAndAxes) {
    SampledDocument d;
    using V = std::vector<long double>;
    EXPECT_EQ(d.Xs(d.Add(kYOfX, "x", 0.3L, 1.3L)), V({0.5L, 0.75L, 1, 1.25L}));
    // The middle of the standard view shows as 0, not as what 100 added steps leave.
    EXPECT_EQ(d.Point(d.Add(kYOfX, "x", -10, 10, 200), 101).x, 0);
    d.doc.Options.PointsAlign = false;
    EXPECT_EQ(d.Xs(d.Add(kYOfX, "x", 0.3L, 1.3L)), V({0.3L, 0.55L, 0.8L, 1.05L, 1.3L}));

    // The formulas see x = 2 s; the readout shows axis values.
    d.doc.Options.CoeffX = 2;
    d.doc.Options.CoeffY = 4;
    EXPECT_EQ(d.Point(d.Add(kYOfX, "x"), 5).y, 0.5L);
    EXPECT_EQ(d.Point(d.Add(kXOfY, "3*y"), 1).x, -6);
    const TracedPoint p = d.Point(d.Add(kParametric, "8", -1, 1, 4, "8"), 1);
    EXPECT_EQ(p.x, 4);
    EXPECT_EQ(p.y, 2);

    SampledDocument log;  // a view of 10^-2 .. 10^3
    log.doc.Options.LogX = true;
    log.doc.Options.MinX = -2;
    log.doc.Options.MaxX = 3;
    Graph& g = log.Add(kYOfX, "x", -2, 3, 5);
    EXPECT_EQ(Round12(log.Point(g, 1).x), 0.01L);
    EXPECT_EQ(Round12(log.Point(g, 1).y), 0.01L);
    EXPECT_EQ(Round12(log.Point(g, 6).x), 1000);
}

TEST(TracePoint, PolarRadiusKeepsTheFormulasSign) {
    // About a quarter turn the cosine is nearly 0, and a recomputed angle may give it the
    // other sign than the sampled one.
    for (const long double r : {1.0L, -1.0L, -2.5L}) {
        SampledDocument d;
        Graph& g = d.Add(kPolarGraph, std::to_string(static_cast<double>(r)).c_str(), -1, 1, 200);
        for (int p = 1; p <= 201; ++p) {
            const TracedPoint point = d.Point(g, p);
            ASSERT_EQ(Round12(point.radius), r) << "A=" << point.argument;
        }
    }
}

TEST(TracePoint, TablesWalkTheirCompleteRowsInDrawingOrder) {
    SampledDocument d;
    d.doc.Options.CoeffY = 2;
    Graph& g = d.Sample(  // sorted by X
        d.doc.AddGraph(testing_support::TableOf({{3, 1}, {1, 5}, {7, kNoPoint}, {2, 0}})));
    EXPECT_EQ(d.Xs(g), std::vector<long double>({1, 2, 3}));
    EXPECT_EQ(d.Point(g, 1).y, 2.5L);  // 5 / CoeffY
}

TEST(TraceReadout, TextsPerKind) {
    SampledDocument d;
    const auto texts = [&d](const Graph& g, int p) {
        const TraceTexts r = TraceReadout(g.Record().Kind, d.Point(g, p));
        return r.x + "|" + r.y + "|" + r.argument + "|" + r.radius;
    };
    EXPECT_EQ(texts(d.Add(kYOfX, "1/x"), 3), "X=0|Y: Error||");
    EXPECT_EQ(texts(d.Add(kPolarGraph, "-1", 0, 1), 2), "X=-0.7071068|Y=-0.7071068|A=0.25 Pi|R=-1");
    EXPECT_EQ(texts(d.Add(kPolarGraph, "ln(a)", 0, 1), 1), "X: Error|Y: Error|A=0 Pi|R: Error");
    EXPECT_EQ(texts(d.Add(kParametric, "t", 0, 4, 2, "1/(t-2)"), 2), "X=2|Y: Error|T=2|");
}

}  // namespace
}  // namespace plotwise
