#include "function.h"

#include <algorithm>
#include <cstring>

#include "graphics_manager.h"
#include "text_utils.h"

namespace plotwise {
namespace {

bool FilledOrField(const TFunctionProps& p) {
    return p.FuncStyle == fsEquation || p.FuncStyle == fsDifField;
}

bool ArgumentOnX(std::uint8_t kind) {
    return kind == fsYFromX || kind == fsEquation || kind == fsDifField;
}
bool ArgumentOnY(std::uint8_t kind) {
    return kind == fsXFromY || kind == fsEquation || kind == fsDifField;
}
bool UsesOwnInterval(std::uint8_t kind) {
    return kind == fsPolar || kind == fsParam;
}

// The own interval cut to the visible range, or the visible range itself.
long double CutMin(bool wholeRange, long double own, long double visible) {
    return wholeRange ? visible : std::max(own, visible);
}
long double CutMax(bool wholeRange, long double own, long double visible) {
    return wholeRange ? visible : std::min(own, visible);
}

bool WholeRange(const TFunctionProps& p) {
    return p.FuncStyle == fsEquation || p.FuncStyle == fsDifField
               ? bool(p.Area().DefaultInterval)
               : bool(p.Interval().DefaultInterval);
}

std::string FormulaKey(const String255& formula) {
    return UpperAscii(RemoveSpaces(formula.Text()));
}

}  // namespace

long double EffectiveMinX(const TFunctionProps& p, const TOptionsRecord& o) {
    if (UsesOwnInterval(p.FuncStyle)) return p.Interval().Min;
    if (!ArgumentOnX(p.FuncStyle)) return o.MinX;
    const long double own = p.FuncStyle == fsYFromX ? p.Interval().Min : p.Area().MinX;
    return CutMin(WholeRange(p), own, o.MinX);
}

long double EffectiveMaxX(const TFunctionProps& p, const TOptionsRecord& o) {
    if (UsesOwnInterval(p.FuncStyle)) return p.Interval().Max;
    if (!ArgumentOnX(p.FuncStyle)) return o.MaxX;
    const long double own = p.FuncStyle == fsYFromX ? p.Interval().Max : p.Area().MaxX;
    return CutMax(WholeRange(p), own, o.MaxX);
}

long double EffectiveMinY(const TFunctionProps& p, const TOptionsRecord& o) {
    if (!ArgumentOnY(p.FuncStyle)) return o.MinY;
    const long double own = p.FuncStyle == fsXFromY ? p.Interval().Min : p.Area().MinY;
    return CutMin(WholeRange(p), own, o.MinY);
}

long double EffectiveMaxY(const TFunctionProps& p, const TOptionsRecord& o) {
    if (!ArgumentOnY(p.FuncStyle)) return o.MaxY;
    const long double own = p.FuncStyle == fsXFromY ? p.Interval().Max : p.Area().MaxY;
    return CutMax(WholeRange(p), own, o.MaxY);
}

// Step counts are clamped where used: a record made in memory has not passed the checks.
int EffectiveStepsNum(const TFunctionProps& p, const TOptionsRecord& o) {
    const int steps = p.FuncStyle <= fsParam && !p.Interval().DefaultSteps
                          ? static_cast<int>(p.Interval().StepsNum)
                          : static_cast<int>(o.StepsNum);
    return std::clamp(steps, 1, kMaxStepsNum);
}

int GridStepsX(const TFunctionProps& p) {
    return std::clamp<int>(p.Area().StepsNumX, 1, p.FuncStyle == fsDifField ? 100 : 400);
}

int GridStepsY(const TFunctionProps& p) {
    return std::clamp<int>(p.Area().StepsNumY, 1, p.FuncStyle == fsDifField ? 100 : 400);
}

int EffectiveMaxGap(const TFunctionProps& p, const TOptionsRecord& o) {
    if (p.FuncStyle <= fsParam && !p.Interval().DefaultSteps) return p.Interval().MaxGap;
    if (p.FuncStyle == fsEquation) return p.Area().MaxGap;
    if (p.FuncStyle == fsTable) return 1000000;
    return o.MaxGap;
}

bool IsEmptyRecord(const TFunctionProps& p) {
    if (p.FuncStyle == fsTable) return false;
    if (RemoveSpaces(p.Formula().Text()).empty()) return true;
    return p.FuncStyle == fsParam && RemoveSpaces(p.FormulaY().Text()).empty();
}

bool ShowsLines(const TFunctionProps& p) {
    return FilledOrField(p) || p.Lines;
}

bool ShowsPoints(const TFunctionProps& p) {
    return !FilledOrField(p) && p.Points;
}

void TFunction::ClearValues() {
    Values.clear();
    Values.shrink_to_fit();
    CellCodes.clear();
    CellCodes.shrink_to_fit();
    LastBeyondEnd = false;
}

const TOptionsRecord& TFunction::Options() const {
    return Owner->Options;
}

long double TFunction::GetMinX() const {
    return EffectiveMinX(Props, Options());
}
long double TFunction::GetMaxX() const {
    return EffectiveMaxX(Props, Options());
}
long double TFunction::GetMinY() const {
    return EffectiveMinY(Props, Options());
}
long double TFunction::GetMaxY() const {
    return EffectiveMaxY(Props, Options());
}
int TFunction::GetStepsNum() const {
    return EffectiveStepsNum(Props, Options());
}
int TFunction::GetMaxGap() const {
    return EffectiveMaxGap(Props, Options());
}

bool NeedsRecalcProps(const TFunction& graph, const TFunctionProps& props) {
    const TFunctionProps& old = graph.Props;
    if (old.FuncStyle != props.FuncStyle) return true;
    const TOptionsRecord& o = graph.Owner->Options;
    if (props.FuncStyle == fsTable) {
        return old.SortType != props.SortType ||
               std::memcmp(&old.Body.Table, &props.Body.Table, sizeof old.Body.Table) != 0;
    }
    if (FormulaKey(old.Formula()) != FormulaKey(props.Formula())) return true;
    if (props.FuncStyle == fsParam && FormulaKey(old.FormulaY()) != FormulaKey(props.FormulaY())) {
        return true;
    }
    return EffectiveMinX(old, o) != EffectiveMinX(props, o) ||
           EffectiveMaxX(old, o) != EffectiveMaxX(props, o) ||
           EffectiveMinY(old, o) != EffectiveMinY(props, o) ||
           EffectiveMaxY(old, o) != EffectiveMaxY(props, o) ||
           EffectiveStepsNum(old, o) != EffectiveStepsNum(props, o) ||
           (props.FuncStyle == fsEquation && old.Relation() != props.Relation()) ||
           ((props.FuncStyle == fsEquation || props.FuncStyle == fsDifField) &&
            (old.Area().StepsNumX != props.Area().StepsNumX ||
             old.Area().StepsNumY != props.Area().StepsNumY));
}

}  // namespace plotwise
