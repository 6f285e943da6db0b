#include "sampling_run.h"

namespace plotwise {

TSamplingRun::TSamplingRun(TFeedback& feedback, int index)
    : feedback_(feedback), prefix_("Graph N " + std::to_string(index + 1) + ": ") {
    feedback_.ShowStatus(kProgressPanel, prefix_ + "0%");
    feedback_.ShowStatus(kHintPanel, kPressEscText);
    feedback_.SetBusy(true);
}

TSamplingRun::~TSamplingRun() {
    feedback_.ShowStatus(kProgressPanel, kReadyText);
    feedback_.ShowStatus(kHintPanel, "");
    feedback_.Refresh();
    feedback_.SetBusy(false);
}

bool TSamplingRun::Show(int percent) {
    shown_ = percent;
    feedback_.ShowStatus(kProgressPanel, prefix_ + std::to_string(percent) + "%");
    feedback_.Refresh();
    return !feedback_.EscPressed();
}

}  // namespace plotwise
