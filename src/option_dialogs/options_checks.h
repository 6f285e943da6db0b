// The option dialogs without their widgets: the texts of their number fields filled from
// the options, checked in the order OK checks them, and stored back.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "formula/everyday_reader.h"
#include "plot/options_record.h"

namespace plotwise {

// A rejected field: the message ("\r" breaks lines) and the field's index in its dialog's
// texts; the dialog knows the page.
struct OptionsFailure {
    std::string Message;
    int Field;
};

// Plot Options: the number and integer fields.
enum PlotField {
    pfMinX,
    pfMaxX,
    pfMinY,
    pfMaxY,
    pfCoeffX,
    pfCoeffY,
    pfSteps,
    pfMaxGap,
    pfBaseX,
    pfBaseY,
    kPlotFieldCount
};
struct PlotFields {
    std::array<std::string, kPlotFieldCount> Text;
    bool PointsAlign = false;
    bool LogX = false;
    bool LogY = false;
};
PlotFields PlotFieldsOf(const OptionsRecord& o);
std::optional<OptionsFailure> CheckPlotFields(const PlotFields& f);
void StorePlotFields(const PlotFields& f, OptionsRecord& o);

// Background Options: the four grid steps.
enum GridField { gfStepHor, gfStepVert, gfRadiusStep, gfAngleStep, kGridFieldCount };
using GridFields = std::array<std::string, kGridFieldCount>;
GridFields GridFieldsOf(const OptionsRecord& o);
std::optional<OptionsFailure> CheckGridFields(const GridFields& f);
void StoreGridFields(const GridFields& f, OptionsRecord& o);

// Axis Options: the steps and lengths of the marks and labels.
enum MarksField {
    mfMarksStepX,
    mfMarksStepY,
    mfLengthX,
    mfLengthY,
    mfLabelsStepX,
    mfLabelsStepY,
    kMarksFieldCount
};
using MarksFields = std::array<std::string, kMarksFieldCount>;
MarksFields MarksFieldsOf(const OptionsRecord& o);
std::optional<OptionsFailure> CheckMarksFields(const MarksFields& f);
void StoreMarksFields(const MarksFields& f, OptionsRecord& o);

// What OK reads before it checks, in everyday notation: each number field (not the integer
// ones) that holds a formula without variables becomes the value's number text.
void ReadNotation(PlotFields& f, Notation notation);
void ReadNotation(GridFields& f, Notation notation);
void ReadNotation(MarksFields& f, Notation notation);

// Plot Options with "Change Steps When Intervals Changed": the steps follow the change of
// the intervals from old to now.
void RescaleStepsToIntervals(OptionsRecord& now, const OptionsRecord& old);

}  // namespace plotwise
