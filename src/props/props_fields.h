// The graph properties dialog without its widgets: the texts and choices of its fields,
// filled from a graph record, checked and stored back.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "function_props.h"
#include "options_record.h"

namespace plotwise {

enum class TPropsPage { Properties = 0, AddProperties = 1 };

// The field a rejected check points at. Min and Max are the argument interval of kinds 0
// to 3 and the X range of kinds 4 and 5; Steps is StepsNum, or StepsNumX of kinds 4, 5.
enum class TPropsField {
    Formula,  // the kind's formula edit (kind 3: X(t))
    FormulaY,
    Table,
    Min,
    Max,
    MinY,
    MaxY,
    Steps,
    StepsY,
    MaxGap,
    LinesLength,
};

// The style choosers as items: thickness item = LineWidth - 1, size item = PointWidth div 2.
struct TStyleFields {
    bool Lines = true;
    bool Points = false;
    int LineWidthItem = 0;
    int PointWidthItem = 0;
    int PointStyle = 0;
    int Color = 0;
    int Brush = 0;
};

// Everything the user can change, as the controls hold it.
struct TPropsFields {
    int Kind = fsYFromX;  // fsIntegral (reserved) has no controls of its own
    std::string Formula;
    std::string FormulaY;  // the Y(t) edit, whatever the kind
    int Relation = 0;      // EquationComboBox or DifFieldComboBox
    std::array<std::array<std::string, 2>, kTableRows> Table;  // [row][0: X, 1: Y]

    bool IntervalChecked = false;  // "Interval" / "Intervals" (kinds 0, 1, 4, 5)
    bool StepsChecked = false;     // "Plot Parameters" (kinds 0 to 3)
    std::string Min, Max, MinY, MaxY;
    std::string Steps, StepsY, MaxGap, LinesLength;
    int SortType = 2;

    TStyleFields Style;
    bool DrawGraphic = true;

    // The formula text taken along when the kind changes.
    std::string CarriedFormula;
};

struct TPropsFailure {
    std::string Message;  // "\r" breaks lines
    TPropsPage Page;
    TPropsField Field;
    int Row = -1;  // the table cell, for TPropsField::Table
    int Column = -1;
};

// The choosers' items of a record's style; values no chooser offers (a damaged file) show as
// the nearest item.
TStyleFields StyleFieldsOf(const TFunctionProps& props);

// The argument letter of the interval texts: X, Y, A, T by kind; X for kinds 4 and 5.
char ArgumentLetter(int kind);

// The fields of a record. Default intervals and steps show what they stand for in options.
TPropsFields FieldsFromProps(const TFunctionProps& props, const TOptionsRecord& options);

// Unchecking "Interval"/"Intervals" or "Plot Parameters" puts the document's values in.
void UncheckInterval(TPropsFields& fields, const TOptionsRecord& options);
void UncheckSteps(TPropsFields& fields, const TOptionsRecord& options);

// A different kind: props gets the new kind's standard settings, the fields show them, and
// the formula text, the Y(t) text, the table cells and the style choices come along.
void ChangeKind(TPropsFields& fields, TFunctionProps& props, int kind,
                const TOptionsRecord& options);

// The first field that OK refuses, in the order the dialog checks them; none when all pass.
std::optional<TPropsFailure> CheckFields(const TPropsFields& fields);

// Stores checked fields into props, whose kind is fields.Kind. Only the style and the
// fields of that kind are written: bytes that belong to other kinds stay as they are.
void StoreFields(const TPropsFields& fields, TFunctionProps& props);

}  // namespace plotwise
