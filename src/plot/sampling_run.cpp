#include "plot/sampling_run.h"

#include <algorithm>

namespace plotwise {

std::string ProgressText(int index, int percent) {
    return "Graph N " + std::to_string(index + 1) + ": " + std::to_string(percent) + "%";
}

SamplingRun::SamplingRun(Feedback& feedback, int index) : feedback_(feedback), index_(index) {
    feedback_.ShowStatus(kProgressPanel, ProgressText(index_, 0));
    feedback_.ShowStatus(kHintPanel, kPressEscText);
    feedback_.SetBusy(true);
}

SamplingRun::~SamplingRun() {
    feedback_.ShowStatus(kProgressPanel, kReadyText);
    feedback_.ShowStatus(kHintPanel, "");
    feedback_.Refresh();
    feedback_.SetBusy(false);
}

bool SamplingRun::Update(std::int64_t done, std::int64_t total, int from, int span) {
    total_ = total;
    from_ = from;
    span_ = span;
    const int percent = from + RoundedPercent(done, total, span);
    bool goOn = true;
    if (percent > shown_) {
        shown_ = percent;
        feedback_.ShowStatus(kProgressPanel, ProgressText(index_, percent));
        feedback_.Refresh();
        goOn = !feedback_.EscPressed();
    } else if (untilCheck_ <= 0 && feedback_.PollDue()) {
        goOn = !feedback_.EscPressed();
    }
    untilCheck_ = kCallsPerPollCheck;
    // The percentage first reaches shown_ + 1/2 past here.
    next_ = std::max(done + 1, (2 * std::int64_t{shown_ - from} + 1) * total / (2 * span));
    return goOn;
}

}  // namespace plotwise
