#include "app/document_window.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusTipEvent>
#include <QTimer>

#include "app/shell_feedback.h"
#include "draw/style_colors.h"
#include "plot/pointer_hint.h"

namespace plotwise {

// The document as its window shows it: what is drawn reaches the screen, and a window
// that is closing draws nothing more. The trace cross is lifted off the picture before
// anything is drawn on it and put back on top afterwards, so the pixels it keeps are
// always those of the picture under it.
class DocumentWindow::ScreenDocument final : public Document {
  public:
    ScreenDocument(const OptionsRecord& options, DocumentWindow& window)
        : Document(options), window_(window) {}

    void Repaint() override {
        if (window_.closing_) return;
        const bool picture = OnPicture();
        if (picture) window_.tracePointer_.Erase();
        Document::Repaint();
        if (picture) window_.tracePointer_.Draw();
        window_.update();
    }
    void DrawGraph(Graph& graph) override {
        if (window_.closing_) return;
        const bool picture = OnPicture();
        if (picture) window_.tracePointer_.Erase();
        Document::DrawGraph(graph);
        if (picture) window_.tracePointer_.Draw();
        window_.update();
    }

  private:
    // Not lent to a bitmap or another surface.
    bool OnPicture() const { return OnScreen && Canvas == &window_.picture_; }

    DocumentWindow& window_;
};

DocumentWindow::DocumentWindow(const OptionsRecord& options, const QString& caption,
                               QWidget* parent)
    : QWidget(parent), document_(std::make_unique<ScreenDocument>(options, *this)) {
    SetCaption(caption);
    document_->FileName = caption.toStdString();
    document_->UndoRecorder = &undo_;
    document_->AddObserver(undo_);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setContextMenuPolicy(Qt::PreventContextMenu);  // the menu follows the right button's release
}

DocumentWindow::~DocumentWindow() {
    // Observers hear of the document's end while the window they may call is still whole.
    closing_ = true;
    document_.reset();
}

void DocumentWindow::SetCaption(const QString& caption) {
    caption_ = caption;
    // "[*]" is where the title shows the changed mark; one in a file's name is doubled so
    // it shows as it is.
    setWindowTitle(QString(caption).replace("[*]", "[*][*]") + "[*]");
}

QSize DocumentWindow::sizeHint() const {
    if (const QWidget* area = parentWidget() ? parentWidget()->parentWidget() : nullptr)
        return (area->size() * 3 / 4).expandedTo(QSize(320, 240));
    return {640, 480};
}

void DocumentWindow::RedrawPicture() {
    if (document_->Reporter->CatchingUp()) {
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
    // Drawn at the screen's own resolution: the painter works in the window's units, and
    // lines, marks and fonts keep their size in them.
    const qreal ratio = devicePixelRatioF();
    if (picture_.deviceIndependentSize() != QSizeF(s) || picture_.devicePixelRatio() != ratio) {
        picture_ = QImage(s * ratio, QImage::Format_RGB32);
        picture_.setDevicePixelRatio(ratio);
    }
    document_->ClientRect = {0, 0, s.width(), s.height()};
    document_->Canvas = picture_.isNull() ? nullptr : &picture_;
    if (!picture_.isNull()) picture_.fill(ColorOf(document_->Options.BackColor, Qt::white));
    if (document_->EqualScales()) {
        document_->SetEqualScales(true);  // the new shape widens the view anew
    } else {
        document_->Repaint();
    }
    update();
}

void DocumentWindow::MoveTracePointer(long double x, long double y) {
    tracePointer_.MoveTo(x, y);
    update();
}

void DocumentWindow::HideTracePointer() {
    tracePointer_.Hide();
    update();
}

void DocumentWindow::SetOverlay(const PlotOverlay& overlay) {
    overlay_ = overlay;
    bool first = false;
    bool other = overlay.otherFormula.empty();
    for (const auto& graph : document_->Graphs()) {
        const GraphRecord& record = graph->Record();
        const bool ofX = record.Kind == kYOfX || record.Kind == kXOfY;
        if (!first && record.Kind == kYOfX && record.Formula().Text() == overlay.formula) {
            overlay_.color = record.Color;
            first = true;
        } else if (!other && ofX && record.Formula().Text() == overlay.otherFormula) {
            overlay_.otherColor = record.Color;
            other = true;
        }
    }
    update();
}

void DocumentWindow::DrawOn(QPaintDevice& surface, const QSize& size) {
    Document& doc = *document_;
    const PixelRect client = doc.ClientRect;
    QPaintDevice* canvas = doc.Canvas;
    doc.ClientRect = {0, 0, size.width(), size.height()};
    doc.Canvas = &surface;
    doc.Document::Repaint();
    doc.ClientRect = client;
    doc.Canvas = canvas;
}

void DocumentWindow::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QColor back = ColorOf(document_->Options.BackColor, Qt::white);
    if (picture_.isNull()) {
        painter.fillRect(event->rect(), back);
        return;
    }
    painter.setClipRect(event->rect());
    painter.drawImage(QPointF(0, 0), picture_);
    // Parts of a window grown since the picture was drawn.
    const QRegion rest = QRegion(event->rect()) -
                         QRegion(QRect(QPoint(0, 0), picture_.deviceIndependentSize().toSize()));
    for (const QRect& r : rest)
        painter.fillRect(r, back);
    if (!overlay_.Empty() && document_->PlotAreaUsable())
        DrawPlotOverlay(painter, document_->ScreenMap(), document_->Shown(), overlay_);
}

void DocumentWindow::resizeEvent(QResizeEvent*) {
    RedrawPicture();
}

void DocumentWindow::hideEvent(QHideEvent*) {
    SetHint({});  // minimised: the pointer is over nothing of ours
}

void DocumentWindow::SetHint(const QString& hint) {
    if (hint == statusTip()) return;
    setStatusTip(hint);
    QStatusTipEvent tip(hint);
    QCoreApplication::sendEvent(this, &tip);
}

void DocumentWindow::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    SetHint(QString::fromStdString(PointerHint(*document_, p.x(), p.y())));
}

void DocumentWindow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (QMdiArea* area = sub->mdiArea(); area != nullptr && area->activeSubWindow() != sub)
            area->setActiveSubWindow(sub);
    }
    emit ContextMenuRequested(this, event->globalPosition().toPoint());
}

void DocumentWindow::closeEvent(QCloseEvent* event) {
    if (!closing_ && OnCloseQuery && !OnCloseQuery(*this)) {
        event->ignore();
        return;
    }
    closing_ = true;
    tracePointer_.Hide();
    event->accept();
}

}  // namespace plotwise
