#include "plot/graph.h"

#include <algorithm>
#include <cstring>

#include "formula/text_utils.h"
#include "plot/document.h"

namespace plotwise {
namespace {

bool FilledOrField(const GraphRecord& p) {
    return p.Kind == kEquation || p.Kind == kSlopeField;
}

bool ArgumentOnX(std::uint8_t kind) {
    return kind == kYOfX || kind == kEquation || kind == kSlopeField;
}
bool ArgumentOnY(std::uint8_t kind) {
    return kind == kXOfY || kind == kEquation || kind == kSlopeField;
}
bool UsesOwnInterval(std::uint8_t kind) {
    return kind == kPolarGraph || kind == kParametric;
}

// The own interval cut to the visible range, or the visible range itself.
long double CutMin(bool wholeRange, long double own, long double visible) {
    return wholeRange ? visible : std::max(own, visible);
}
long double CutMax(bool wholeRange, long double own, long double visible) {
    return wholeRange ? visible : std::min(own, visible);
}

bool WholeRange(const GraphRecord& p) {
    return p.Kind == kEquation || p.Kind == kSlopeField ? bool(p.Area().DefaultInterval)
                                                        : bool(p.Interval().DefaultInterval);
}

std::string FormulaKey(const String255& formula) {
    return UpperAscii(RemoveSpaces(formula.Text()));
}

}  // namespace

long double EffectiveMinX(const GraphRecord& p, const OptionsRecord& o) {
    if (UsesOwnInterval(p.Kind)) return p.Interval().Min;
    if (!ArgumentOnX(p.Kind)) return o.MinX;
    const long double own = p.Kind == kYOfX ? p.Interval().Min : p.Area().MinX;
    return CutMin(WholeRange(p), own, o.MinX);
}

long double EffectiveMaxX(const GraphRecord& p, const OptionsRecord& o) {
    if (UsesOwnInterval(p.Kind)) return p.Interval().Max;
    if (!ArgumentOnX(p.Kind)) return o.MaxX;
    const long double own = p.Kind == kYOfX ? p.Interval().Max : p.Area().MaxX;
    return CutMax(WholeRange(p), own, o.MaxX);
}

long double EffectiveMinY(const GraphRecord& p, const OptionsRecord& o) {
    if (!ArgumentOnY(p.Kind)) return o.MinY;
    const long double own = p.Kind == kXOfY ? p.Interval().Min : p.Area().MinY;
    return CutMin(WholeRange(p), own, o.MinY);
}

long double EffectiveMaxY(const GraphRecord& p, const OptionsRecord& o) {
    if (!ArgumentOnY(p.Kind)) return o.MaxY;
    const long double own = p.Kind == kXOfY ? p.Interval().Max : p.Area().MaxY;
    return CutMax(WholeRange(p), own, o.MaxY);
}

// Step counts are clamped where used: a record made in memory has not passed the checks.
int EffectiveStepsNum(const GraphRecord& p, const OptionsRecord& o) {
    const int steps = p.Kind <= kParametric && !p.Interval().DefaultSteps
                          ? static_cast<int>(p.Interval().StepsNum)
                          : static_cast<int>(o.StepsNum);
    return std::clamp(steps, 1, kMaxStepsNum);
}

int GridStepsX(const GraphRecord& p) {
    return std::clamp<int>(p.Area().StepsNumX, 1, p.Kind == kSlopeField ? 100 : 400);
}

int GridStepsY(const GraphRecord& p) {
    return std::clamp<int>(p.Area().StepsNumY, 1, p.Kind == kSlopeField ? 100 : 400);
}

int EffectiveMaxGap(const GraphRecord& p, const OptionsRecord& o) {
    if (p.Kind <= kParametric && !p.Interval().DefaultSteps) return p.Interval().MaxGap;
    if (p.Kind == kEquation) return p.Area().MaxGap;
    if (p.Kind == kTable) return 1000000;
    return o.MaxGap;
}

bool IsEmptyRecord(const GraphRecord& p) {
    if (p.Kind == kTable) return false;
    if (RemoveSpaces(p.Formula().Text()).empty()) return true;
    return p.Kind == kParametric && RemoveSpaces(p.FormulaY().Text()).empty();
}

bool ShowsLines(const GraphRecord& p) {
    return FilledOrField(p) || p.Lines;
}

bool ShowsPoints(const GraphRecord& p) {
    return !FilledOrField(p) && p.Points;
}

Graph::Graph(Document* owner, const GraphRecord& record)
    : Owner(owner), record_(record), charge_(owner != nullptr ? &owner->SampleMemory() : nullptr) {}

void Graph::ClearValues() {
    // Moved-from empty buffers: assigning {} would keep their capacity.
    Values = std::vector<long double>();
    CellCodes = std::vector<std::uint16_t>();
    Crossings = GridCrossings();
    Breaks = std::vector<int>();
    LastBeyondEnd = false;
    charge_.Set(0);
}

OptionsRecord Graph::Options() const {
    return Owner->Shown();
}

long double Graph::GetMinX() const {
    return EffectiveMinX(record_, Options());
}
long double Graph::GetMaxX() const {
    return EffectiveMaxX(record_, Options());
}
long double Graph::GetMinY() const {
    return EffectiveMinY(record_, Options());
}
long double Graph::GetMaxY() const {
    return EffectiveMaxY(record_, Options());
}
int Graph::GetStepsNum() const {
    return EffectiveStepsNum(record_, Options());
}
int Graph::GetMaxGap() const {
    return EffectiveMaxGap(record_, Options());
}

bool NeedsRecalcProps(const Graph& graph, const GraphRecord& props) {
    const GraphRecord& old = graph.Record();
    if (old.Kind != props.Kind) return true;
    const OptionsRecord& o = graph.Owner->Options;
    if (props.Kind == kTable) {
        return old.SortType != props.SortType ||
               std::memcmp(&old.Body.Table, &props.Body.Table, sizeof old.Body.Table) != 0;
    }
    if (FormulaKey(old.Formula()) != FormulaKey(props.Formula())) return true;
    if (props.Kind == kParametric && FormulaKey(old.FormulaY()) != FormulaKey(props.FormulaY())) {
        return true;
    }
    return EffectiveMinX(old, o) != EffectiveMinX(props, o) ||
           EffectiveMaxX(old, o) != EffectiveMaxX(props, o) ||
           EffectiveMinY(old, o) != EffectiveMinY(props, o) ||
           EffectiveMaxY(old, o) != EffectiveMaxY(props, o) ||
           EffectiveStepsNum(old, o) != EffectiveStepsNum(props, o) ||
           (props.Kind == kEquation && old.Relation() != props.Relation()) ||
           ((props.Kind == kEquation || props.Kind == kSlopeField) &&
            (old.Area().StepsNumX != props.Area().StepsNumX ||
             old.Area().StepsNumY != props.Area().StepsNumY));
}

}  // namespace plotwise
