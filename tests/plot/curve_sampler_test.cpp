// Sampling of Y(x), X(y), polar and parametric graphs, the progress protocol and the
// sampling pass of a document.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "formula/extended.h"
#include "formula/round12.h"
#include "plot/document.h"
#include "plot/sample_buffer.h"
#include "plot/sampling_run.h"
#include "plot_test_support.h"
#include "recording_feedback.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;
using testing_support::RecordingFeedback;

constexpr long double kInf = kNoPoint;

struct SampledDocument {
    Document doc{StandardOptions()};
    RecordingFeedback feedback;
    SampledDocument() { doc.Reporter = &feedback; }

    Graph& Add(std::uint8_t kind, const char* formula, long double min, long double max, int steps,
               const char* formulaY = "") {
        GraphRecord props = GraphOfKind(kind, formula);
        props.FormulaY().SetText(formulaY);
        props.Interval().DefaultInterval = false;
        props.Interval().DefaultSteps = false;
        props.Interval().Min = min;
        props.Interval().Max = max;
        props.Interval().StepsNum = steps;
        return doc.AddGraph(props);
    }
    bool Sample(Graph& graph) { return doc.CalculateGraph(graph, doc.Options, 0); }
};

TEST(ExplicitSampler, ArgumentsAlignedOrNotAndPastTheEnd) {
    // clang-format off
    const struct {
        long double min, max;
        int steps;
        bool align;
        std::vector<long double> values;
        bool lastBeyondEnd;
    } cases[] = {
        {-1, 1, 4, true, {-1, -0.5L, 0, 0.5L, 1}, false},
        {0.3L, 1.3L, 4, true, {0.5L, 0.75L, 1, 1.25L, kInf}, true},
        {-1.3L, -0.3L, 4, true, {-1.25L, -1, -0.75L, -0.5L, kInf}, true},
        {0.3L, 1.3L, 4, false, {0.3L, 0.55L, 0.8L, 1.05L, 1.3L}, false},
        {-20, 30, 2, false, {-10, 0, 10}, false},  // cut to the visible -10..10
        {-30, -20, 4, true, {}, false},            // wholly left of the view
        {3, 3, 4, true, {}, false},
    };
    // clang-format on
    for (const auto& c : cases) {
        for (std::uint8_t kind : {kYOfX, kXOfY}) {
            SampledDocument d;
            d.doc.Options.PointsAlign = c.align;
            if (kind == kXOfY) {  // only the Y view may matter
                d.doc.Options.MinX = 100;
                d.doc.Options.MaxX = 200;
            }
            Graph& g = d.Add(kind, kind == kYOfX ? "x" : "y", c.min, c.max, c.steps);
            EXPECT_TRUE(d.Sample(g));
            EXPECT_EQ(g.Values, c.values) << c.min << ".." << c.max << " align " << c.align;
            EXPECT_EQ(g.LastBeyondEnd, c.lastBeyondEnd) << c.min << ".." << c.max;
            if (c.values.empty()) {
                EXPECT_TRUE(d.feedback.events.empty());
            }
        }
    }
}

TEST(ExplicitSampler, FormulaSeesTheAxisTransformAndStoresItsOwnValue) {
    SampledDocument d;
    d.doc.Options.LogX = true;  // the view -2..3 is 0.01..1000 along X
    d.doc.Options.MinX = -2;
    d.doc.Options.MaxX = 3;
    d.doc.Options.CoeffY = 4;
    Graph& y = d.Add(kYOfX, "x", -2, 3, 5);
    Graph& x = d.Add(kXOfY, "y", -1, 1, 2);
    d.Sample(y);
    d.Sample(x);
    EXPECT_EQ(y.Values, (std::vector<long double>{0.01L, 0.1L, 1, 10, 100, 1000}));
    EXPECT_EQ(x.Values, (std::vector<long double>{-4, 0, 4}));
}

TEST(PolarParamSampler, PointsPerKind) {
    SampledDocument d;
    Graph& circle = d.Add(kPolarGraph, "1", -1, 1, 4);  // angles in units of pi
    Graph& spiral = d.Add(kPolarGraph, "a", 0, 1, 2);
    Graph& logPolar = d.Add(kPolarGraph, "ln(a)", -1, 1, 2);
    Graph& param = d.Add(kParametric, "t", -1, 1, 2, "sqrt(t)");
    Graph& polarPast = d.Add(kPolarGraph, "1", 0.3L, 1.3L, 4);  // aligned: the last is past 1.3
    Graph& paramPast = d.Add(kParametric, "t", 0.3L, 1.3L, 4, "t");
    for (Graph* g : {&circle, &spiral, &logPolar, &param, &polarPast, &paramPast})
        EXPECT_TRUE(d.Sample(*g));
    EXPECT_EQ(std::vector<long double>(polarPast.Values.end() - 2, polarPast.Values.end()),
              (std::vector<long double>{kInf, kInf}));
    EXPECT_EQ(std::vector<long double>(paramPast.Values.end() - 4, paramPast.Values.end()),
              (std::vector<long double>{1.25L, 1.25L, kInf, 1.5L}));  // X only is no point
    EXPECT_TRUE(polarPast.LastBeyondEnd);
    EXPECT_TRUE(paramPast.LastBeyondEnd);

    const long double expected[][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}, {-1, 0}};
    ASSERT_EQ(circle.Values.size(), 10u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_NEAR(circle.Values[2 * i], expected[i][0], 1e-18L) << i;
        EXPECT_NEAR(circle.Values[2 * i + 1], expected[i][1], 1e-18L) << i;
    }
    EXPECT_NEAR(spiral.Values[2], 0, 1e-18L);  // at a = pi/2 the radius is pi/2, straight up
    EXPECT_EQ(spiral.Values[3], Round12(kPi / 2));
    ASSERT_EQ(logPolar.Values.size(), 6u);  // no radius at angles -pi and 0: no point at all
    EXPECT_EQ(std::vector<long double>(logPolar.Values.begin(), logPolar.Values.begin() + 4),
              std::vector<long double>(4, kInf));
    EXPECT_EQ(logPolar.Values[4], -Round12(std::log(kPi)));
    EXPECT_NEAR(logPolar.Values[5], 0, 1e-18L);
    EXPECT_EQ(param.Values, (std::vector<long double>{-1, kInf, 0, 0, 1, 1}));
}

TEST(Sampling, NothingToComputeLeavesNoValuesAndSaysNothing) {
    for (std::uint8_t kind : {kYOfX, kPolarGraph, kParametric}) {
        for (const char* formula : {"  ", "x+", "sin(", "a*t"}) {
            SampledDocument d;
            Graph& g = d.Add(kind, formula, -1, 1, 10, "t");
            g.Values.assign(5, 1);  // stale values go in every case
            EXPECT_TRUE(d.Sample(g));
            EXPECT_FALSE(g.HasValues()) << int(kind) << " " << formula;
            EXPECT_TRUE(d.feedback.events.empty());
        }
    }
    SampledDocument failing;
    Graph& g = failing.Add(kYOfX, "ln(-1-x^2)", -1, 1, 10);
    EXPECT_TRUE(failing.Sample(g));
    EXPECT_EQ(g.Values, std::vector<long double>(11, kInf));
}

TEST(Sampling, ProgressTextsAndTheirCount) {
    SampledDocument d;
    Graph& g = d.Add(kYOfX, "x", -1, 1, 3);
    d.doc.CalculateGraph(g, d.doc.Options, 4);
    EXPECT_EQ(d.feedback.events,
              (std::vector<std::string>{
                  "0:Graph N 5: 0%", "1:Press Esc to interrupt the calculation", "busy",
                  "0:Graph N 5: 25%", "refresh", "0:Graph N 5: 50%", "refresh", "0:Graph N 5: 75%",
                  "refresh", "0:Graph N 5: 100%", "refresh", "0:Ready", "1:", "refresh", "idle"}));
    SampledDocument big;
    big.Sample(big.Add(kYOfX, "x", -1, 1, 20000));
    EXPECT_EQ(big.feedback.polls, 100);
}

TEST(Sampling, EveryPercentageShownOnceWhenItGrows) {
    for (int total : {1, 2, 3, 7, 99, 100, 101, 199, 200, 201, 333, 1000, 4097}) {
        for (int from : {0, 50}) {
            RecordingFeedback feedback;
            std::vector<std::string> expected;
            {
                SamplingRun run(feedback, 0);
                int shown = 0;
                for (int done = 1; done <= total; ++done) {
                    // round(done / total * span), halves to even
                    const long double exact = std::nearbyint(done * (100.0L - from) / total);
                    if (from + exact > shown) {
                        shown = from + static_cast<int>(exact);
                        expected.push_back("0:Graph N 1: " + std::to_string(shown) + "%");
                    }
                    run.Progress(done, total, from, 100 - from);
                }
            }
            std::vector<std::string> shown;
            for (const std::string& e : feedback.events) {
                if (e.rfind("0:Graph N 1: ", 0) == 0 && e != "0:Graph N 1: 0%") shown.push_back(e);
            }
            EXPECT_EQ(shown, expected) << total << " from " << from;
        }
    }
}

TEST(Sampling, EscInTheSecondGraphStopsThePassAndFinishingSamplesOnlyWhatItLeft) {
    SampledDocument d;
    for (int k = 0; k < 4; ++k)
        d.Add(kYOfX, "x^2", -1, 1, 1000);
    d.feedback.escAtPoll = 150;  // in the second graph
    d.doc.CalculateGraphs();
    EXPECT_FALSE(d.doc.ContinueSampling);
    EXPECT_FALSE(d.doc.Drawing);
    EXPECT_EQ(d.doc.GraphAt(0).Values.size(), 1001u);
    for (int k = 1; k < 4; ++k)
        EXPECT_FALSE(d.doc.GraphAt(k).HasValues()) << k;
    EXPECT_EQ(d.feedback.events.back(), "idle");
    for (const std::string& e : d.feedback.events)
        EXPECT_EQ(e.find("Graph N 3"), std::string::npos);

    const long double* kept = d.doc.GraphAt(0).Values.data();
    d.feedback.escAtPoll = 150;
    d.feedback.polls = 0;
    d.doc.CalculateUnsampledGraphs();  // Esc again in its second graph: the last two wait
    EXPECT_EQ(d.doc.GraphAt(0).Values.data(), kept);
    EXPECT_TRUE(d.doc.GraphAt(1).HasValues());
    EXPECT_FALSE(d.doc.GraphAt(2).HasValues());
    EXPECT_FALSE(d.doc.GraphAt(3).HasValues());
    d.feedback.escAtPoll = 0;
    d.doc.CalculateUnsampledGraphs();
    for (const auto& graph : d.doc.Graphs())
        EXPECT_EQ(graph->Values.size(), 1001u);
    EXPECT_FALSE(d.doc.Drawing);
}

TEST(Sampling, AllocationFailureReportsAndTheRunGoesOn) {
    SampledDocument d;
    Graph& g = d.Add(kYOfX, "x", -1, 1, 20000);
    g.Values.assign(3, 1);
    {
        ScopedSampleMemoryLimit limit(1000);
        EXPECT_TRUE(d.Sample(g));
    }
    EXPECT_FALSE(g.HasValues());
    EXPECT_EQ(d.feedback.events, (std::vector<std::string>{"refresh", "error:Not enough memory"}));

    d.Add(kYOfX, "x", -1, 1, 10);  // in a pass, the next graph is sampled
    ScopedSampleMemoryLimit limit(1000);
    d.doc.CalculateGraphs();
    EXPECT_TRUE(d.doc.ContinueSampling);
    EXPECT_FALSE(d.doc.GraphAt(0).HasValues());
    EXPECT_EQ(d.doc.GraphAt(1).Values.size(), 11u);
}

}  // namespace
}  // namespace plotwise
