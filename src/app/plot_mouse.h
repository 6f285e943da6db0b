// PlotMouse: what the pointer and the keyboard do on a document's plot. The wheel zooms about
// the pointer (Ctrl: X only, Shift: Y only), a left drag moves the picture, a Shift or
// middle-button drag zooms to a box, + - the arrows and Home change the view, and a click,
// double click or right click on a graph selects it, opens its properties or its menu.
// Each gesture is one view step in the history; a burst of wheel notches or keys less than
// half a second apart is one gesture.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QTimer>

#include "plot/options_record.h"
#include "plot/screen_map.h"
#include "plot/view_gestures.h"

class QKeyEvent;
class QMouseEvent;
class QRubberBand;
class QWheelEvent;

namespace plotwise {

class DocumentWindow;
class MainWindow;
class Messages;

class PlotMouse final : public QObject {
  public:
    // Zoom of one wheel notch or one + or - key.
    static constexpr long double kNotchZoom = 1.25L;
    // Notches and keys closer than this in time are one gesture.
    static constexpr int kBurstMs = 500;
    // A zoom box smaller than this either way is no box.
    static constexpr int kMinBoxPixels = 5;
    // The graph under a pointer that moves is named once it rests this long: finding it
    // costs as much as a third of a repaint on large documents.
    static constexpr int kHoverRestMs = 60;

    // Watches window's events; owned by the window.
    PlotMouse(DocumentWindow& window, MainWindow& main, Messages& messages);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Drag { None, Pressed, Moving, Box };

    bool Wheel(QWheelEvent* event);
    bool Press(QMouseEvent* event);
    bool Move(QMouseEvent* event);
    bool Release(QMouseEvent* event);
    bool DoubleClick(QMouseEvent* event);
    bool Key(QKeyEvent* event);
    // Paints the moving picture, or the frozen one while a new view is computed.
    bool Paint();

    void Activate();
    // Applies a view: a new step, or, for a burst, the same step as the notch before.
    void ApplyView(const ViewRange& range, bool burst);
    bool BurstGoesOn() const;
    void CancelDrag();
    void ShowHint(const QString& hint);
    // The coordinates under the pointer, and the graph there when named is set.
    void HoverHint(QPoint at, bool named);
    void ShowGraphMenu(int index, const QPoint& globalPos);

    DocumentWindow& window_;
    MainWindow& main_;
    Messages& messages_;

    Drag drag_ = Drag::None;
    QPoint pressAt_;
    QPoint offset_;  // how far the picture has moved
    ScreenMapping pressMap_;
    QPointer<QRubberBand> band_;
    // What the window showed when a new view was applied: shown until the new picture is
    // whole, so the graphs do not vanish while they are computed again.
    QPixmap frozen_;
    QTimer hoverRest_;
    QPoint hoverAt_;

    // The burst of notches or keys under way: the options it started from, those its last
    // notch set, and whether a refusal was already shown.
    QElapsedTimer lastNotch_;
    OptionsRecord burstFrom_{};
    OptionsRecord burstSet_{};
    bool burstStep_ = false;
    bool refusalShown_ = false;
};

}  // namespace plotwise
