// Feedback: all that samplers and long computations say to the shell, and the Esc poll.
// The program answers with its status bar and keyboard; tests answer with a recording fake.
#pragma once

#include <string>

namespace plotwise {

inline constexpr int kProgressPanel = 0;  // "Ready", or how far a computation is
inline constexpr int kHintPanel = 1;      // hints, and how to interrupt a computation

inline constexpr const char* kReadyText = "Ready";
inline constexpr const char* kPressEscText = "Press Esc to interrupt the calculation";
inline constexpr const char* kNotEnoughMemory = "Not enough memory";
inline constexpr const char* kCalculationInterrupted = "Calculation interrupted";

class Feedback {
  public:
    virtual ~Feedback() = default;
    virtual void ShowStatus(int panel, const std::string& text) = 0;
    virtual void SetBusy(bool busy) = 0;  // the hourglass cursor
    // Lets the window show what changed (status texts, the picture so far). Refresh and
    // EscPressed must not run user input: the computation holds references into the
    // document, which a command run meanwhile could change or close.
    virtual void Refresh() = 0;
    // True when Esc was pressed since the last poll; other keys typed meanwhile are dropped.
    virtual bool EscPressed() = 0;
    virtual void ShowError(const std::string& message) = 0;
    // True while Refresh or EscPressed let pending events through: windows must not draw
    // into or reshape a document then (they retry afterwards).
    virtual bool CatchingUp() const { return false; }
    // True when a computation should poll now although its percentage has not grown: Esc
    // must be answered within a moment however slowly a computation advances. Asked every
    // few samples, so it must be cheap.
    virtual bool PollDue() { return false; }
};

// Says nothing and is never interrupted: for documents without a window.
Feedback& SilentFeedback();

}  // namespace plotwise
