// What the grid samplers share: the rectangle they cover and the formula evaluated at
// points of it.
#pragma once

#include <cstdint>
#include <string>

#include "formula/compiled_formula.h"
#include "plot/graph.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "plot/record_types.h"

namespace plotwise {

// The graph's area cut to the visible range; an area wholly outside it along an axis
// collapses to its start there.
struct GridArea {
    long double xStart = 0;
    long double xEnd = 0;
    long double yStart = 0;
    long double yEnd = 0;

    // Whether there is anything to compute: both sides finite and different in 12 digits.
    bool Usable() const;
};

GridArea GridAreaOf(const GraphRecord& props, const OptionsRecord& options);

// f(x, y) at axis coordinates: each coordinate through Round12 and the axis transform, the
// result through Round12, +Infinity where the formula fails. Grids transform each column's
// and row's coordinate once and evaluate with Value.
class GridFunction {
  public:
    explicit GridFunction(const OptionsRecord& options) : options_(options) {}
    // False when the formula does not compile.
    bool Compile(const std::string& formula);

    // What the formula receives for an axis coordinate.
    long double ArgumentX(long double x) const;
    long double ArgumentY(long double y) const;
    long double Value(long double argumentX, long double argumentY) {
        const Evaluation v = formula_.Calculate(argumentX, argumentY);
        return v.Ok() ? v.value : kNoPoint;
    }

  private:
    const OptionsRecord& options_;
    CompiledFormula2Var formula_;
};

// The grid samplers' common start: the old values go; false when there is nothing to
// compute (a blank formula, an area empty or out of view, a formula that does not compile).
bool StartGridSampling(Graph& graph, const OptionsRecord& options, GridArea& area, GridFunction& f);

}  // namespace plotwise
