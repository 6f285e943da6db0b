#include "graph_entry_text.h"

#include <cmath>

namespace plotwise {

int FilledTableRows(const TFunctionProps& props) {
    int n = 0;
    for (const TTableRow& row : props.Body.Table) {
        const long double x = row.X;
        const long double y = row.Y;
        if (std::isfinite(x) && std::isfinite(y)) ++n;
    }
    return n;
}

std::string GraphEntryText(const TFunctionProps& props) {
    const std::string formula = props.Formula().Text();
    switch (props.FuncStyle) {
        case fsYFromX:
            return "Y(x)=" + formula;
        case fsXFromY:
            return "X(y)=" + formula;
        case fsPolar:
            return "R(a)=" + formula;
        case fsParam:
            return "X(t)=" + formula + "; Y(t)=" + props.FormulaY().Text();
        case fsEquation: {
            static const char* const kRelations[] = {"=0", "<0", ">0"};
            return props.Relation() < 3 ? formula + kRelations[props.Relation()] : std::string();
        }
        case fsDifField:
        case fsIntegral: {
            static const char* const kRelations[] = {"dy/dx=", "dx/dy="};
            return props.Relation() < 2 ? kRelations[props.Relation()] + formula : std::string();
        }
        case fsTable: {
            const int n = FilledTableRows(props);
            return "Table: " + std::to_string(n) + (n == 1 ? " item" : " items");
        }
        default:
            return {};
    }
}

}  // namespace plotwise
