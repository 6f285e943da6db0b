// The Trace button: the Trace window on the active document, its cross on that document's
// picture.
#include <QComboBox>
#include <QPointer>

#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "tool_windows/trace_window.h"

namespace plotwise {
namespace {

// The document window the Trace window walks; it may close while the window is up (a
// session ending), after which there is nothing to trace.
class WindowTraceTarget final : public TraceTarget {
  public:
    explicit WindowTraceTarget(DocumentWindow* child) : child_(child) {}

    const Document* Doc() const override {
        return child_ != nullptr && !child_->Closing() ? &child_->Doc() : nullptr;
    }
    void MovePointer(long double x, long double y) override {
        if (Doc() != nullptr) child_->MoveTracePointer(x, y);
    }
    void HidePointer() override {
        if (child_ != nullptr) child_->HideTracePointer();
    }

  private:
    QPointer<DocumentWindow> child_;
};

}  // namespace

void MainWindow::TraceCommand() {
    DocumentWindow* child = ActiveDocument();
    if (child == nullptr) return;
    if (trace_ == nullptr) trace_ = new TraceWindow(this);
    WindowTraceTarget target(child);
    trace_->Execute(target, graphToolbar_->FuncComboBox->currentIndex());
}

}  // namespace plotwise
