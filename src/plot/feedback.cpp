#include "plot/feedback.h"

namespace plotwise {

namespace {

class NullFeedback final : public Feedback {
  public:
    void ShowStatus(int, const std::string&) override {}
    void SetBusy(bool) override {}
    void Refresh() override {}
    bool EscPressed() override { return false; }
    void ShowError(const std::string&) override {}
};

}  // namespace

Feedback& SilentFeedback() {
    static NullFeedback silent;
    return silent;
}

}  // namespace plotwise
