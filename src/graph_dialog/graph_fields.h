// The graph properties dialog without its widgets: the texts and choices of its fields,
// filled from a graph record, checked and stored back.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "formula/everyday_reader.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {

enum class GraphPage { Properties = 0, AddProperties = 1 };

// The field a rejected check points at. Min and Max are the argument interval of kinds 0
// to 3 and the X range of kinds 4 and 5; Steps is StepsNum, or StepsNumX of kinds 4, 5.
enum class GraphField {
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
struct StyleFields {
    bool Lines = true;
    bool Points = false;
    int LineWidthItem = 0;
    int PointWidthItem = 0;
    int PointStyle = 0;
    int Color = 0;
    int Brush = 0;
};

// Everything the user can change, as the controls hold it.
struct GraphFields {
    int Kind = kYOfX;  // kIntegralGraph (reserved) has no controls of its own
    std::string Formula;
    std::string FormulaY;  // the Y(t) edit, whatever the kind
    int Relation = 0;      // EquationComboBox or SlopeFieldComboBox
    std::array<std::array<std::string, 2>, kTableRows> Table;  // [row][0: X, 1: Y]

    bool IntervalChecked = false;  // "Interval" / "Intervals" (kinds 0, 1, 4, 5)
    bool StepsChecked = false;     // "Plot Parameters" (kinds 0 to 3)
    std::string Min, Max, MinY, MaxY;
    std::string Steps, StepsY, MaxGap, LinesLength;
    int SortType = 2;

    StyleFields Style;
    bool DrawGraphic = true;

    // The formula text taken along when the kind changes.
    std::string CarriedFormula;
};

struct GraphFieldFailure {
    std::string Message;  // "\r" breaks lines
    GraphPage Page;
    GraphField Field;
    int Row = -1;  // the table cell, for GraphField::Table
    int Column = -1;
    std::optional<TextSpot> Spot = std::nullopt;  // where in the formula its error is
};

// The choosers' items of a record's style; values no chooser offers (a damaged file) show as
// the nearest item.
StyleFields StyleFieldsOf(const GraphRecord& props);

// The fields of a record. Default intervals and steps show what they stand for in options.
GraphFields FieldsFromProps(const GraphRecord& props, const OptionsRecord& options);

// Unchecking "Interval"/"Intervals" or "Plot Parameters" puts the document's values in.
void UncheckInterval(GraphFields& fields, const OptionsRecord& options);
void UncheckSteps(GraphFields& fields, const OptionsRecord& options);

// A different kind: props gets the new kind's standard settings, the fields show them, and
// the formula text, the Y(t) text, the table cells and the style choices come along.
void ChangeKind(GraphFields& fields, GraphRecord& props, int kind, const OptionsRecord& options);

// What OK reads before it checks, in everyday notation: the current kind's formulas in the
// formula language, and its intervals and table cells that hold a formula as the value's
// number text. The first formula it cannot read stays as typed and is the failure returned.
std::optional<GraphFieldFailure> ReadNotation(GraphFields& fields, Notation notation);

// The first field that OK refuses, in the order the dialog checks them; none when all pass.
std::optional<GraphFieldFailure> CheckFields(const GraphFields& fields);

// Stores checked fields into props, whose kind is fields.Kind. Only the style and the
// fields of that kind are written: bytes that belong to other kinds stay as they are.
void StoreFields(const GraphFields& fields, GraphRecord& props);

}  // namespace plotwise
