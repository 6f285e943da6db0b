// Graphs sampled on worker threads, one graph per task, while the calling thread (the
// interface's) shows the progress and polls Esc through the document's feedback. Workers
// never touch the feedback: each reports through one of its own, which only writes down.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "plot/feedback.h"

namespace plotwise {

// How one graph's sampling ended; NotRun: Esc came before it started.
enum class SampleOutcome { Done, Interrupted, OverBudget, OutOfMemory, NotRun };

// The processor's cores, at least 1: the windows' and plotwise-cli's SamplingThreads.
int SamplingCores();

// Runs sample(task, feedback) for tasks 0..count-1 on up to `threads` workers; the first
// task's graph index starts the progress text. Whenever the tasks finished from the first on
// grow to n, finishedFirst(n) runs on the calling thread (when given): their graphs are final. Esc
// stops every worker at its next poll and leaves the tasks not started NotRun. Nothing when no
// worker could be started (the caller then samples on its own thread).
std::optional<std::vector<SampleOutcome>> RunSamplingPool(
    std::size_t count, int firstIndex, int threads, Feedback& feedback,
    const std::function<SampleOutcome(std::size_t task, Feedback& worker)>& sample,
    const std::function<void(std::size_t finished)>& finishedFirst = nullptr);

}  // namespace plotwise
