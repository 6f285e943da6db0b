#include "document_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>

#include "pointer_hint.h"
#include "shell_feedback.h"
#include "style_colors.h"

namespace plotwise {

// The document as its window shows it: what is drawn reaches the screen, and a window
// that is closing draws nothing more. The trace cross is lifted off the picture before
// anything is drawn on it and put back on top afterwards, so the pixels it keeps are
// always those of the picture under it.
class TMDIChild::TScreenDocument final : public TGraphicsManager {
  public:
    TScreenDocument(const TOptionsRecord& options, TMDIChild& window)
        : TGraphicsManager(options), window_(window) {}

    void Repaint() override {
        if (window_.closing_) return;
        const bool picture = OnPicture();
        if (picture) window_.tracePointer_.Erase();
        TGraphicsManager::Repaint();
        if (picture) window_.tracePointer_.Draw();
        window_.update();
    }
    void DrawGraph(TFunction& graph) override {
        if (window_.closing_) return;
        const bool picture = OnPicture();
        if (picture) window_.tracePointer_.Erase();
        TGraphicsManager::DrawGraph(graph);
        if (picture) window_.tracePointer_.Draw();
        window_.update();
    }

  private:
    // Not lent to a bitmap or another surface.
    bool OnPicture() const { return OnScreen && Canvas == &window_.picture_; }

    TMDIChild& window_;
};

TMDIChild::TMDIChild(const TOptionsRecord& options, const QString& caption, QWidget* parent)
    : QWidget(parent), document_(std::make_unique<TScreenDocument>(options, *this)) {
    setWindowTitle(caption);
    document_->FileName = caption.toStdString();
    document_->UndoRecorder = &undo_;
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);  // the menu follows the right button's release
}

TMDIChild::~TMDIChild() = default;

QSize TMDIChild::sizeHint() const {
    if (const QWidget* area = parentWidget() ? parentWidget()->parentWidget() : nullptr)
        return (area->size() * 3 / 4).expandedTo(QSize(320, 240));
    return {640, 480};
}

void TMDIChild::RedrawPicture() {
    if (TShellFeedback::CatchingUp()) {
        // A computation is using the document; draw once it is done.
        if (!redrawPending_) {
            redrawPending_ = true;
            QTimer::singleShot(50, this, [this] {
                redrawPending_ = false;
                RedrawPicture();
            });
        }
        return;
    }
    tracePointer_.Erase();  // before the picture is replaced under it
    const QSize s = size();
    if (picture_.size() != s) picture_ = QImage(s, QImage::Format_RGB32);
    document_->ClientRect = {0, 0, s.width(), s.height()};
    document_->Canvas = picture_.isNull() ? nullptr : &picture_;
    if (!picture_.isNull()) picture_.fill(ColorOf(document_->Options.BackColor, Qt::white));
    document_->Repaint();
    update();
}

void TMDIChild::MoveTracePointer(long double x, long double y) {
    tracePointer_.MoveTo(x, y);
    update();
}

void TMDIChild::HideTracePointer() {
    tracePointer_.Hide();
    update();
}

void TMDIChild::DrawOn(QPaintDevice& surface, const QSize& size) {
    TGraphicsManager& doc = *document_;
    const TRect client = doc.ClientRect;
    QPaintDevice* canvas = doc.Canvas;
    doc.ClientRect = {0, 0, size.width(), size.height()};
    doc.Canvas = &surface;
    doc.TGraphicsManager::Repaint();
    doc.ClientRect = client;
    doc.Canvas = canvas;
}

void TMDIChild::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor back = ColorOf(document_->Options.BackColor, Qt::white);
    if (picture_.isNull()) {
        painter.fillRect(event->rect(), back);
        return;
    }
    painter.drawImage(event->rect().topLeft(), picture_, event->rect());
    // Parts of a window grown since the picture was drawn.
    const QRegion rest = QRegion(event->rect()) - QRegion(picture_.rect());
    for (const QRect& r : rest)
        painter.fillRect(r, back);
}

void TMDIChild::resizeEvent(QResizeEvent*) {
    RedrawPicture();
}

void TMDIChild::hideEvent(QHideEvent*) {
    SetHint({});  // minimised: the pointer is over nothing of ours
}

void TMDIChild::SetHint(const QString& hint) {
    if (hint == statusTip()) return;
    setStatusTip(hint);
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(this, &tip);
}

void TMDIChild::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    SetHint(QString::fromStdString(PointerHint(*document_, p.x(), p.y())));
}

void TMDIChild::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (QMdiArea* area = sub->mdiArea(); area != nullptr && area->activeSubWindow() != sub)
            area->setActiveSubWindow(sub);
    }
    emit ContextMenuRequested(this, event->globalPosition().toPoint());
}

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (!closing_ && OnCloseQuery && !OnCloseQuery(*this)) {
        event->ignore();
        return;
    }
    closing_ = true;
    tracePointer_.Hide();
    event->accept();
}

}  // namespace plotwise
