#include "plot/new_graph.h"

#include <array>

namespace plotwise {

void SetNewProps(GraphRecord& props, const OptionsRecord& options) {
    const NewGraphDefaults& s = options.GraphDefaults;
    switch (props.Kind) {
        case kTable:
            ClearTable(props);
            props.SortType = s.SortType;
            return;
        case kYOfX:
            props.Interval() = s.YFromX;
            break;
        case kXOfY:
            props.Interval() = s.XFromY;
            break;
        case kPolarGraph:
            props.Interval() = s.Polar;
            break;
        case kParametric:
            props.FormulaY().SetText("");
            props.Interval() = s.Param;
            break;
        case kEquation:
        case kSlopeField:
            props.Relation() = 0;
            props.Area() = props.Kind == kEquation ? s.Equation : s.SlopeField;
            break;
        case kIntegralGraph:
            props.Relation() = 0;
            props.Integral() = s.Integral;
            break;
        default:
            break;
    }
    props.Formula().SetText("");
}

GraphRecord NewGraphRecord(const OptionsRecord& options) {
    const std::int32_t kind = options.GraphDefaults.Kind;
    return NewGraphRecordOfKind(
        kind >= kYOfX && kind <= kTable ? static_cast<std::uint8_t>(kind) : 0, "", options);
}

GraphRecord NewGraphRecordOfKind(std::uint8_t kind, const std::string& formula,
                                 const OptionsRecord& options) {
    GraphRecord props = EmptyGraphRecord();
    props.Kind = kind;
    SetStyle(props, options.GraphDefaults.Style);
    SetNewProps(props, options);
    if (!formula.empty()) props.Formula().SetText(formula);
    return props;
}

std::uint8_t NewGraphColor(const std::vector<std::uint8_t>& usedColors,
                           const OptionsRecord& options) {
    constexpr int kColors = 16;
    std::array<int, kColors> counts{};
    for (const std::uint8_t c : usedColors)
        if (c < kColors) ++counts[c];
    // A graph in the colour of what lies under it would not be seen.
    std::array<bool, kColors> hidden{};
    const auto hide = [&hidden](bool shown, std::int32_t color) {
        if (shown && color >= 0 && color < kColors) hidden[color] = true;
    };
    hide(true, options.BackColor);
    hide(options.DrawVertLines, options.VertColor);
    hide(options.DrawHorLines, options.HorColor);
    hide(options.DrawRadius, options.RadiusColor);
    hide(options.DrawAngle, options.AngleColor);
    hide(options.AxisX.Draw, options.AxisX.Color);
    hide(options.AxisY.Draw, options.AxisY.Color);
    const std::int32_t standard = options.GraphDefaults.Style.Color;
    std::int32_t result = standard;
    int best = 255;
    for (int k = 1; k <= kColors; ++k) {
        const int c = k % kColors;  // 1..15, then 0
        if (hidden[c]) continue;
        if (counts[c] < best || (counts[c] == best && c == standard)) {
            best = counts[c];
            result = c;
        }
    }
    return static_cast<std::uint8_t>(result);
}

}  // namespace plotwise
