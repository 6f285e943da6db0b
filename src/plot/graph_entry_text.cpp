#include "plot/graph_entry_text.h"

#include <cmath>

namespace plotwise {

int FilledTableRows(const GraphRecord& props) {
    int n = 0;
    for (const TableRow& row : props.Body.Table) {
        const long double x = row.X;
        const long double y = row.Y;
        if (std::isfinite(x) && std::isfinite(y)) ++n;
    }
    return n;
}

std::string GraphEntryText(const GraphRecord& props) {
    const std::string formula = props.Formula().Text();
    switch (props.Kind) {
        case kYOfX:
            return "Y(x)=" + formula;
        case kXOfY:
            return "X(y)=" + formula;
        case kPolarGraph:
            return "R(a)=" + formula;
        case kParametric:
            return "X(t)=" + formula + "; Y(t)=" + props.FormulaY().Text();
        case kEquation: {
            static const char* const kRelations[] = {"=0", "<0", ">0"};
            return props.Relation() < 3 ? formula + kRelations[props.Relation()] : std::string();
        }
        case kSlopeField:
        case kIntegralGraph: {
            static const char* const kRelations[] = {"dy/dx=", "dx/dy="};
            return props.Relation() < 2 ? kRelations[props.Relation()] + formula : std::string();
        }
        case kTable: {
            const int n = FilledTableRows(props);
            return "Table: " + std::to_string(n) + (n == 1 ? " item" : " items");
        }
        default:
            return {};
    }
}

}  // namespace plotwise
