// One graph's sampling run as the user sees it: progress in the status bar, the busy
// cursor and the Esc poll, never more often than the whole percentage grows.
#pragma once

#include <cstdint>
#include <string>

#include "plot/feedback.h"

namespace plotwise {

// round(done / total * span), halves to even, in integers.
inline int RoundedPercent(std::int64_t done, std::int64_t total, int span) {
    const std::int64_t scaled = done * span;
    std::int64_t q = scaled / total;
    const std::int64_t twice = 2 * (scaled % total);
    if (twice > total || (twice == total && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

// "Graph N <index + 1>: <percent>%", the progress panel's text while a graph is sampled.
std::string ProgressText(int index, int percent);

class SamplingRun {
  public:
    // Shows "Graph N <index + 1>: 0%", the Esc hint and the busy cursor.
    SamplingRun(Feedback& feedback, int index);
    // "Ready", no hint, a refresh and the normal cursor, however the run ended.
    ~SamplingRun();
    SamplingRun(const SamplingRun&) = delete;
    SamplingRun& operator=(const SamplingRun&) = delete;

    // Reports from + round(done / total * span) percent when that grew; false once the
    // user pressed Esc. Every kCallsPerPollCheck calls it also polls when the feedback says
    // a poll is due, so Esc is heard however slowly the percentage grows.
    // Cheap between those points: samplers call it per sample.
    bool Progress(std::int64_t done, std::int64_t total, int from = 0, int span = 100) {
        if (done < next_ && total == total_ && from == from_ && span == span_ && --untilCheck_ > 0)
            return true;
        return Update(done, total, from, span);
    }

    // A sample costs at most a few formula evaluations of at most 255 characters: this many
    // stay well within the few milliseconds a poll may wait.
    static constexpr int kCallsPerPollCheck = 32;

  private:
    bool Update(std::int64_t done, std::int64_t total, int from, int span);

    Feedback& feedback_;
    int index_;
    int shown_ = 0;
    // Below next_ the percentage of total, from and span cannot exceed shown_.
    std::int64_t next_ = 0;
    std::int64_t total_ = 0;
    int from_ = 0;
    int span_ = 0;
    int untilCheck_ = kCallsPerPollCheck;
};

}  // namespace plotwise
