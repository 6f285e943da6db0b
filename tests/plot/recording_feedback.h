// A feedback that writes down what a computation showed, and presses Esc at the Nth poll.
#pragma once

#include <string>
#include <vector>

#include "plot/feedback.h"

namespace plotwise::testing_support {

class RecordingFeedback : public Feedback {
  public:
    std::vector<std::string> events;
    int escAtPoll = 0;  // 0: never
    int polls = 0;

    void ShowStatus(int panel, const std::string& text) override {
        events.push_back(std::to_string(panel) + ":" + text);
    }
    void SetBusy(bool busy) override { events.push_back(busy ? "busy" : "idle"); }
    void Refresh() override { events.push_back("refresh"); }
    bool EscPressed() override { return ++polls == escAtPoll; }
    void ShowError(const std::string& message) override { events.push_back("error:" + message); }
};

}  // namespace plotwise::testing_support
