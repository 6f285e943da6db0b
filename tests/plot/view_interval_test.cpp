// The view interval commands' arithmetic: nice steps, widening, narrowing, moving, and the
// checks that refuse a new interval.
#include "plot/view_interval.h"

#include <gtest/gtest.h>

#include <cstring>

#include "formula/number_input.h"

namespace plotwise {
namespace {

using Change = IntervalChange;

TEST(NiceStepTest, TakesTheNearerOfTheHalvesAndTheFifths) {
    const struct {
        long double v, expected;
    } cases[] = {
        {3.33L, 3.4L}, {2.48L, 2.5L},   {7.76L, 7.8L},    {0.0224L, 0.022L},
        {2, 2},        {0.333L, 0.34L}, {248, 250},       {0.5L, 0.5L},
        {3, 3},        {9.9L, 10},      {1.1L, 1.2L},  // 1.0 and 1.2 tie: the fifth wins
        {1.25L, 1.2L}, {-3.33L, -3.4L}, {1e-30L, 1e-30L}, {0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(NiceStep(c.v), c.expected) << static_cast<double>(c.v);
}

OptionsRecord Interval(long double min, long double max, long double minY, long double maxY) {
    OptionsRecord o = StandardOptions();
    o.MinX = min;
    o.MaxX = max;
    o.MinY = minY;
    o.MaxY = maxY;
    for (Extended80* step : {&o.NumLinesX.Step, &o.NumLinesY.Step, &o.NumsX.Step, &o.NumsY.Step,
                             &o.StepHor, &o.StepVert})
        *step = 1.0L;
    return o;
}

OptionsRecord Interval(long double min, long double max) {
    return Interval(min, max, min, max);
}

TEST(ViewIntervalTest, ChangesMoveTheBoundsAndScaleTheSteps) {
    const struct {
        Change x, y;
        long double minX, maxX, minY, maxY, stepX, stepY;
    } cases[] = {
        {Change::Increase, Change::None, -20, 20, -10, 10, 2, 1},
        {Change::Reduce, Change::Reduce, -5, 5, -5, 5, 0.5L, 0.5L},
        {Change::TowardSmaller, Change::None, -20, 0, -10, 10, 1, 1},
        {Change::None, Change::TowardGreater, -10, 10, 0, 20, 1, 1},
        {Change::TowardGreater, Change::TowardSmaller, 0, 20, -20, 0, 1, 1},
    };
    for (const auto& c : cases) {
        OptionsRecord o = Interval(-10, 10);
        EXPECT_EQ(ChangeViewInterval(o, c.x, c.y), "");
        const long double got[] = {o.MinX, o.MaxX, o.MinY, o.MaxY};
        const long double want[] = {c.minX, c.maxX, c.minY, c.maxY};
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(got[i], want[i]) << i;
        for (const Extended80* s : {&o.NumLinesX.Step, &o.NumsX.Step, &o.StepVert})
            EXPECT_EQ(static_cast<long double>(*s), c.stepX);
        for (const Extended80* s : {&o.NumLinesY.Step, &o.NumsY.Step, &o.StepHor})
            EXPECT_EQ(static_cast<long double>(*s), c.stepY);
        EXPECT_EQ(static_cast<long double>(o.RadiusStep), 1.0L * Interval(-10, 10).RadiusStep);
    }
}

TEST(ViewIntervalTest, IncreaseThenReduceGivesBackTheSameBytes) {
    for (Change first : {Change::Increase, Change::Reduce}) {
        const OptionsRecord before = Interval(-3.7L, 12.1L);
        OptionsRecord o = before;
        ASSERT_EQ(ChangeViewInterval(o, first, first), "");
        const Change back = first == Change::Increase ? Change::Reduce : Change::Increase;
        ASSERT_EQ(ChangeViewInterval(o, back, back), "");
        EXPECT_EQ(std::memcmp(&o, &before, sizeof o), 0);
    }
}

TEST(ViewIntervalTest, RefusedIntervalsLeaveTheOptionsAlone) {
    const std::string log =
        "Too large value of the boundary of the interval\r(in view of the logarithmic scale)";
    const struct {
        OptionsRecord o;
        Change x, y;
        std::string message;
    } cases[] = {
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
    for (const auto& c : cases) {
        OptionsRecord o = c.o;
        EXPECT_EQ(ChangeViewInterval(o, c.x, c.y), c.message);
        EXPECT_EQ(std::memcmp(&o, &c.o, sizeof o), 0);
    }
    // A logarithmic X axis of base 10: 10^95 is allowed, 10^165 is not.
    OptionsRecord o = Interval(-10, 60);
    o.LogX = true;
    o.LogXBase = 10.0L;
    ASSERT_EQ(ChangeViewInterval(o, Change::Increase, Change::None), "");
    EXPECT_EQ(static_cast<long double>(o.MinX), -45);
    EXPECT_EQ(static_cast<long double>(o.MaxX), 95);
    EXPECT_EQ(ChangeViewInterval(o, Change::Increase, Change::None), log);
    EXPECT_EQ(static_cast<long double>(o.MaxX), 95);
    o.LogXBase = 1e11L;  // damaged: 10 itself is too far
    EXPECT_EQ(StandardIntervals(o), log);
    EXPECT_EQ(static_cast<long double>(o.MaxX), 95);
}

TEST(ViewIntervalTest, AMoveWhoseBoundsWouldRoundTogetherIsRefused) {
    // Y moves by half the width, here below the eighth digit of the bounds: kept to 8 digits,
    // the moved bounds can fall together.
    for (int k = 0; k < 50; ++k) {
        const long double max = RoundTo8(-760 + k * 0.00001L);
        OptionsRecord o = Interval(-10, 10, RoundTo8(max - 0.00001L), max);
        for (const Change c : {Change::TowardSmaller, Change::TowardGreater}) {
            for (int i = 0; i < 5; ++i) {
                const std::string failure = ChangeViewInterval(o, Change::None, c);
                if (!failure.empty()) {
                    EXPECT_EQ(failure, "Maximum of Y must be more\rthan minimum of Y");
                }
                ASSERT_LT(static_cast<long double>(o.MinY), static_cast<long double>(o.MaxY))
                    << k << ' ' << i;
            }
        }
    }
}

TEST(ViewIntervalTest, StandardIntervalsResetBoundsAndSteps) {
    OptionsRecord o = Interval(-3, 70);
    o.StepVert = 5.0L;
    o.NumsY.Step = 0.2L;
    ASSERT_EQ(StandardIntervals(o), "");
    const OptionsRecord standard = Interval(-10, 10);
    EXPECT_EQ(std::memcmp(&o, &standard, sizeof o), 0);
}

TEST(ViewIntervalTest, StepsStayWhenTheWidthRoundsToTheSameOrTheyWouldLeaveTheRange) {
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

TEST(ViewIntervalTest, MovesFollowTheAxisDirection) {
    EXPECT_EQ(MoveChange(true, true), Change::TowardGreater);
    EXPECT_EQ(MoveChange(true, false), Change::TowardSmaller);
    EXPECT_EQ(MoveChange(false, false), Change::TowardGreater);  // reversed: left grows X
    EXPECT_EQ(MoveChange(false, true), Change::TowardSmaller);
}

}  // namespace
}  // namespace plotwise
