#include "feedback.h"

namespace plotwise {

bool EscEnabled = true;

namespace {

class TSilentFeedback final : public TFeedback {
  public:
    void ShowStatus(int, const std::string&) override {}
    void SetBusy(bool) override {}
    void Refresh() override {}
    bool EscPressed() override { return false; }
    void ShowError(const std::string&) override {}
};

}  // namespace

TFeedback& SilentFeedback() {
    static TSilentFeedback silent;
    return silent;
}

}  // namespace plotwise
