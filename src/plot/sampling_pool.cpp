#include "plot/sampling_pool.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>

#include "plot/sampling_run.h"

namespace plotwise {

namespace {

struct PoolState {
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0;  // the first task not yet taken
    int running = 0;       // workers not yet finished
    std::atomic<bool> stop{false};
    std::vector<std::string> progress;  // each task's last progress text
    std::vector<bool> finished;
};

// A worker's feedback: the progress text is kept for the interface thread; Esc is the
// pool's stop flag.
class WorkerFeedback final : public Feedback {
  public:
    WorkerFeedback(PoolState& state, std::size_t task) : state_(state), task_(task) {}
    void ShowStatus(int panel, const std::string& text) override {
        // A run's closing "Ready" is the pass's to say, once every graph is done.
        if (panel != kProgressPanel || text == kReadyText) return;
        const std::lock_guard<std::mutex> lock(state_.mutex);
        state_.progress[task_] = text;
    }
    void SetBusy(bool) override {}
    void Refresh() override {}
    bool EscPressed() override { return state_.stop.load(std::memory_order_relaxed); }
    void ShowError(const std::string&) override {}  // errors come back as outcomes
    bool PollDue() override { return state_.stop.load(std::memory_order_relaxed); }

  private:
    PoolState& state_;
    std::size_t task_;
};

}  // namespace

int SamplingCores() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? static_cast<int>(cores) : 1;
}

std::optional<std::vector<SampleOutcome>> RunSamplingPool(
    std::size_t count, int firstIndex, int threads, Feedback& feedback,
    const std::function<SampleOutcome(std::size_t, Feedback&)>& sample,
    const std::function<void(std::size_t)>& finishedFirst) {
    PoolState state;
    state.progress.resize(count);
    state.finished.resize(count);
    std::vector<SampleOutcome> outcomes(count, SampleOutcome::NotRun);
    const auto work = [&] {
        for (;;) {
            std::size_t task;
            {
                const std::lock_guard<std::mutex> lock(state.mutex);
                if (state.next >= count || state.stop) break;
                task = state.next++;
            }
            WorkerFeedback worker(state, task);
            SampleOutcome outcome;
            try {
                outcome = sample(task, worker);
            } catch (...) {
                outcome = SampleOutcome::OutOfMemory;
            }
            if (outcome == SampleOutcome::Interrupted) state.stop = true;
            const std::lock_guard<std::mutex> lock(state.mutex);
            outcomes[task] = outcome;
            state.finished[task] = true;
            state.changed.notify_all();
        }
        const std::lock_guard<std::mutex> lock(state.mutex);
        --state.running;
        state.changed.notify_all();
    };

    std::string shown = ProgressText(firstIndex, 0);
    feedback.ShowStatus(kProgressPanel, shown);
    feedback.ShowStatus(kHintPanel, kPressEscText);
    feedback.SetBusy(true);
    state.stop = feedback.EscPressed();  // an Esc already waiting stops the pass at once
    std::vector<std::thread> workers;
    const std::size_t wanted = std::min<std::size_t>(count, threads > 0 ? threads : 1);
    for (std::size_t k = 0; k < wanted; ++k) {
        try {
            const std::lock_guard<std::mutex> lock(state.mutex);
            workers.emplace_back(work);
            ++state.running;
        } catch (const std::system_error&) {
            break;
        }
    }
    if (workers.empty()) {
        feedback.SetBusy(false);
        return std::nullopt;
    }
    std::size_t finished = 0;  // tasks finished from the first on
    std::unique_lock<std::mutex> lock(state.mutex);
    while (state.running > 0) {
        state.changed.wait_for(lock, std::chrono::milliseconds(10));
        const std::size_t before = finished;
        while (finished < count && state.finished[finished])
            ++finished;
        // The first graph still being sampled speaks for the pass.
        std::string text;
        for (std::size_t k = finished; k < count && text.empty(); ++k) {
            if (!state.finished[k]) text = state.progress[k];
        }
        lock.unlock();
        if (finished > before && finishedFirst) finishedFirst(finished);
        if (!text.empty() && text != shown) {
            shown = text;
            feedback.ShowStatus(kProgressPanel, text);
            feedback.Refresh();
        }
        if (!state.stop && feedback.EscPressed()) state.stop = true;
        lock.lock();
    }
    lock.unlock();
    for (std::thread& worker : workers)
        worker.join();
    feedback.ShowStatus(kProgressPanel, kReadyText);
    feedback.ShowStatus(kHintPanel, "");
    feedback.Refresh();
    feedback.SetBusy(false);
    return outcomes;
}

}  // namespace plotwise
