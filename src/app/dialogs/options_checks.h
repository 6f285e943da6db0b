// The option dialogs without their widgets: the texts of their number fields filled from
// the options, checked in the order OK checks them, and stored back.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "options_record.h"

namespace plotwise {

// A rejected field: the message ("\r" breaks lines) and the field's index in its dialog's
// texts; the dialog knows the page.
struct TOptionsFailure {
    std::string Message;
    int Field;
};

// Plot Options: the number and integer fields.
enum TPlotField {
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
struct TPlotFields {
    std::array<std::string, kPlotFieldCount> Text;
    bool PointsAlign = false;
    bool LogX = false;
    bool LogY = false;
};
TPlotFields PlotFieldsOf(const TOptionsRecord& o);
std::optional<TOptionsFailure> CheckPlotFields(const TPlotFields& f);
void StorePlotFields(const TPlotFields& f, TOptionsRecord& o);

// Background Options: the four grid steps.
enum TGridField { gfStepHor, gfStepVert, gfRadiusStep, gfAngleStep, kGridFieldCount };
using TGridFields = std::array<std::string, kGridFieldCount>;
TGridFields GridFieldsOf(const TOptionsRecord& o);
std::optional<TOptionsFailure> CheckGridFields(const TGridFields& f);
void StoreGridFields(const TGridFields& f, TOptionsRecord& o);

// Axis Options: the steps and lengths of the marks and labels.
enum TMarksField {
    mfMarksStepX,
    mfMarksStepY,
    mfLengthX,
    mfLengthY,
    mfLabelsStepX,
    mfLabelsStepY,
    kMarksFieldCount
};
using TMarksFields = std::array<std::string, kMarksFieldCount>;
TMarksFields MarksFieldsOf(const TOptionsRecord& o);
std::optional<TOptionsFailure> CheckMarksFields(const TMarksFields& f);
void StoreMarksFields(const TMarksFields& f, TOptionsRecord& o);

// Plot Options with "Change Steps When Intervals Changed": the steps follow the change of
// the intervals from old to now.
void RescaleStepsToIntervals(TOptionsRecord& now, const TOptionsRecord& old);

}  // namespace plotwise
