// TraceWindow: the "Trace" window, which walks along the computed points of one graph of a
// document with a scroll bar, shows each point's coordinates and marks it with the
// document's trace pointer.
#pragma once

#include <QDialog>

#include "tools/trace_tool.h"

class QComboBox;
class QLabel;
class QScrollBar;

namespace plotwise {

class Document;

// The document a Trace window walks along and the pointer on its picture. The main window
// lends its active document window.
class TraceTarget {
  public:
    virtual ~TraceTarget() = default;
    // Null when there is no document, or its window is closing or gone.
    virtual const Document* Doc() const = 0;
    // Coordinates as the readout shows them.
    virtual void MovePointer(long double x, long double y) = 0;
    virtual void HidePointer() = 0;
};

class TraceWindow final : public QDialog {
    Q_OBJECT

  public:
    explicit TraceWindow(QWidget* parent);

    // Shows the window modally on the target's graphs, starting at graph `selected` (the
    // main window's choice). The pointer is hidden again whichever way the window closes.
    void Execute(TraceTarget& target, int selected);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void hideEvent(QHideEvent* event) override;

  private:
    void Activate(int selected);
    void SetupTrace();
    void UpdateTraceReadout();
    const Graph* ChosenGraph() const;  // the chosen graph, null when there is none
    void HidePointer();

    TraceTarget* target_ = nullptr;  // only while the window is up
    QComboBox* funcComboBox_;
    QScrollBar* traceScrollBar_;
    QLabel* xLabel_;
    QLabel* yLabel_;
    QLabel* atLabel_;
    QLabel* rLabel_;
};

}  // namespace plotwise
