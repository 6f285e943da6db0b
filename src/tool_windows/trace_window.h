// TraceWindow: the "Trace" window, which walks along the computed points of one graph of a
// document with a scroll bar, shows each point's coordinates and marks it with the
// document's trace pointer.
#pragma once

#include <QDialog>
#include <functional>

#include "formula/everyday_reader.h"
#include "tools/trace_tool.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QScrollBar;

namespace plotwise {

class Document;
class Messages;

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
    // While the window is up, clicks on the plot go to click (pixels of the picture); an
    // empty function ends that.
    virtual void ListenToClicks(std::function<void(int px, int py)> click) = 0;
};

class TraceWindow final : public QDialog {
    Q_OBJECT

  public:
    // messages: where a value that is no number is reported; may be null (nothing shown).
    explicit TraceWindow(QWidget* parent, Messages* messages = nullptr);

    // Shows the window on the target's graphs, starting at graph `selected` (the main
    // window's choice), and returns when it closes. The window is not modal: a click on the
    // plot moves the trace to the point nearest it. The pointer is hidden again whichever way
    // the window closes.
    void Execute(TraceTarget& target, int selected, Notation notation = Notation::Strict);

    // The value field: moves to the point whose argument lies nearest the typed value.
    void GoToValue();
    // A click on the plot at pixel (px, py): moves to the point drawn nearest it.
    void GoToPixel(int px, int py);
    // The graphs were sampled anew (the view changed under the open window): the walk is set
    // up again and stays at the point nearest the argument it showed.
    void Resampled();

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
    long double shownArgument_ = 0;  // of the point last shown; NaN: none
    Messages* messages_;
    Notation notation_ = Notation::Strict;
    QComboBox* funcComboBox_;
    QLabel* valueLabel_;
    QLineEdit* valueEdit_;
    QScrollBar* traceScrollBar_;
    QLabel* xLabel_;
    QLabel* yLabel_;
    QLabel* atLabel_;
    QLabel* rLabel_;
};

}  // namespace plotwise
