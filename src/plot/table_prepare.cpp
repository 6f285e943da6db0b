#include "plot/table_prepare.h"

#include <array>
#include <cmath>
#include <utility>

#include "formula/number_input.h"
#include "plot/sample_buffer.h"

namespace plotwise {
namespace {

struct Row {
    long double x;
    long double y;
    long double key;  // RoundTo8 of the sort coordinate
    bool complete;
};

// Incomplete rows before complete ones, complete ones by key.
bool Before(const Row& a, const Row& b) {
    if (!b.complete) return false;
    return !a.complete || a.key < b.key;
}

// The classic two-index quicksort: rows of equal keys may change their order.
void QuickSort(std::array<Row, kTableRows>& rows, int lo, int hi) {
    const Row pivot = rows[(lo + hi) / 2];
    int i = lo;
    int j = hi;
    do {
        while (Before(rows[i], pivot))
            ++i;
        while (Before(pivot, rows[j]))
            --j;
        if (i <= j) {
            std::swap(rows[i], rows[j]);
            ++i;
            --j;
        }
    } while (i <= j);
    if (j > lo) QuickSort(rows, lo, j);
    if (i < hi) QuickSort(rows, i, hi);
}

}  // namespace

void PrepareTable(Graph& graph) {
    const GraphRecord& props = graph.Record();
    std::array<Row, kTableRows> rows;
    for (int k = 0; k < kTableRows; ++k) {
        const long double x = RoundTo8(props.Body.Table[k].X);
        const long double y = RoundTo8(props.Body.Table[k].Y);
        rows[k] = {props.Body.Table[k].X, props.Body.Table[k].Y, props.SortType == 1 ? y : x,
                   std::isfinite(x) && std::isfinite(y)};
    }
    if (props.SortType != 2) QuickSort(rows, 0, kTableRows - 1);
    graph.ClearValues();
    ReserveSamples(graph, graph.Values, 2 * kTableRows);
    for (const Row& row : rows) {
        graph.Values.push_back(row.x);
        graph.Values.push_back(row.y);
    }
}

}  // namespace plotwise
