// The Trace button: the Trace window on the active document, its cross on that document's
// picture.
#include <QComboBox>
#include <QPointer>

#include "document_window.h"
#include "graph_toolbar.h"
#include "main_form.h"
#include "trace_form.h"

namespace plotwise {
namespace {

// The document window the Trace window walks; it may close while the window is up (a
// session ending), after which there is nothing to trace.
class TWindowTraceTarget final : public TTraceTarget {
  public:
    explicit TWindowTraceTarget(TMDIChild* child) : child_(child) {}

    const TGraphicsManager* Document() const override {
        return child_ != nullptr && !child_->Closing() ? &child_->Document() : nullptr;
    }
    void MovePointer(long double x, long double y) override {
        if (Document() != nullptr) child_->MoveTracePointer(x, y);
    }
    void HidePointer() override {
        if (child_ != nullptr) child_->HideTracePointer();
    }

  private:
    QPointer<TMDIChild> child_;
};

}  // namespace

void TMainForm::TraceCommand() {
    TMDIChild* child = ActiveDocument();
    if (child == nullptr) return;
    if (trace_ == nullptr) trace_ = new TTraceForm(this);
    TWindowTraceTarget target(child);
    trace_->Execute(target, graphToolbar_->FuncComboBox->currentIndex());
}

}  // namespace plotwise
