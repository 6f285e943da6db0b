#include "graph_dialog/graph_fields.h"

#include <algorithm>
#include <cmath>

#include "formula/check_formula.h"
#include "formula/everyday_reader.h"
#include "formula/formula_errors.h"
#include "formula/number_input.h"
#include "formula/number_text.h"
#include "formula/text_utils.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

constexpr const char* kLimitText = "1*10^100";

bool HasOwnFormula(int kind) {
    return kind >= kYOfX && kind <= kSlopeField;
}

bool IsIntervalKind(int kind) {
    return kind >= kYOfX && kind <= kParametric;
}

bool IsAreaKind(int kind) {
    return kind == kEquation || kind == kSlopeField;
}

std::string IntText(std::int32_t value) {
    return std::to_string(value);
}

void ShowXRange(GraphFields& f, const OptionsRecord& options) {
    f.Min = NumToStr(options.MinX);
    f.Max = NumToStr(options.MaxX);
}

void ShowYRange(GraphFields& f, const OptionsRecord& options, bool asArgument) {
    (asArgument ? f.Min : f.MinY) = NumToStr(options.MinY);
    (asArgument ? f.Max : f.MaxY) = NumToStr(options.MaxY);
}

void FillAddProperties(GraphFields& f, const GraphRecord& props, const OptionsRecord& options) {
    if (IsIntervalKind(f.Kind)) {
        const GraphInterval& in = props.Interval();
        f.IntervalChecked = !in.DefaultInterval;
        f.StepsChecked = !in.DefaultSteps;
        // Polar and parametric intervals have no default: they always show their own.
        if (in.DefaultInterval && f.Kind == kYOfX) {
            ShowXRange(f, options);
        } else if (in.DefaultInterval && f.Kind == kXOfY) {
            ShowYRange(f, options, true);
        } else {
            f.Min = NumToStr(in.Min);
            f.Max = NumToStr(in.Max);
        }
        f.Steps = IntText(in.DefaultSteps ? options.StepsNum : in.StepsNum);
        f.MaxGap = IntText(in.DefaultSteps ? options.MaxGap : in.MaxGap);
    } else if (IsAreaKind(f.Kind)) {
        const GraphArea& a = props.Area();
        f.IntervalChecked = !a.DefaultInterval;
        if (a.DefaultInterval) {
            ShowXRange(f, options);
            ShowYRange(f, options, false);
        } else {
            f.Min = NumToStr(a.MinX);
            f.Max = NumToStr(a.MaxX);
            f.MinY = NumToStr(a.MinY);
            f.MaxY = NumToStr(a.MaxY);
        }
        f.Steps = IntText(a.StepsNumX);
        f.StepsY = IntText(a.StepsNumY);
        (f.Kind == kEquation ? f.MaxGap : f.LinesLength) = IntText(a.MaxGap);
    } else if (f.Kind == kTable) {
        f.SortType = props.SortType;
    }
}

std::string BoundMessage(bool minimum, char letter, const std::string& unit) {
    return std::string(minimum ? "Minimum of " : "Maximum of ") + letter + " must be a number\r" +
           "from -" + kLimitText + unit + " up to " + kLimitText + unit;
}

std::string OrderMessage(char letter) {
    return std::string("Maximum of ") + letter + " must be more\r" + "than minimum of " + letter;
}

GraphFieldFailure AddPropertiesFailure(std::string message, GraphField field) {
    return {std::move(message), GraphPage::AddProperties, field};
}

// Minimum, maximum and their order; the fields are min and max of one axis.
std::optional<GraphFieldFailure> CheckRange(const std::string& minText, const std::string& maxText,
                                            char letter, const std::string& unit,
                                            GraphField minField, GraphField maxField) {
    long double low = 0;
    long double high = 0;
    if (!ReadFieldNumber(minText, low)) {
        return AddPropertiesFailure(BoundMessage(true, letter, unit), minField);
    }
    if (!ReadFieldNumber(maxText, high)) {
        return AddPropertiesFailure(BoundMessage(false, letter, unit), maxField);
    }
    if (high <= low) return AddPropertiesFailure(OrderMessage(letter), maxField);
    return std::nullopt;
}

std::optional<GraphFieldFailure> CheckFormulas(const GraphFields& f) {
    auto failure = [](FormulaError error, GraphField field) -> std::optional<GraphFieldFailure> {
        if (error == FormulaError::None) return std::nullopt;
        return GraphFieldFailure{FormulaErrorText(error), GraphPage::Properties, field};
    };
    if (IsAreaKind(f.Kind))
        return failure(CheckFormula2Var(f.Formula, "X", "Y"), GraphField::Formula);
    if (!IsIntervalKind(f.Kind)) return std::nullopt;
    const std::string name(1, KindVariable(f.Kind));
    if (auto formula = failure(CheckFormula(f.Formula, name), GraphField::Formula)) return formula;
    if (f.Kind != kParametric) return std::nullopt;
    return failure(CheckFormula(f.FormulaY, name), GraphField::FormulaY);
}

std::optional<GraphFieldFailure> CheckTable(const GraphFields& f) {
    for (int row = 0; row < kTableRows; ++row) {
        for (int column = 0; column < 2; ++column) {
            const std::string& text = f.Table[row][column];
            long double value = 0;
            if (TrimControls(text).empty() || ReadFieldNumber(text, value)) continue;
            return GraphFieldFailure{"Numbers in table must be from -1*10^100 to 1*10^100",
                                     GraphPage::Properties, GraphField::Table, row, column};
        }
    }
    return std::nullopt;
}

std::optional<GraphFieldFailure> CheckIntervalKind(const GraphFields& f) {
    const std::string unit = f.Kind == kPolarGraph ? "Pi" : "";
    if (auto failure = CheckRange(f.Min, f.Max, KindVariable(f.Kind), unit, GraphField::Min,
                                  GraphField::Max)) {
        return failure;
    }
    if (!ReadIntegerInRange(f.Steps, 1, 20000)) {
        return AddPropertiesFailure("Number of steps must be a\rpositive integer up to 20000",
                                    GraphField::Steps);
    }
    if (!ReadIntegerInRange(f.MaxGap, 1, 1000000)) {
        return AddPropertiesFailure("Maximum gap must be a\rpositive integer up to 1000000",
                                    GraphField::MaxGap);
    }
    return std::nullopt;
}

std::optional<GraphFieldFailure> CheckAreaKind(const GraphFields& f) {
    if (auto failure = CheckRange(f.Min, f.Max, 'X', "", GraphField::Min, GraphField::Max)) {
        return failure;
    }
    if (auto failure = CheckRange(f.MinY, f.MaxY, 'Y', "", GraphField::MinY, GraphField::MaxY)) {
        return failure;
    }
    const bool equation = f.Kind == kEquation;
    const long long low = equation ? 10 : 2;
    const long long high = equation ? 400 : 100;
    const std::string stepsMessage =
        equation ? "Number of steps must be an\rinteger from 10 up to 400"
                 : "Number of serieses must be\ran integer from 2 up to 100";
    if (!ReadIntegerInRange(f.Steps, low, high)) {
        return AddPropertiesFailure(stepsMessage, GraphField::Steps);
    }
    if (!ReadIntegerInRange(f.StepsY, low, high)) {
        return AddPropertiesFailure(stepsMessage, GraphField::StepsY);
    }
    if (equation && !ReadIntegerInRange(f.MaxGap, 1, 1000000)) {
        return AddPropertiesFailure("Maximum gap must be a\rpositive integer up to 1000000",
                                    GraphField::MaxGap);
    }
    if (!equation && !ReadIntegerInRange(f.LinesLength, 4, 100)) {
        return AddPropertiesFailure("Line length must be\ran integer from 4 up to 100",
                                    GraphField::LinesLength);
    }
    return std::nullopt;
}

}  // namespace

StyleFields StyleFieldsOf(const GraphRecord& props) {
    // A record from a file may hold values no chooser offers; show the nearest item.
    StyleFields s;
    s.Lines = props.Lines;
    s.Points = props.Points;
    // In 64 bits: a damaged width may be any 32-bit value.
    s.LineWidthItem = static_cast<int>(std::clamp<long long>(props.LineWidth - 1LL, 0, 4));
    s.PointWidthItem = std::clamp<int>(props.PointWidth / 2, 0, 5);
    s.PointStyle = std::clamp<int>(props.PointStyle, 0, 7);
    s.Color = std::clamp<int>(props.Color, 0, 15);
    s.Brush = std::clamp<int>(props.Brush, 0, 6);
    return s;
}

GraphFields FieldsFromProps(const GraphRecord& props, const OptionsRecord& options) {
    GraphFields f;
    f.Kind = props.Kind;
    if (HasOwnFormula(f.Kind)) f.Formula = props.Formula().Text();
    if (f.Kind == kParametric) f.FormulaY = props.FormulaY().Text();
    if (IsAreaKind(f.Kind)) f.Relation = props.Relation();
    if (f.Kind == kTable) {
        for (int row = 0; row < kTableRows; ++row) {
            const long double cells[2] = {props.Body.Table[row].X, props.Body.Table[row].Y};
            for (int column = 0; column < 2; ++column) {
                if (RoundTo8(cells[column]) != kNoPoint) {
                    f.Table[row][column] = NumToStr(cells[column]);
                }
            }
        }
    }
    FillAddProperties(f, props, options);
    f.Style = StyleFieldsOf(props);
    f.DrawGraphic = props.DrawGraphic;
    return f;
}

void UncheckInterval(GraphFields& fields, const OptionsRecord& options) {
    fields.IntervalChecked = false;
    if (fields.Kind == kYOfX) {
        ShowXRange(fields, options);
    } else if (fields.Kind == kXOfY) {
        ShowYRange(fields, options, true);
    } else if (IsAreaKind(fields.Kind)) {
        ShowXRange(fields, options);
        ShowYRange(fields, options, false);
    }
}

void UncheckSteps(GraphFields& fields, const OptionsRecord& options) {
    fields.StepsChecked = false;
    if (!IsIntervalKind(fields.Kind)) return;
    fields.Steps = IntText(options.StepsNum);
    fields.MaxGap = IntText(options.MaxGap);
}

void ChangeKind(GraphFields& fields, GraphRecord& props, int kind, const OptionsRecord& options) {
    if (kind == fields.Kind) return;
    if (HasOwnFormula(fields.Kind)) fields.CarriedFormula = fields.Formula;
    props.Kind = static_cast<std::uint8_t>(kind);
    SetNewProps(props, options);
    GraphFields fresh = FieldsFromProps(props, options);
    if (HasOwnFormula(kind)) fresh.Formula = fields.CarriedFormula;
    fresh.FormulaY = std::move(fields.FormulaY);
    fresh.Table = std::move(fields.Table);
    // What the user chose in the style group stays, not what the record held.
    fresh.Style = fields.Style;
    fresh.DrawGraphic = fields.DrawGraphic;
    fresh.CarriedFormula = std::move(fields.CarriedFormula);
    fields = std::move(fresh);
}

std::optional<GraphFieldFailure> ReadNotation(GraphFields& f, Notation notation) {
    if (notation == Notation::Strict) return std::nullopt;
    std::optional<GraphFieldFailure> failure;
    const auto formula = [&](std::string& text, const FormulaField& field, GraphField which) {
        FormulaReading read = ReadFormula(text, field, notation);
        if (read.Ok()) {
            text = std::move(read.text);
        } else if (!failure) {
            failure = GraphFieldFailure{ReadingMessage(read), GraphPage::Properties, which};
            failure->Spot = read.spot;
        }
    };
    // Each kind's formula may start with the name of what it gives: y=, x=, r=.
    static constexpr char kResults[] = {'y', 'x', 'r', 'x'};
    if (IsAreaKind(f.Kind)) {
        formula(f.Formula, {{"X", "Y"}}, GraphField::Formula);
    } else if (IsIntervalKind(f.Kind)) {
        const std::string name(1, KindVariable(f.Kind));
        formula(f.Formula, {{name}, kResults[f.Kind]}, GraphField::Formula);
        if (f.Kind == kParametric) formula(f.FormulaY, {{name}, 'y'}, GraphField::FormulaY);
    }
    std::vector<std::string*> numbers;
    if (IsIntervalKind(f.Kind)) numbers = {&f.Min, &f.Max};
    if (IsAreaKind(f.Kind)) numbers = {&f.Min, &f.Max, &f.MinY, &f.MaxY};
    if (f.Kind == kTable) {
        for (auto& row : f.Table)
            numbers.insert(numbers.end(), {&row[0], &row[1]});
    }
    for (std::string* text : numbers)
        *text = ReadNumberText(*text, notation);
    return failure;
}

std::optional<GraphFieldFailure> CheckFields(const GraphFields& fields) {
    if (auto failure = CheckFormulas(fields)) return failure;
    if (fields.Kind == kTable) return CheckTable(fields);
    if (IsIntervalKind(fields.Kind)) return CheckIntervalKind(fields);
    if (IsAreaKind(fields.Kind)) return CheckAreaKind(fields);
    return std::nullopt;
}

void StoreFields(const GraphFields& fields, GraphRecord& props) {
    const StyleFields& s = fields.Style;
    UpdateField(props.Lines, s.Lines);
    UpdateField(props.Points, s.Points);
    UpdateField(props.DrawGraphic, fields.DrawGraphic);
    UpdateField(props.LineWidth, std::int32_t{s.LineWidthItem + 1});
    UpdateField(props.PointWidth, std::int32_t{s.PointWidthItem * 2 + 1});
    UpdateField(props.PointStyle, static_cast<std::uint8_t>(s.PointStyle));
    UpdateField(props.Color, static_cast<std::uint8_t>(s.Color));
    UpdateField(props.Brush, static_cast<std::uint8_t>(s.Brush));

    const int kind = fields.Kind;
    if (HasOwnFormula(kind)) UpdateField(props.Formula(), fields.Formula);
    if (IsIntervalKind(kind)) {
        // FormulaY shares its bytes with the interval of kinds 0 to 2: kind 3 only.
        if (kind == kParametric) UpdateField(props.FormulaY(), fields.FormulaY);
        GraphInterval& in = props.Interval();
        UpdateField(in.Min, StrToNumRounded(fields.Min));
        UpdateField(in.Max, StrToNumRounded(fields.Max));
        UpdateField(in.StepsNum, IntegerField(fields.Steps));
        UpdateField(in.MaxGap, IntegerField(fields.MaxGap));
        UpdateField(in.DefaultSteps, !fields.StepsChecked);
        if (kind == kYOfX || kind == kXOfY)
            UpdateField(in.DefaultInterval, !fields.IntervalChecked);
    } else if (IsAreaKind(kind)) {
        UpdateField(props.Relation(), static_cast<std::uint8_t>(fields.Relation));
        GraphArea& a = props.Area();
        UpdateField(a.DefaultInterval, !fields.IntervalChecked);
        UpdateField(a.MinX, StrToNumRounded(fields.Min));
        UpdateField(a.MaxX, StrToNumRounded(fields.Max));
        UpdateField(a.MinY, StrToNumRounded(fields.MinY));
        UpdateField(a.MaxY, StrToNumRounded(fields.MaxY));
        UpdateField(a.StepsNumX, IntegerField(fields.Steps));
        UpdateField(a.StepsNumY, IntegerField(fields.StepsY));
        UpdateField(a.MaxGap, IntegerField(kind == kEquation ? fields.MaxGap : fields.LinesLength));
    } else if (kind == kTable) {
        for (int row = 0; row < kTableRows; ++row) {
            Extended80* cells[2] = {&props.Body.Table[row].X, &props.Body.Table[row].Y};
            for (int column = 0; column < 2; ++column) {
                const std::string& text = fields.Table[row][column];
                UpdateField(*cells[column],
                            TrimControls(text).empty() ? kNoPoint : StrToNumRounded(text));
            }
        }
        UpdateField(props.SortType, static_cast<std::uint8_t>(fields.SortType));
    }
}

}  // namespace plotwise
