// Sampling of implicit curves, inequalities and slope fields on their grids.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>
#include <vector>

#include "formula/compiled_formula.h"
#include "formula/extended.h"
#include "formula/round12.h"
#include "plot/document.h"
#include "plot/sample_buffer.h"
#include "plot_test_support.h"
#include "recording_feedback.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;
using testing_support::RecordingFeedback;

struct Grid {
    Document doc{StandardOptions()};
    RecordingFeedback feedback;
    Grid() { doc.Reporter = &feedback; }

    // An own area; kind 4 relation 0..2 or kind 5.
    Graph& Add(std::uint8_t kind, const char* formula, int relation, int nx, int ny,
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

TEST(EquationSampler, CircleIsAClosedPolygonNearTheRadius) {
    Grid g;
    Graph& circle = g.Add(kEquation, "x^2+y^2-25", 0, 50, 50);  // nodes 0.2 apart
    ASSERT_TRUE(g.Sample(circle));
    ASSERT_FALSE(circle.Values.empty());
    ASSERT_EQ(circle.Values.size() % 4, 0u);
    std::map<std::pair<long double, long double>, int> ends;
    std::vector<long double> angles;
    for (std::size_t k = 0; k < circle.Values.size(); k += 2) {
        const long double x = circle.Values[k];
        const long double y = circle.Values[k + 1];
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

TEST(EquationSampler, CrossingsInAxisUnits) {
    Grid g;
    g.doc.Options.CoeffX = 2;  // the formula sees 2x: the line x = 1 on the axis
    Graph& line = g.Add(kEquation, "x-2", 0, 10, 7);
    ASSERT_TRUE(g.Sample(line));
    ASSERT_FALSE(line.Values.empty());
    for (std::size_t k = 0; k < line.Values.size(); k += 2)
        EXPECT_NEAR(line.Values[k], 1, 1e-15L);
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
        Grid g;
        Graph& pair = g.Add(kEquation, c.formula, 0, c.nx, c.ny, -c.maxX, c.maxX, -c.maxY, c.maxY);
        ASSERT_TRUE(g.Sample(pair));
        int vertical = 0;
        int horizontal = 0;
        for (std::size_t k = 0; k < pair.Values.size(); k += 4) {
            vertical += pair.Values[k] == pair.Values[k + 2];
            horizontal += pair.Values[k + 1] == pair.Values[k + 3];
        }
        const bool joinsVertical = c.formula[0] == 'y';
        EXPECT_EQ(joinsVertical ? vertical : horizontal, 41) << c.formula;
        EXPECT_EQ(joinsVertical ? horizontal : vertical, 80) << c.formula;
        EXPECT_EQ(pair.Values.size(), 4u * 121) << c.formula;
    }
}

TEST(EquationSampler, ZerosOnTheNodesGiveTheLineWithoutEmptySegments) {
    Grid g;
    Graph& axis = g.Add(kEquation, "y", 0, 10, 10);  // a row of nodes lies on y = 0
    ASSERT_TRUE(g.Sample(axis));
    ASSERT_FALSE(axis.Values.empty());
    long double left = 10;
    long double right = -10;
    for (std::size_t k = 0; k < axis.Values.size(); k += 4) {
        EXPECT_EQ(axis.Values[k + 1], 0);
        EXPECT_EQ(axis.Values[k + 3], 0);
        EXPECT_NE(axis.Values[k], axis.Values[k + 2]);
        left = std::min({left, axis.Values[k], axis.Values[k + 2]});
        right = std::max({right, axis.Values[k], axis.Values[k + 2]});
    }
    EXPECT_EQ(left, -10);
    EXPECT_EQ(right, 10);
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
        Grid g;
        Graph& graph =
            g.Add(kEquation, c.formula, c.relation, c.nx, c.ny, c.minX, c.maxX, c.minY, c.maxY);
        ASSERT_TRUE(g.Sample(graph));
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
                if (c.formula[0] == 's' && i <= c.nx / 2) {
                    EXPECT_EQ(code, 0);
                }
            }
        }
        EXPECT_GT(refined, 0) << c.formula;
    }
}

TEST(InequalitySampler, HandComputedCodesAndTheRefinedBandWidening) {
    // clang-format off
    const struct {
        const char* formula; int nx, ny; long double maxX, maxY; std::vector<std::uint16_t> codes;
    } cases[] = {
        {"x-0.6", 2, 1, 2, 1, {0x00FF, 0}},  // sub-cell columns 1 and 2 of cell 1
        {"y-0.6", 1, 2, 1, 2, {0x3333, 0}},  // sub-cell rows 1 and 2
        // The middle cell is refined to a partial code, so its right neighbour is refined
        // too and shows the strip x > 2.8 that its centre missed.
        {"(x-1.3)*(2.8-x)", 3, 1, 3, 1, {0xFFFF, 0x000F, 0xF000}},
    };
    // clang-format on
    for (const auto& c : cases) {
        Grid g;
        Graph& graph = g.Add(kEquation, c.formula, 1, c.nx, c.ny, 0, c.maxX, 0, c.maxY);
        ASSERT_TRUE(g.Sample(graph));
        EXPECT_EQ(graph.CellCodes, c.codes) << c.formula;
    }
}

TEST(SlopeFieldSampler, ValuesAtCellCentresColumnByColumn) {
    Grid g;
    g.doc.Options.CoeffY = 10;  // the formula sees 10y
    Graph& field = g.Add(kSlopeField, "x+y", 0, 4, 2, 0, 4, 0, 2);
    ASSERT_TRUE(g.Sample(field));
    ASSERT_EQ(field.Values.size(), 8u);
    for (int i = 1; i <= 4; ++i) {
        for (int j = 1; j <= 2; ++j)
            EXPECT_EQ(field.Value(i, j, 2), (i - 0.5L) + 10 * (j - 0.5L)) << i << "," << j;
    }
}

TEST(GridSamplers, FailingFormulasAndInterruptions) {
    // clang-format off
    const struct { std::uint8_t kind; int relation; } kinds[] = {
        {kEquation, 0}, {kEquation, 1}, {kEquation, 2}, {kSlopeField, 0}};
    // clang-format on
    for (const auto& k : kinds) {
        Grid g;
        Graph& failing = g.Add(k.kind, "sqrt(-1-x^2-y^2)", k.relation, 20, 20);
        ASSERT_TRUE(g.Sample(failing));
        if (k.kind == kSlopeField) {
            EXPECT_EQ(failing.Values, std::vector<long double>(400, kNoPoint));
        } else {
            EXPECT_TRUE(failing.Values.empty());
            const std::vector<std::uint16_t> none(k.relation == 0 ? 0 : 400, 0);
            EXPECT_EQ(failing.CellCodes, none);
        }
        for (int poll : {1, 40, 80}) {  // Esc while evaluating and while refining or joining
            Grid h;
            Graph& graph = h.Add(k.kind, "x^2+y^2-25", k.relation, 40, 40);
            h.feedback.escAtPoll = poll;
            EXPECT_FALSE(h.Sample(graph)) << int(k.kind) << " " << k.relation << " " << poll;
            EXPECT_FALSE(graph.HasValues());
            EXPECT_EQ(h.feedback.events.back(), "idle");
        }
    }
}

TEST(GridSamplers, ProgressTextsAndAreasOutOfView) {
    Grid g;
    Graph& circle = g.Add(kEquation, "x^2+y^2-25", 0, 2, 2);  // 5 x 5 nodes
    ASSERT_TRUE(g.Sample(circle));
    std::vector<std::string> shown;
    for (const std::string& e : g.feedback.events) {
        if (e.rfind("0:Graph N 1: ", 0) == 0) shown.push_back(e.substr(13));
    }
    // Evaluation to 50 %, then counting and writing the segments.
    EXPECT_EQ(shown,
              (std::vector<std::string>{"0%", "10%", "20%", "30%", "40%", "55%", "60%", "65%",
                                        "70%", "75%", "80%", "85%", "90%", "95%", "100%"}));
    for (std::uint8_t kind : {kEquation, kSlopeField}) {
        Grid outside;
        Graph& graph = outside.Add(kind, "x+y", 1, 10, 10, 20, 30, -5, 5);
        ASSERT_TRUE(outside.Sample(graph));
        EXPECT_FALSE(graph.HasValues());
        EXPECT_TRUE(outside.feedback.events.empty());
    }
}

TEST(GridSamplers, SegmentListOutOfMemoryMidRun) {
    Grid g;
    Graph& circle = g.Add(kEquation, "0", 0, 3, 3);  // 7 x 7 nodes, every edge crossed
    {
        ScopedSampleMemoryLimit limit(7 * 7 * sizeof(long double));
        EXPECT_TRUE(g.Sample(circle));
    }
    EXPECT_FALSE(circle.HasValues());
    const std::vector<std::string> tail(g.feedback.events.end() - 6, g.feedback.events.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"0:Ready", "1:", "refresh", "idle", "refresh",
                                              "error:Not enough memory"}));
}

}  // namespace
}  // namespace plotwise
