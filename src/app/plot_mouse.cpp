#include "app/plot_mouse.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRubberBand>
#include <QStatusTipEvent>
#include <QWheelEvent>
#include <cmath>
#include <cstring>

#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "plot/graph_entry_text.h"
#include "plot/graph_picking.h"
#include "plot/pointer_hint.h"
#include "services/messages.h"

namespace plotwise {
namespace {

bool SameOptions(const OptionsRecord& a, const OptionsRecord& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A touchpad that reports pixels only: this many make one notch.
constexpr long double kPixelsPerNotch = 60;

}  // namespace

PlotMouse::PlotMouse(DocumentWindow& window, MainWindow& main, Messages& messages)
    : QObject(&window), window_(window), main_(main), messages_(messages) {
    window.setFocusPolicy(Qt::StrongFocus);  // the keys act on the plot that has the focus
    window.installEventFilter(this);
    hoverRest_.setSingleShot(true);
    hoverRest_.setInterval(kHoverRestMs);
    connect(&hoverRest_, &QTimer::timeout, this, [this] {
        if (drag_ == Drag::None) HoverHint(hoverAt_, true);
    });
}

bool PlotMouse::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || window_.Closing()) return false;
    switch (event->type()) {
        case QEvent::Wheel:
            return Wheel(static_cast<QWheelEvent*>(event));
        case QEvent::MouseButtonPress:
            return Press(static_cast<QMouseEvent*>(event));
        case QEvent::MouseMove:
            return Move(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonRelease:
            return Release(static_cast<QMouseEvent*>(event));
        case QEvent::MouseButtonDblClick:
            return DoubleClick(static_cast<QMouseEvent*>(event));
        case QEvent::KeyPress:
            return Key(static_cast<QKeyEvent*>(event));
        case QEvent::Paint:
            return Paint();
        case QEvent::Leave:
            hoverRest_.stop();
            return false;
        case QEvent::FocusOut:
        case QEvent::Hide:
            if (drag_ != Drag::None) CancelDrag();
            return false;
        default:
            return false;
    }
}

bool PlotMouse::Wheel(QWheelEvent* event) {
    // A plot too small to draw has no pixels to zoom about.
    if (drag_ != Drag::None || !window_.Doc().PlotAreaUsable()) return true;
    const QPoint angle = event->angleDelta();
    long double notches = (angle.y() != 0 ? angle.y() : angle.x()) / 120.0L;
    if (notches == 0) {
        const QPoint pixels = event->pixelDelta();
        notches = (pixels.y() != 0 ? pixels.y() : pixels.x()) / kPixelsPerNotch;
    }
    if (notches == 0) return true;
    const long double k = std::pow(kNotchZoom, notches);
    const Qt::KeyboardModifiers mods = event->modifiers();
    const bool xOnly = (mods & Qt::ControlModifier) && !(mods & Qt::ShiftModifier);
    const bool yOnly = (mods & Qt::ShiftModifier) && !(mods & Qt::ControlModifier);
    const QPoint at = event->position().toPoint();
    ApplyView(ZoomedView(window_.Doc().ScreenMap(), at.x(), at.y(), yOnly ? 1 : k, xOnly ? 1 : k),
              true);
    return true;
}

bool PlotMouse::Press(QMouseEvent* event) {
    const Qt::MouseButton button = event->button();
    if (button == Qt::RightButton) return false;
    if (drag_ != Drag::None) return true;
    Activate();
    window_.setFocus(Qt::MouseFocusReason);
    if (!window_.Doc().PlotAreaUsable()) return true;
    pressAt_ = event->position().toPoint();
    offset_ = {};
    pressMap_ = window_.Doc().ScreenMap();
    const bool box = button == Qt::MiddleButton ||
                     (button == Qt::LeftButton && (event->modifiers() & Qt::ShiftModifier));
    if (box) {
        drag_ = Drag::Box;
        if (band_ == nullptr) band_ = new QRubberBand(QRubberBand::Rectangle, &window_);
        band_->setGeometry(QRect(pressAt_, QSize()));
    } else if (button == Qt::LeftButton) {
        drag_ = Drag::Pressed;
    }
    return true;
}

bool PlotMouse::Move(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const OptionsRecord& options = window_.Doc().Options;
    switch (drag_) {
        case Drag::None:
            HoverHint(at, false);
            hoverAt_ = at;
            hoverRest_.start();
            return true;
        case Drag::Pressed:
            if ((at - pressAt_).manhattanLength() < QApplication::startDragDistance()) return true;
            drag_ = Drag::Moving;
            window_.setCursor(Qt::ClosedHandCursor);
            [[fallthrough]];
        case Drag::Moving:
            offset_ = at - pressAt_;
            window_.update();
            ShowHint(QString::fromStdString(
                ViewRangeHint(options, MovedView(pressMap_, offset_.x(), offset_.y()))));
            return true;
        case Drag::Box:
            band_->setGeometry(QRect(pressAt_, at).normalized());
            band_->show();
            ShowHint(
                QString::fromStdString(ViewRangeHint(options, BoxView(pressMap_, pressAt_, at))));
            return true;
    }
    return true;
}

bool PlotMouse::Release(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const Qt::MouseButton button = event->button();
    if (button == Qt::RightButton) {
        if (drag_ != Drag::None) return true;
        const int index = PickGraph(window_.Doc(), at.x(), at.y());
        if (index < 0) return false;  // the document's own menu
        Activate();
        main_.GraphBar()->Select(index);
        ShowGraphMenu(index, event->globalPosition().toPoint());
        return true;
    }
    const Drag drag = drag_;
    if (drag == Drag::None) return true;
    const bool boxButton = button == Qt::MiddleButton || button == Qt::LeftButton;
    if ((drag == Drag::Box && !boxButton) || (drag != Drag::Box && button != Qt::LeftButton))
        return true;
    const QPoint offset = offset_;
    if (drag == Drag::Moving) frozen_ = window_.grab();  // the moved picture stays meanwhile
    CancelDrag();
    if (drag == Drag::Pressed && window_.OnPlotClick) {
        window_.OnPlotClick(at.x(), at.y());  // Trace is open: the click moves the trace
    } else if (drag == Drag::Pressed) {
        // A click: the graph under the pointer becomes the selected one.
        if (const int index = PickGraph(window_.Doc(), at.x(), at.y()); index >= 0)
            main_.GraphBar()->Select(index);
    } else if (drag == Drag::Moving) {
        ApplyView(MovedView(pressMap_, offset.x(), offset.y()), false);
    } else if (std::abs(at.x() - pressAt_.x()) >= kMinBoxPixels &&
               std::abs(at.y() - pressAt_.y()) >= kMinBoxPixels) {
        ApplyView(BoxView(pressMap_, pressAt_, at), false);
    }
    HoverHint(at, true);
    return true;
}

bool PlotMouse::DoubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || drag_ != Drag::None) return true;
    const QPoint at = event->position().toPoint();
    const int index = PickGraph(window_.Doc(), at.x(), at.y());
    if (index < 0) return true;
    Activate();
    main_.GraphBar()->Select(index);
    main_.RunCommand(Command::GraphProps);
    return true;
}

bool PlotMouse::Key(QKeyEvent* event) {
    if (drag_ != Drag::None) {
        if (event->key() == Qt::Key_Escape) {
            CancelDrag();  // the view as it was
            HoverHint(window_.mapFromGlobal(QCursor::pos()), false);
        }
        return true;
    }
    if (!window_.Doc().PlotAreaUsable()) return false;
    const ScreenMapping map = window_.Doc().ScreenMap();
    const int cx = (map.plot.left + map.plot.right) / 2;
    const int cy = (map.plot.top + map.plot.bottom) / 2;
    const long double stepX = map.plot.Width() / 10.0L;
    const long double stepY = map.plot.Height() / 10.0L;
    switch (event->key()) {
        case Qt::Key_Plus:
        case Qt::Key_Equal:
            ApplyView(ZoomedView(map, cx, cy, kNotchZoom, kNotchZoom), true);
            return true;
        case Qt::Key_Minus:
            ApplyView(ZoomedView(map, cx, cy, 1 / kNotchZoom, 1 / kNotchZoom), true);
            return true;
        // An arrow looks further its way, as the move buttons do: the picture goes the
        // other way.
        case Qt::Key_Left:
            ApplyView(MovedView(map, stepX, 0), true);
            return true;
        case Qt::Key_Right:
            ApplyView(MovedView(map, -stepX, 0), true);
            return true;
        case Qt::Key_Up:
            ApplyView(MovedView(map, 0, stepY), true);
            return true;
        case Qt::Key_Down:
            ApplyView(MovedView(map, 0, -stepY), true);
            return true;
        case Qt::Key_Home:
            Activate();
            main_.RunCommand(Command::StandardIntervals);
            return true;
        default:
            return false;
    }
}

bool PlotMouse::Paint() {
    if (!frozen_.isNull()) {
        QPainter(&window_).drawPixmap(0, 0, frozen_);
        return true;
    }
    if (drag_ != Drag::Moving || window_.Picture().isNull()) return false;
    QPainter painter(&window_);
    ScreenMapping map;
    const OptionsRecord moved = MovedOptions(window_.Doc().Shown(), pressMap_, offset_, map);
    DrawMovedPicture(painter, window_.Picture(), offset_, moved, map);
    return true;
}

void PlotMouse::Activate() {
    auto* sub = qobject_cast<QMdiSubWindow*>(window_.parentWidget());
    if (sub == nullptr) return;
    if (QMdiArea* area = sub->mdiArea(); area != nullptr && area->activeSubWindow() != sub)
        area->setActiveSubWindow(sub);
}

bool PlotMouse::BurstGoesOn() const {
    // Nothing else changed the document since the burst's last notch, and its step is
    // still the newest.
    const Document& doc = window_.Doc();
    const auto& undo = window_.History().UndoList();
    if (!burstStep_ || !SameOptions(doc.Options, burstSet_) || undo.empty() ||
        undo.back().kind != UndoKind::ChangeOptions)
        return false;
    const auto* from = std::get_if<OptionsRecord>(&undo.back().record);
    return from != nullptr && SameOptions(*from, burstFrom_);
}

void PlotMouse::ApplyView(const ViewRange& range, bool burst) {
    Activate();
    Document& doc = window_.Doc();
    const bool sameGesture = burst && lastNotch_.isValid() && lastNotch_.elapsed() < kBurstMs;
    if (!sameGesture) refusalShown_ = false;
    const bool sameStep = sameGesture && BurstGoesOn();
    if (!sameStep) {
        burstFrom_ = doc.Options;
        burstStep_ = false;
    }
    OptionsRecord options = doc.Options;
    const std::string failure = SetView(options, burstFrom_, range);
    if (!failure.empty()) {
        if (!refusalShown_) {
            refusalShown_ = burst;
            messages_.Error(QString::fromStdString(failure));
        }
    } else {
        main_.CurrentOptions() = options;
        if (frozen_.isNull()) frozen_ = window_.grab();
        if (sameStep) {
            // The burst's step already holds the view it started from.
            OptionsUndoRecorder* recorder = doc.UndoRecorder;
            doc.UndoRecorder = nullptr;
            doc.SetOptions(options);
            doc.UndoRecorder = recorder;
        } else {
            const OptionsRecord before = doc.Options;
            doc.SetOptions(options);
            burstStep_ = !SameOptions(before, doc.Options);
        }
        burstSet_ = doc.Options;
    }
    frozen_ = QPixmap();
    window_.update();
    // Timed from the end: a message or a slow resample does not split the gesture.
    if (burst)
        lastNotch_.restart();
    else
        lastNotch_.invalidate();
}

void PlotMouse::CancelDrag() {
    drag_ = Drag::None;
    offset_ = {};
    if (band_ != nullptr) band_->hide();
    window_.unsetCursor();
    window_.update();
}

void PlotMouse::ShowHint(const QString& hint) {
    if (hint == window_.statusTip()) return;
    window_.setStatusTip(hint);
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(&window_, &tip);
}

void PlotMouse::HoverHint(QPoint at, bool named) {
    const Document& doc = window_.Doc();
    QString hint = QString::fromStdString(PointerHint(doc, at.x(), at.y()));
    if (const int index = named ? PickGraph(doc, at.x(), at.y()) : -1; index >= 0)
        hint += "   " + QString::fromLatin1(GraphEntryText(doc.GraphAt(index).Record()));
    ShowHint(hint);
}

void PlotMouse::ShowGraphMenu(int index, const QPoint& globalPos) {
    auto* menu = new QMenu(&window_);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::pair<const char*, Command> items[] = {
        {"Properties...", Command::GraphProps},
        {"Delete", Command::DeleteGraph},
        {"Duplicate", Command::DoubleGraph},
        {"Draw graph", Command::DrawGraphic},
        {"Derivative...", Command::Derivative},
        {"Tangent or Normal...", Command::TangentNormal},
        {"Trace", Command::Trace}};
    for (const auto& [caption, command] : items) {
        QAction* item = menu->addAction(caption);
        item->setStatusTip(InfoOf(command).hint);
        if (command == Command::DrawGraphic) {
            item->setCheckable(true);
            item->setChecked(
                window_.Doc().GraphAt(static_cast<std::size_t>(index)).Record().DrawGraphic);
        }
        MainWindow* main = &main_;
        connect(item, &QAction::triggered, &main_, [main, command] { main->RunCommand(command); });
    }
    menu->addSeparator();
    menu->addActions(main_.DocumentMenu()->actions());
    menu->popup(globalPos);
}

}  // namespace plotwise
