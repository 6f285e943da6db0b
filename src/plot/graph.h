// Graph: one graph of a document, its record and the points last computed from it.
#pragma once

#include <cstdint>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"
#include "plot/sample_budget.h"

namespace plotwise {

class Document;

inline constexpr int kMaxStepsNum = 20000;

// The effective interval and sampling of a record under a document's options. Kinds 0 and
// 1 (and 4, 5 per axis) cut their own interval to the visible range, or take the visible
// range when DefaultInterval is set; kinds 2 and 3 use Min..Max as stored.
long double EffectiveMinX(const GraphRecord& props, const OptionsRecord& options);
long double EffectiveMaxX(const GraphRecord& props, const OptionsRecord& options);
long double EffectiveMinY(const GraphRecord& props, const OptionsRecord& options);
long double EffectiveMaxY(const GraphRecord& props, const OptionsRecord& options);
int EffectiveStepsNum(const GraphRecord& props, const OptionsRecord& options);
// A grid's cells per axis (kinds 4 and 5): samplers and drawers must agree on the layout.
int GridStepsX(const GraphRecord& props);
int GridStepsY(const GraphRecord& props);
int EffectiveMaxGap(const GraphRecord& props, const OptionsRecord& options);

// True when the formula (kind 3: either formula) has nothing but blanks; never for tables.
bool IsEmptyRecord(const GraphRecord& props);

// What of a graph's style shows in its picture: curves and tables draw lines and points as
// switched; equations, inequalities and slope fields always draw their lines (or shading)
// and never points.
bool ShowsLines(const GraphRecord& props);
bool ShowsPoints(const GraphRecord& props);

// Where an implicit curve (kind 4, relation 0) crosses the edges of its doubled grid, node
// column by node column; drawing rebuilds the segments from them. Only drawing uses them, so
// the position along an edge is a float: 6 bytes a crossing instead of 32 a segment end.
struct GridCrossings {
    // The crossings of node column i are entries columnStarts[i] to columnStarts[i + 1] - 1.
    std::vector<std::uint32_t> columnStarts;
    // 2j: on the edge from node j up to node j + 1; 2j + 1: on the edge from node j right to
    // the next column. Ascending within a column.
    std::vector<std::uint16_t> edges;
    std::vector<float> fractions;  // 0 at the edge's first node to 1 at its second
    int rows = 0;                  // the grid's last node row

    bool Empty() const { return columnStarts.empty(); }
};

class Graph {
  public:
    // The graph's samples count against its owner's SampleBudget (none without an owner).
    Graph(Document* owner, const GraphRecord& record);
    Graph(const Graph&) = delete;
    Graph& operator=(const Graph&) = delete;

    Document* Owner;
    // Changed only through the owner, which tells its observers.
    const GraphRecord& Record() const { return record_; }

    // Computed points (layout by kind; +Infinity: no point there). Empty: nothing to draw.
    std::vector<long double> Values;
    // The cell codes of an inequality (kind 4, Relation 1 or 2) instead of Values.
    std::vector<std::uint16_t> CellCodes;
    GridCrossings Crossings;
    // Kinds 0 to 3: the points (from 1) after which the line stops, a pole or a jump lying
    // before the next one; ascending.
    std::vector<int> Breaks;
    bool LastBeyondEnd = false;

    bool HasValues() const { return !Values.empty() || !CellCodes.empty() || !Crossings.Empty(); }
    // Frees every buffer and gives their memory back to the budget.
    void ClearValues();
    // The share of the budget the buffers hold; they grow through sample_buffer.h.
    SampleCharge& Charge() { return charge_; }

    bool IsEmpty() const { return IsEmptyRecord(record_); }

    // Under the owner's options.
    long double GetMinX() const;
    long double GetMaxX() const;
    long double GetMinY() const;
    long double GetMaxY() const;
    int GetStepsNum() const;
    int GetMaxGap() const;

    // 1-based, as the layouts count. A grid of kind 4 or 5 keeps cell (i, j) (column i of
    // StepsNumX, row j of StepsNumY) at position (i - 1) * StepsNumY + j.
    long double Value(std::size_t index) const { return Values[index - 1]; }
    void SetValue(std::size_t index, long double value) { Values[index - 1] = value; }
    long double Value(std::size_t i, std::size_t j, std::size_t stepsNumY) const {
        return Values[(i - 1) * stepsNumY + (j - 1)];
    }

  private:
    friend class Document;
    // The owner's options as drawn and sampled.
    OptionsRecord Options() const;

    GraphRecord record_;
    SampleCharge charge_;
};

// Whether replacing graph's record by props needs new samples, or only a redraw.
bool NeedsRecalcProps(const Graph& graph, const GraphRecord& props);

}  // namespace plotwise
