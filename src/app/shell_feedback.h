// ShellFeedback: how computations reach the user in the program: the status bar panels,
// the busy cursor, and the keyboard polled for Esc while nothing else may run.
#pragma once

#include <QElapsedTimer>
#include <QObject>

#include "plot/feedback.h"

class QLabel;

namespace plotwise {

class Messages;

class ShellFeedback final : public QObject, public Feedback {
  public:
    ShellFeedback(QLabel* progressPanel, QLabel* hintPanel, Messages& messages);
    ~ShellFeedback() override;

    void ShowStatus(int panel, const std::string& text) override;
    void SetBusy(bool busy) override;
    void Refresh() override;
    bool EscPressed() override;
    void ShowError(const std::string& message) override;

    bool CatchingUp() const override { return catchingUp_; }
    // Due once the last look at pending events is as old as the interval between looks.
    bool PollDue() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Delivers what is pending with user input filtered out; at most every few
    // milliseconds, since drawing and sampling poll often.
    void CatchUp();

    QLabel* panels_[2];
    Messages& messages_;
    bool catchingUp_ = false;
    int busyDepth_ = 0;
    bool escSeen_ = false;
    QElapsedTimer sinceCatchUp_;
};

}  // namespace plotwise
