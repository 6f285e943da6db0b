// DocumentWindow: the window of one document. It owns the document, keeps its picture off
// screen (so graphs can be drawn over it and pixels read back), marks the traced point on
// it and shows the world coordinates under the pointer as its hint.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <memory>

#include "app/undo_history.h"
#include "plot/document.h"
#include "plot/plot_overlay.h"
#include "plot/trace_cross.h"

namespace plotwise {

class DocumentWindow final : public QWidget {
    Q_OBJECT

  public:
    DocumentWindow(const OptionsRecord& options, const QString& caption, QWidget* parent = nullptr);
    ~DocumentWindow() override;

    Document& Doc() { return *document_; }
    const Document& Doc() const { return *document_; }
    UndoHistory& History() { return undo_; }
    // The document's name as the title shows it, without the changed mark.
    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The title's mark follows the document's Modified flag.
    void ShowModified() { setWindowModified(document_->Modified); }
    bool Closing() const { return closing_; }

    // Asked before the window closes; false keeps it open (the user cancelled, or saving
    // failed).
    std::function<bool(DocumentWindow&)> OnCloseQuery;

    // The whole picture drawn again at the window's size, then shown.
    void RedrawPicture();
    // The document drawn on another surface of the given size (the full-screen view);
    // the document is pointed back at this window afterwards.
    void DrawOn(QPaintDevice& surface, const QSize& size);
    const QImage& Picture() const { return picture_; }

    // The Trace window's cross over the picture, drawn again after every full repaint
    // while it is visible.
    const TraceCross& TracePointer() const { return tracePointer_; }
    void MoveTracePointer(long double x, long double y);
    void HideTracePointer();

    // While set, a click on the plot (that picks no graph and moves no view) goes here, in
    // pixels of the picture: the Trace window's.
    std::function<void(int px, int py)> OnPlotClick;

    // A tool window's answers over the picture, until an empty overlay replaces them.
    void SetOverlay(const PlotOverlay& overlay);
    const PlotOverlay& Overlay() const { return overlay_; }

    QSize sizeHint() const override;

  signals:
    void ContextMenuRequested(DocumentWindow* child, const QPoint& globalPos);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    class ScreenDocument;
    void SetHint(const QString& hint);

    UndoHistory undo_;                    // outlives the document that records into it
    std::unique_ptr<Document> document_;  // a ScreenDocument
    QImage picture_;
    TraceCross tracePointer_{*document_, &picture_};
    QString caption_;
    PlotOverlay overlay_;
    bool closing_ = false;
    bool redrawPending_ = false;
};

}  // namespace plotwise
