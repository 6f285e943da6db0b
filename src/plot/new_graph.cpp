#include "new_graph.h"

#include <array>

namespace plotwise {

void SetNewProps(TFunctionProps& props, const TOptionsRecord& options) {
    const TStandartProps& s = options.StandartProps;
    switch (props.FuncStyle) {
        case fsTable:
            ClearTable(props);
            props.SortType = s.SortType;
            return;
        case fsYFromX:
            props.Interval() = s.YFromX;
            break;
        case fsXFromY:
            props.Interval() = s.XFromY;
            break;
        case fsPolar:
            props.Interval() = s.Polar;
            break;
        case fsParam:
            props.FormulaY().SetText("");
            props.Interval() = s.Param;
            break;
        case fsEquation:
        case fsDifField:
            props.Relation() = 0;
            props.Area() = props.FuncStyle == fsEquation ? s.Equation : s.DifField;
            break;
        case fsIntegral:
            props.Relation() = 0;
            props.Integral() = s.Integral;
            break;
        default:
            break;
    }
    props.Formula().SetText("");
}

TFunctionProps NewGraphRecord(const TOptionsRecord& options) {
    const std::int32_t kind = options.StandartProps.FuncStyle;
    return NewGraphRecordOfKind(
        kind >= fsYFromX && kind <= fsTable ? static_cast<std::uint8_t>(kind) : 0, "", options);
}

TFunctionProps NewGraphRecordOfKind(std::uint8_t kind, const std::string& formula,
                                    const TOptionsRecord& options) {
    TFunctionProps props = EmptyFunctionProps();
    props.FuncStyle = kind;
    SetStyle(props, options.StandartProps.Style);
    SetNewProps(props, options);
    if (!formula.empty()) props.Formula().SetText(formula);
    return props;
}

std::uint8_t NewGraphColor(const std::vector<std::uint8_t>& usedColors,
                           const TOptionsRecord& options) {
    constexpr int kColors = 16;
    std::array<int, kColors> counts{};
    for (const std::uint8_t c : usedColors)
        if (c < kColors) ++counts[c];
    const std::int32_t background = options.BackColor;
    const std::int32_t standard = options.StandartProps.Style.Color;
    std::int32_t result = standard;
    int best = 255;
    for (int k = 1; k <= kColors; ++k) {
        const int c = k % kColors;  // 1..15, then 0
        if (c == background) continue;
        if (counts[c] < best || (counts[c] == best && c == standard)) {
            best = counts[c];
            result = c;
        }
    }
    return static_cast<std::uint8_t>(result);
}

}  // namespace plotwise
