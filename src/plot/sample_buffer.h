// Every buffer of a graph's samples grows through here, within its document's SampleBudget:
// growth the budget refuses throws SampleBudgetExceeded before anything is allocated, and a
// failed allocation std::bad_alloc. The sampling entry point turns either into its message.
#pragma once

#include <algorithm>
#include <cstddef>
#include <new>
#include <vector>

#include "plot/graph.h"

namespace plotwise {

template <typename T>
void ReserveSamples(Graph& graph, std::vector<T>& buffer, std::size_t count) {
    if (count <= buffer.capacity()) return;
    if (count > buffer.max_size()) throw SampleBudgetExceeded();
    SampleCharge& charge = graph.Charge();
    const std::size_t before = charge.Bytes();
    const std::size_t more = (count - buffer.capacity()) * sizeof(T);
    if (more > static_cast<std::size_t>(-1) - before) throw SampleBudgetExceeded();
    charge.Set(before + more);
    try {
        buffer.reserve(count);
    } catch (...) {
        charge.Set(before);
        throw;
    }
}

template <typename T>
void ResizeSamples(Graph& graph, std::vector<T>& buffer, std::size_t count, const T& value = T()) {
    ReserveSamples(graph, buffer, count);
    buffer.assign(count, value);
}

// Room for `extra` more elements, growing geometrically.
template <typename T>
void GrowSamples(Graph& graph, std::vector<T>& buffer, std::size_t extra) {
    if (buffer.size() + extra <= buffer.capacity()) return;
    ReserveSamples(graph, buffer, std::max(buffer.size() + extra, 2 * buffer.capacity() + 64));
}

// Gives back what geometric growth left unused.
template <typename T>
void TrimSamples(Graph& graph, std::vector<T>& buffer) {
    const std::size_t before = buffer.capacity();
    buffer.shrink_to_fit();
    const std::size_t freed = (before - std::min(before, buffer.capacity())) * sizeof(T);
    graph.Charge().Set(graph.Charge().Bytes() - std::min(freed, graph.Charge().Bytes()));
}

}  // namespace plotwise
