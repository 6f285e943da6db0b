// Sampling of every kind: explicit, polar and parametric graphs along their intervals,
// implicit curves, inequalities and slope fields on their grids; the progress protocol,
// Esc, memory failures and the sampling pass of a document.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "formula/round12.h"
#include "plot/document.h"
#include "plot/equation_curve.h"
#include "plot/sampling_run.h"
#include "plot_test_support.h"
#include "recording_feedback.h"

namespace plotwise {
namespace {

using namespace testing_support;
using Values = std::vector<long double>;
using Texts = std::vector<std::string>;

constexpr long double kInf = kNoPoint;

// The percentages a feedback showed for the first graph, "0%" included.
Texts Shown(const RecordingFeedback& feedback) {
    Texts shown;
    for (const std::string& e : feedback.events) {
        if (e.rfind("0:Graph N 1: ", 0) == 0) shown.push_back(e.substr(13));
    }
    return shown;
}

struct Sampled {
    Document doc{StandardOptions()};
    RecordingFeedback feedback;
    Sampled() { doc.Reporter = &feedback; }

    // Kinds 0 to 3 with an own interval and number of steps.
    Graph& Add(std::uint8_t kind, const char* formula, long double min, long double max, int steps,
               const char* formulaY = "") {
        GraphRecord props = GraphOfKind(kind, formula, formulaY);
        props.Interval().DefaultInterval = false;
        props.Interval().DefaultSteps = false;
        props.Interval().Min = min;
        props.Interval().Max = max;
        props.Interval().StepsNum = steps;
        return doc.AddGraph(props);
    }
    // Kind 4 with relation 0 to 2, or kind 5, on an own area of nx x ny cells.
    Graph& AddArea(std::uint8_t kind, const char* formula, int relation, int nx, int ny,
                   long double minX = -10, long double maxX = 10, long double minY = -10,
                   long double maxY = 10) {
        GraphRecord props = GraphOfKind(kind, formula);
        props.Relation() = static_cast<std::uint8_t>(relation);
        GraphArea& a = props.Area();
        a.DefaultInterval = false;
        a.MinX = minX;
        a.MaxX = maxX;
        a.MinY = minY;
        a.MaxY = maxY;
        a.StepsNumX = nx;
        a.StepsNumY = ny;
        return doc.AddGraph(props);
    }
    bool Sample(Graph& graph) { return doc.CalculateGraph(graph, doc.Options, 0); }
};

// An implicit curve's segments as drawing rebuilds them: x1, y1, x2, y2 each.
Values Segments(const Sampled& s, const Graph& curve) {
    Values v;
    ForEachCurveSegment(curve, s.doc.Options, [&](const CurvePoint& p, const CurvePoint& q) {
        v.insert(v.end(), {p.end.x, p.end.y, q.end.x, q.end.y});
        return true;
    });
    return v;
}

TEST(ExplicitSampler, ArgumentsAlignedOrNotAndPastTheEnd) {
    // clang-format off
    const struct { long double min, max; int steps; bool align; Values values; bool lastBeyondEnd; } cases[] = {
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
            Sampled s;
            s.doc.Options.PointsAlign = c.align;
            if (kind == kXOfY) {  // only the Y view may matter
                s.doc.Options.MinX = 100;
                s.doc.Options.MaxX = 200;
            }
            Graph& g = s.Add(kind, kind == kYOfX ? "x" : "y", c.min, c.max, c.steps);
            EXPECT_TRUE(s.Sample(g));
            EXPECT_EQ(g.Values, c.values) << c.min << ".." << c.max << " align " << c.align;
            EXPECT_EQ(g.LastBeyondEnd, c.lastBeyondEnd) << c.min << ".." << c.max;
            EXPECT_EQ(s.feedback.events.empty(), c.values.empty());
        }
    }
}

TEST(PolarParamSampler, PastTheEndAndPointsWithoutACoordinate) {
    Sampled s;
    Graph& polar = s.Add(kPolarGraph, "1", 0.3L, 1.3L, 4);  // aligned: the last is past 1.3
    Graph& param = s.Add(kParametric, "t", 0.3L, 1.3L, 4, "t");
    Graph& root = s.Add(kParametric, "t", -1, 1, 2, "sqrt(t)");
    Graph& logPolar = s.Add(kPolarGraph, "ln(a)", -1, 1, 2);  // angles in units of pi
    for (Graph* g : {&polar, &param, &root, &logPolar})
        EXPECT_TRUE(s.Sample(*g));
    EXPECT_EQ(Values(polar.Values.end() - 2, polar.Values.end()), (Values{kInf, kInf}));
    EXPECT_EQ(Values(param.Values.end() - 4, param.Values.end()),
              (Values{1.25L, 1.25L, kInf, 1.5L}));  // X only is no point
    EXPECT_TRUE(polar.LastBeyondEnd && param.LastBeyondEnd);
    EXPECT_EQ(root.Values, (Values{-1, kInf, 0, 0, 1, 1}));
    ASSERT_EQ(logPolar.Values.size(), 6u);  // no radius at angles -pi and 0: no point at all
    EXPECT_EQ(Values(logPolar.Values.begin(), logPolar.Values.begin() + 4), Values(4, kInf));
    EXPECT_EQ(logPolar.Values[4], -Round12(std::log(kPi)));
    EXPECT_NEAR(logPolar.Values[5], 0, 1e-18L);
}

TEST(Sampling, NothingToComputeLeavesNoValuesAndSaysNothing) {
    for (std::uint8_t kind : {kYOfX, kPolarGraph, kParametric}) {
        for (const char* formula : {"  ", "x+", "sin(", "a*t"}) {
            Sampled s;
            Graph& g = s.Add(kind, formula, -1, 1, 10, "t");
            g.Values.assign(5, 1);  // stale values go in every case
            EXPECT_TRUE(s.Sample(g));
            EXPECT_FALSE(g.HasValues()) << int(kind) << " " << formula;
            EXPECT_TRUE(s.feedback.events.empty());
        }
    }
    Sampled failing;
    Graph& g = failing.Add(kYOfX, "ln(-1-x^2)", -1, 1, 10);
    EXPECT_TRUE(failing.Sample(g));
    EXPECT_EQ(g.Values, Values(11, kInf));
}

// What a run of `total` steps from `from` percent shows.
Texts RunShows(int total, int from) {
    RecordingFeedback feedback;
    {
        SamplingRun run(feedback, 0);
        for (int done = 1; done <= total; ++done)
            run.Progress(done, total, from, 100 - from);
    }
    return Shown(feedback);
}

TEST(Sampling, ProgressTextsOnlyWhenTheWholePercentageGrows) {
    Sampled s;
    s.doc.CalculateGraph(s.Add(kYOfX, "x", -1, 1, 3), s.doc.Options, 4);
    EXPECT_EQ(
        s.feedback.events,
        (Texts{"0:Graph N 5: 0%", "1:Press Esc to interrupt the calculation", "busy",
               "0:Graph N 5: 25%", "refresh", "0:Graph N 5: 50%", "refresh", "0:Graph N 5: 75%",
               "refresh", "0:Graph N 5: 100%", "refresh", "0:Ready", "1:", "refresh", "idle"}));
    Sampled big;
    big.Sample(big.Add(kYOfX, "x", -1, 1, 20000));
    EXPECT_EQ(big.feedback.polls, 100);
    // Rounded half to even; with 100 steps or more, every percentage once.
    EXPECT_EQ(RunShows(8, 0),
              (Texts{"0%", "12%", "25%", "38%", "50%", "62%", "75%", "88%", "100%"}));
    EXPECT_EQ(RunShows(3, 50), (Texts{"0%", "67%", "83%", "100%"}));
    for (int total : {100, 101, 199, 333, 4097}) {
        for (int from : {0, 50}) {
            Texts all = {"0%"};
            for (int p = std::max(from, 1); p <= 100; ++p)
                all.push_back(std::to_string(p) + "%");
            EXPECT_EQ(RunShows(total, from), all) << total << " from " << from;
        }
    }
}

TEST(Sampling, EscInTheSecondGraphStopsThePassAndFinishingSamplesOnlyWhatItLeft) {
    Sampled s;
    for (int k = 0; k < 4; ++k)
        s.Add(kYOfX, "x^2", -1, 1, 1000);
    s.feedback.escAtPoll = 150;  // in the second graph
    s.doc.CalculateGraphs();
    EXPECT_FALSE(s.doc.ContinueSampling);
    EXPECT_FALSE(s.doc.Drawing);
    EXPECT_EQ(s.doc.GraphAt(0).Values.size(), 1001u);
    for (int k = 1; k < 4; ++k)
        EXPECT_FALSE(s.doc.GraphAt(k).HasValues()) << k;
    EXPECT_EQ(s.feedback.events.back(), "idle");
    for (const std::string& e : s.feedback.events)
        EXPECT_EQ(e.find("Graph N 3"), std::string::npos);

    const long double* kept = s.doc.GraphAt(0).Values.data();
    s.feedback.escAtPoll = 150;
    s.feedback.polls = 0;
    s.doc.CalculateUnsampledGraphs();  // Esc again in its second graph: the last two wait
    EXPECT_EQ(s.doc.GraphAt(0).Values.data(), kept);
    EXPECT_TRUE(s.doc.GraphAt(1).HasValues());
    EXPECT_FALSE(s.doc.GraphAt(2).HasValues() || s.doc.GraphAt(3).HasValues());
    s.feedback.escAtPoll = 0;
    s.doc.CalculateUnsampledGraphs();
    for (const auto& graph : s.doc.Graphs())
        EXPECT_EQ(graph->Values.size(), 1001u);
    EXPECT_FALSE(s.doc.Drawing);
}

TEST(Sampling, WorkersGiveWhatOneThreadGivesAndEscStopsThemAll) {
    const auto fill = [](Sampled& s) {
        s.Add(kYOfX, "tan(x)", -10, 10, 4000);
        s.Add(kPolarGraph, "1+2*cos(3*x)", 0, 2, 3000);
        s.Add(kParametric, "sin(2*t)", 0, 7, 3000, "1/cos(t)");
        s.AddArea(kEquation, "x^2+y^2-25", 0, 60, 60);
        s.AddArea(kEquation, "sin(x)-y", 1, 60, 60);
        s.AddArea(kSlopeField, "x*y", 0, 30, 30);
        s.Add(kYOfX, "sqrt(-1)", -1, 1, 10);
    };
    const auto same = [](const Graph& a, const Graph& b) {
        return a.Values == b.Values && a.CellCodes == b.CellCodes && a.Breaks == b.Breaks &&
               a.Crossings.columnStarts == b.Crossings.columnStarts &&
               a.Crossings.edges == b.Crossings.edges &&
               a.Crossings.fractions == b.Crossings.fractions;
    };
    Sampled one;
    fill(one);
    one.doc.CalculateGraphs();
    for (int escAt : {1, 2, 3, 0}) {  // the last pass goes on to a view change
        Sampled pool;
        fill(pool);
        pool.doc.SamplingThreads = 3;
        pool.feedback.escAtPoll = escAt;
        pool.doc.CalculateGraphs();
        EXPECT_TRUE(escAt >= 2 || pool.doc.ContinueSampling == (escAt == 0));  // later: may be done
        for (std::size_t i = 0; i < one.doc.GraphCount(); ++i) {
            const Graph& g = pool.doc.GraphAt(i);
            EXPECT_TRUE(same(g, one.doc.GraphAt(i)) || (escAt != 0 && !g.HasValues())) << i;
            EXPECT_FALSE(escAt == 1 && g.HasValues());  // Esc waiting before the pass
        }
        EXPECT_EQ(pool.feedback.events.back(), "idle");
        if (escAt != 0) continue;
        OptionsRecord zoomed = pool.doc.Options;  // a view change resamples and draws
        zoomed.MaxX = 5;
        pool.doc.SetOptions(zoomed);
        one.doc.SetOptions(zoomed);
        for (std::size_t i = 0; i < one.doc.GraphCount(); ++i)
            EXPECT_TRUE(same(pool.doc.GraphAt(i), one.doc.GraphAt(i))) << "zoomed " << i;
    }
}

TEST(Sampling, AllocationFailureReportsAndTheRunGoesOn) {
    Sampled s;
    Graph& g = s.Add(kYOfX, "x", -1, 1, 20000);
    g.Values.assign(3, 1);
    const std::string over = kGraphOverBudget;
    s.doc.SampleMemory().SetLimit(1000);
    EXPECT_TRUE(s.Sample(g));
    EXPECT_FALSE(g.HasValues());
    EXPECT_EQ(s.feedback.events, (Texts{"1:" + over, "refresh", "error:" + over}));
    s.Add(kYOfX, "x", -1, 1, 10);  // in a pass, the next graph is sampled
    s.doc.CalculateGraphs();
    EXPECT_TRUE(s.doc.ContinueSampling);
    EXPECT_FALSE(s.doc.GraphAt(0).HasValues());
    EXPECT_EQ(s.doc.GraphAt(1).Values.size(), 11u);

    Sampled grid;  // the crossings fail mid-run, after the first columns' values
    Graph& curve = grid.AddArea(kEquation, "0", 0, 3, 3);  // 7 x 7 nodes, every edge crossed
    grid.doc.SampleMemory().SetLimit(100);
    EXPECT_TRUE(grid.Sample(curve));
    EXPECT_FALSE(curve.HasValues());
    EXPECT_EQ(Texts(grid.feedback.events.end() - 7, grid.feedback.events.end()),
              (Texts{"0:Ready", "1:", "refresh", "idle", "1:" + over, "refresh", "error:" + over}));
}

TEST(EquationSampler, CircleIsAClosedPolygonNearTheRadius) {
    Sampled s;
    Graph& circle = s.AddArea(kEquation, "x^2+y^2-25", 0, 50, 50);  // nodes 0.2 apart
    ASSERT_TRUE(s.Sample(circle));
    const Values segments = Segments(s, circle);
    ASSERT_FALSE(segments.empty());
    std::map<std::pair<long double, long double>, int> ends;
    Values angles;
    for (std::size_t k = 0; k < segments.size(); k += 2) {
        const long double x = segments[k];
        const long double y = segments[k + 1];
        EXPECT_NEAR(std::hypot(x, y), 5, 0.2L);
        ++ends[{x, y}];
        angles.push_back(std::atan2(y, x));
    }
    for (const auto& [point, count] : ends)  // closed: no end is left dangling
        EXPECT_GE(count, 2) << point.first << ", " << point.second;
    std::sort(angles.begin(), angles.end());
    angles.push_back(angles.front() + 2 * kPi);
    for (std::size_t k = 1; k < angles.size(); ++k)
        EXPECT_LT(angles[k] - angles[k - 1], 0.06L);  // a cell's diagonal seen from the centre
}

TEST(EquationSampler, LinesInAxisUnitsWithoutEmptySegments) {
    // The formula sees 2x: x = 1 lies between columns of nodes, x = 2 on one.
    for (const auto& [formula, x] : {std::pair{"x-2", 1.0L}, {"x-4", 2.0L}}) {
        Sampled s;
        s.doc.Options.CoeffX = 2;
        ASSERT_TRUE(s.Sample(s.AddArea(kEquation, formula, 0, 10, 7)));
        const Values v = Segments(s, s.doc.GraphAt(0));
        ASSERT_FALSE(v.empty());
        long double low = 10, high = -10;
        for (std::size_t k = 0; k < v.size(); k += 4) {
            EXPECT_NEAR(v[k], x, 1e-15L);
            EXPECT_NEAR(v[k + 2], x, 1e-15L);
            EXPECT_NE(v[k + 1], v[k + 3]);
            low = std::min({low, v[k + 1], v[k + 3]});
            high = std::max({high, v[k + 1], v[k + 3]});
        }
        EXPECT_EQ(low, -10) << formula;
        EXPECT_EQ(high, 10) << formula;
    }
}

TEST(EquationSampler, CrossingsCloseOnOneGridLineAreJoined) {
    // Nodes 0.2 apart across the two lines, 0.05 along them: every grid line across them
    // meets both lines on two consecutive edges, 0.2 apart, which are joined.
    // clang-format off
    const struct { const char* formula; int nx, ny; long double maxX, maxY; } cases[] = {
        {"y^2-0.01", 20, 50, 1, 10},  // joins vertical, lines horizontal
        {"x^2-0.01", 50, 20, 10, 1},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sampled s;
        Graph& pair =
            s.AddArea(kEquation, c.formula, 0, c.nx, c.ny, -c.maxX, c.maxX, -c.maxY, c.maxY);
        ASSERT_TRUE(s.Sample(pair));
        const Values v = Segments(s, pair);
        int vertical = 0;
        int horizontal = 0;
        for (std::size_t k = 0; k < v.size(); k += 4) {
            vertical += v[k] == v[k + 2];
            horizontal += v[k + 1] == v[k + 3];
        }
        const bool joinsVertical = c.formula[0] == 'y';
        EXPECT_EQ(joinsVertical ? vertical : horizontal, 41) << c.formula;
        EXPECT_EQ(joinsVertical ? horizontal : vertical, 80) << c.formula;
        EXPECT_EQ(v.size(), 4u * 121) << c.formula;
    }
}

// The 4 x 4 mask of a cell by evaluating every sub-cell centre, and whether its centre holds.
struct BruteForce {
    CompiledFormula2Var f;
    int relation;
    long double x0, y0, dx, dy;

    bool Holds(long double x, long double y) {
        const Evaluation v = f.Calculate(Round12(x), Round12(y));
        return v.Ok() && (relation == 1 ? v.value < 0 : v.value > 0);
    }
    bool Centre(int i, int j) { return Holds(x0 + (i - 0.5L) * dx, y0 + (j - 0.5L) * dy); }
    std::uint16_t Mask(int i, int j) {
        unsigned mask = 0;
        for (int a = 1; a <= 4; ++a) {
            for (int b = 1; b <= 4; ++b) {
                if (Holds(x0 + (i - 1) * dx + (a - 0.5L) * dx / 4,
                          y0 + (j - 1) * dy + (b - 0.5L) * dy / 4)) {
                    mask |= 1u << (4 * (a - 1) + (b - 1));
                }
            }
        }
        return static_cast<std::uint16_t>(mask);
    }
};

TEST(InequalitySampler, CellCodesAgainstEverySubCell) {
    // clang-format off
    const struct { const char* formula; int relation, nx, ny; long double minX, maxX, minY, maxY; } cases[] = {
        {"x-y", 1, 20, 20, -10, 10, -10, 10},
        {"x-2*y", 2, 13, 29, -3, 7, -2, 4},
        {"sqrt(x)-y", 2, 17, 11, -10, 10, -10, 10},  // fails left of 0: nothing there
        {"x^2+y^2-25", 1, 30, 40, -8, 8, -6, 6},
    };
    // clang-format on
    for (const auto& c : cases) {
        Sampled s;
        Graph& graph =
            s.AddArea(kEquation, c.formula, c.relation, c.nx, c.ny, c.minX, c.maxX, c.minY, c.maxY);
        ASSERT_TRUE(s.Sample(graph));
        ASSERT_EQ(graph.CellCodes.size(), static_cast<std::size_t>(c.nx * c.ny));
        BruteForce brute{
            {}, c.relation, c.minX, c.minY, (c.maxX - c.minX) / c.nx, (c.maxY - c.minY) / c.ny};
        ASSERT_EQ(ErrorCode(brute.f.Compile(c.formula, "X", "Y")), 0);
        int refined = 0;
        for (int i = 1; i <= c.nx; ++i) {
            for (int j = 1; j <= c.ny; ++j) {
                bool uniform = true;  // the first pass found no boundary around this cell
                for (int a = std::max(i - 1, 1); a <= std::min(i + 1, c.nx); ++a) {
                    for (int b = std::max(j - 1, 1); b <= std::min(j + 1, c.ny); ++b)
                        uniform = uniform && brute.Centre(a, b) == brute.Centre(i, j);
                }
                const std::uint16_t code = graph.CellCodes[(i - 1) * c.ny + (j - 1)];
                const std::uint16_t whole = brute.Centre(i, j) ? 0xFFFF : 0;
                if (!uniform || code != whole) {
                    EXPECT_EQ(code, brute.Mask(i, j)) << c.formula << " cell " << i << "," << j;
                    ++refined;
                }
                EXPECT_TRUE(c.formula[0] != 's' || i > c.nx / 2 || code == 0);
            }
        }
        EXPECT_GT(refined, 0) << c.formula;
    }
    // clang-format off
    const struct { const char* formula; int nx, ny; long double maxX, maxY; std::vector<std::uint16_t> codes; } hand[] = {
        {"x-0.6", 2, 1, 2, 1, {0x00FF, 0}},  // sub-cell columns 1 and 2 of cell 1
        {"y-0.6", 1, 2, 1, 2, {0x3333, 0}},  // sub-cell rows 1 and 2
        // The middle cell is refined to a partial code, so its right neighbour is refined
        // too and shows the strip x > 2.8 that its centre missed.
        {"(x-1.3)*(2.8-x)", 3, 1, 3, 1, {0xFFFF, 0x000F, 0xF000}},
    };
    // clang-format on
    for (const auto& c : hand) {
        Sampled s;
        Graph& graph = s.AddArea(kEquation, c.formula, 1, c.nx, c.ny, 0, c.maxX, 0, c.maxY);
        ASSERT_TRUE(s.Sample(graph));
        EXPECT_EQ(graph.CellCodes, c.codes) << c.formula;
    }
}

TEST(SlopeFieldSampler, ValuesAtCellCentresColumnByColumn) {
    Sampled s;
    s.doc.Options.CoeffY = 10;  // the formula sees 10y
    Graph& field = s.AddArea(kSlopeField, "x+y", 0, 4, 2, 0, 4, 0, 2);
    ASSERT_TRUE(s.Sample(field));
    ASSERT_EQ(field.Values.size(), 8u);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 2; ++j)
            EXPECT_EQ(field.Value(i, j, 2), (i - 0.5L) + 10 * (j - 0.5L)) << i << "," << j;
    }
}

TEST(GridSamplers, FailingFormulasInterruptionsProgressAndAreasOutOfView) {
    for (const auto& [kind, relation] :
         {std::pair{kEquation, 0}, {kEquation, 1}, {kEquation, 2}, {kSlopeField, 0}}) {
        Sampled s;
        Graph& failing = s.AddArea(kind, "sqrt(-1-x^2-y^2)", relation, 20, 20);
        ASSERT_TRUE(s.Sample(failing));
        if (kind == kSlopeField) {
            EXPECT_EQ(failing.Values, Values(400, kNoPoint));
        } else {
            EXPECT_TRUE(failing.Values.empty());
            EXPECT_EQ(failing.CellCodes, std::vector<std::uint16_t>(relation == 0 ? 0 : 400, 0));
        }
        for (int poll : {1, 40, 80}) {  // Esc while evaluating and while refining or joining
            Sampled h;
            Graph& graph = h.AddArea(kind, "x^2+y^2-25", relation, 40, 40);
            h.feedback.escAtPoll = poll;
            EXPECT_FALSE(h.Sample(graph)) << int(kind) << " " << relation << " " << poll;
            EXPECT_FALSE(graph.HasValues());
            EXPECT_EQ(h.feedback.events.back(), "idle");
        }
        Sampled outside;
        ASSERT_TRUE(outside.Sample(outside.AddArea(kind, "x+y", relation, 10, 10, 20, 30, -5, 5)));
        EXPECT_FALSE(outside.doc.GraphAt(0).HasValues());
        EXPECT_TRUE(outside.feedback.events.empty());
    }
    Sampled s;
    ASSERT_TRUE(s.Sample(s.AddArea(kEquation, "x^2+y^2-25", 0, 2, 2)));  // 5 x 5 nodes
    Texts perNode;  // every node of the 5 x 5 evaluated in turn
    for (int k = 0; k <= 25; ++k)
        perNode.push_back(std::to_string(4 * k) + "%");
    EXPECT_EQ(Shown(s.feedback), perNode);
}

}  // namespace
}  // namespace plotwise
