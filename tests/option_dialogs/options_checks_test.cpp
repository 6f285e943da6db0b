// The option dialogs' checks: each message in its order, with the field it points at.
#include "option_dialogs/options_checks.h"

#include <gtest/gtest.h>

#include <cstring>

namespace plotwise {
namespace {

OptionsRecord Standard() {
    OptionsRecord o = StandardOptions();
    o.MinX = o.MinY = -10.0L;
    o.MaxX = o.MaxY = 10.0L;
    return o;
}

TEST(OptionsChecksTest, PlotOptionsNameTheFirstBadField) {
    const std::string coefficient =
        "Coefficient must be a number\rfrom -1*10^50 up to 1*10^50 and unequal zero";
    const std::string base = "The logarithmic base must be\ra number from 1 up to 1000";
    const std::string log =
        "Too large value of the boundary of the interval\r(in view of the logarithmic scale)";
    const struct {
        int field;
        const char* text;
        std::string message;  // empty: accepted
        int failed = -1;      // the field named, when not the one edited
    } cases[] = {
        {pfMinX, "x", "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100"},
        {pfMaxX, "2*10^100", "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100"},
        {pfMaxX, "1*10^(-25)", "Maximum of X must be more\rthan minimum of X"},
        {pfMinY, "11", "Maximum of Y must be more\rthan minimum of Y", pfMaxY},
        {pfCoeffX, "0", coefficient},
        {pfCoeffY, "-1*10^50", ""},
        {pfCoeffY, "2*10^50", coefficient},
        {pfSteps, " 20000 ", ""},
        {pfSteps, "20001", "Number of steps must be a\rpositive integer up to 20000"},
        {pfSteps, "0", "Number of steps must be a\rpositive integer up to 20000"},
        {pfMaxGap, "1000001", "Maximum gap must be a positive\rinteger up to 1000000"},
        {pfBaseX, "1", base},
        {pfBaseX, "1000", ""},
        {pfBaseY, "-5", base},
    };
    for (const auto& c : cases) {
        PlotFields f = PlotFieldsOf(Standard());
        if (c.field == pfMaxX) f.Text[pfMinX] = "0";
        f.Text[c.field] = c.text;
        const auto failure = CheckPlotFields(f);
        if (c.message.empty()) {
            EXPECT_FALSE(failure) << c.text;
            continue;
        }
        ASSERT_TRUE(failure) << c.text;
        EXPECT_EQ(failure->Message, c.message);
        EXPECT_EQ(failure->Field, c.failed >= 0 ? c.failed : c.field) << c.text;
    }
    // The bound of a logarithmic scale, only while the scale is on.
    PlotFields f = PlotFieldsOf(Standard());
    f.Text[pfMaxX] = "200";
    f.Text[pfBaseX] = "10";
    EXPECT_FALSE(CheckPlotFields(f));
    f.LogX = true;
    const auto failure = CheckPlotFields(f);
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->Message, log);
    EXPECT_EQ(failure->Field, pfMaxX);
}

TEST(OptionsChecksTest, GridAndMarksStepsAndLengths) {
    const std::string grid = "The step of grid lines must be\ra positive number up to 1*10^100";
    const std::string angle = "The step of grid lines must be\ra positive number up to 2*Pi";
    const struct {
        int field;
        const char* text;
        std::string message;
    } gridCases[] = {
        {gfStepHor, "0", grid},      {gfRadiusStep, "2*10^100", grid}, {gfAngleStep, "2", ""},
        {gfAngleStep, "2.5", angle}, {gfStepVert, "-1", grid},
    };
    for (const auto& c : gridCases) {
        GridFields f = GridFieldsOf(Standard());
        f[c.field] = c.text;
        const auto failure = CheckGridFields(f);
        EXPECT_EQ(failure ? failure->Message : "", c.message) << c.text;
        if (failure) {
            EXPECT_EQ(failure->Field, c.field);
        }
    }
    const struct {
        int field;
        const char* text;
        std::string message;
    } marksCases[] = {
        {mfMarksStepY, "0", "The step of marks must be\ra positive number up to 1*10^100"},
        {mfLengthX, "11", "Marks length must be\ra natural number up to 10"},
        {mfLengthY, "10", ""},
        {mfLabelsStepX, "a", "The step of labels must be\ra positive number up to 1*10^100"},
    };
    for (const auto& c : marksCases) {
        MarksFields f = MarksFieldsOf(Standard());
        f[c.field] = c.text;
        const auto failure = CheckMarksFields(f);
        EXPECT_EQ(failure ? failure->Message : "", c.message) << c.text;
        if (failure) {
            EXPECT_EQ(failure->Field, c.field);
        }
    }
}

TEST(OptionsChecksTest, StoringUnchangedFieldsKeepsEveryByte) {
    OptionsRecord o = Standard();
    o.MinX = 0.1L;
    o.StepVert = 0.3L;
    o.LogX.byte = 7;  // a true byte other than 1, as a file may hold
    const OptionsRecord before = o;
    StorePlotFields(PlotFieldsOf(o), o);
    StoreGridFields(GridFieldsOf(o), o);
    StoreMarksFields(MarksFieldsOf(o), o);
    EXPECT_EQ(std::memcmp(&o, &before, sizeof o), 0);
}

TEST(OptionsChecksTest, ChangedIntervalsScaleTheSteps) {
    const OptionsRecord old = Standard();
    OptionsRecord now = old;
    now.MinX = -100.0L;
    now.MaxX = 100.0L;
    RescaleStepsToIntervals(now, old);
    EXPECT_EQ(static_cast<long double>(now.NumsX.Step), 10 * old.NumsX.Step);
    EXPECT_EQ(static_cast<long double>(now.StepVert), 10 * old.StepVert);
    EXPECT_EQ(std::memcmp(&now.NumsY, &old.NumsY, sizeof now.NumsY), 0);
}

}  // namespace
}  // namespace plotwise
