// Documents: New, Open, Save, Save As, the question before one closes, and the questions of
// the shut-down.
#include "app/document_controller.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QStyle>

#include "app/document_names.h"
#include "app/document_window.h"
#include "app/main_window.h"
#include "app/plot_mouse.h"
#include "app/program_icons.h"
#include "app/shell_feedback.h"
#include "app/undo_controller.h"
#include "plot/document_file.h"
#include "plot/sampling_pool.h"
#include "services/file_dialogs.h"
#include "services/messages.h"

namespace plotwise {
namespace {

// A new window goes a title bar's height down and right of the newest one before it, and
// back to the corner when it would leave the workspace.
void CascadeAfter(const QMdiSubWindow& previous, QMdiSubWindow& window, const QMdiArea& area) {
    if (previous.isMaximized() || previous.isMinimized()) return;
    const int step = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window) + 4;
    QPoint at = previous.pos() + QPoint(step, step);
    const QSize size = window.sizeHint();
    const QSize room = area.viewport()->size();
    if (at.x() + size.width() > room.width() || at.y() + size.height() > room.height())
        at = QPoint(0, 0);
    window.move(at);
}

}  // namespace

DocumentController::DocumentController(MainWindow& window, Messages& messages, FileDialogs& dialogs,
                                       Feedback& feedback)
    : window_(window), messages_(messages), dialogs_(dialogs), feedback_(feedback) {}

void DocumentController::New() {
    window_.CurrentOptions() = LoadOptionsFile(window_.OptionsFilePath().toStdString());
    QStringList captions;
    for (DocumentWindow* child : window_.Documents())
        captions << child->Caption();
    CreateWindow(QString("Noname%1.plw").arg(NextNonameNumber(captions)));
}

DocumentWindow* DocumentController::CreateWindow(const QString& name) {
    auto* child = new DocumentWindow(window_.CurrentOptions(), name);
    child->Doc().Reporter = &feedback_;
    child->Doc().BreakAtJumps = window_.Settings().Common.BreakLines;
    child->Doc().SamplingThreads = SamplingCores();
    child->Doc().SmoothLines = window_.Settings().View.SmoothLines;
    child->OnCloseQuery = [this](DocumentWindow& c) { return QueryClose(c); };
    child->History().OnChanged = [this, child] {
        child->ShowModified();
        window_.UpdateCommandStates();
    };
    QObject::connect(child, &DocumentWindow::ContextMenuRequested, &window_,
                     &MainWindow::ShowDocumentMenu);
    const QList<QMdiSubWindow*> before = window_.MdiArea()->subWindowList(QMdiArea::CreationOrder);
    new PlotMouse(*child, window_, messages_);  // owned by the window
    QMdiSubWindow* sub = window_.MdiArea()->addSubWindow(child);
    sub->setWindowIcon(DocumentIcon());
    QObject::connect(sub, &QObject::destroyed, &window_, &MainWindow::UpdateCommandStates);
    if (!before.isEmpty()) CascadeAfter(*before.last(), *sub, *window_.MdiArea());
    sub->show();
    window_.AutoMaximize();
    return child;
}

void DocumentController::OpenCommand() {
    const QString path = dialogs_.OpenFileName(kDocumentFilter, "plw");
    if (!path.isEmpty()) Open(path);
}

DocumentWindow* DocumentController::Open(const QString& path) {
    DocumentContents contents;
    const DocumentCheck check = LoadDocumentFile(path.toStdString(), contents);
    if (!check.valid) {
        messages_.Error(QString::fromStdString(check.Message()));
        return nullptr;
    }
    DocumentWindow* child = CreateWindow(ShortFileName(path));
    Document& document = child->Doc();
    document.FileName = QFileInfo(path).absoluteFilePath().toStdString();
    document.Named = true;
    TakeContents(document, contents);
    document.Modified = false;
    child->ShowModified();
    window_.RememberFile(path);
    window_.CurrentOptions() = document.Options;
    child->RedrawPicture();
    document.CalculateGraphs();
    return child;
}

bool DocumentController::Save(DocumentWindow& child) {
    Document& document = child.Doc();
    if (!document.Named) return SaveWithDialog(child);
    if (!WriteDocument(document, document.FileName)) {
        messages_.Error(kInputOutputError);
        return false;
    }
    Saved(child);
    return true;
}

void DocumentController::SaveAs(DocumentWindow& child) {
    SaveWithDialog(child);
}

bool DocumentController::SaveWithDialog(DocumentWindow& child) {
    const QString proposed = ShortFileName(QString::fromStdString(child.Doc().FileName));
    const QPointer<DocumentWindow> guard(&child);
    const QString path = dialogs_.SaveFileName(QString(), proposed, kDocumentFilter, "plw");
    // The dialog's event loop may have let the document go (a session ending).
    if (path.isEmpty() || guard == nullptr || child.Closing()) return false;
    Document& document = child.Doc();
    if (!WriteDocument(document, path.toStdString())) {
        messages_.Error(kInputOutputError);
        return false;
    }
    document.FileName = QFileInfo(path).absoluteFilePath().toStdString();
    document.Named = true;
    child.SetCaption(ShortFileName(path));
    Saved(child);
    return true;
}

void DocumentController::Saved(DocumentWindow& child) {
    window_.RememberFile(QString::fromStdString(child.Doc().FileName));
    child.Doc().Modified = false;
    child.History().MarkSaved();
    child.ShowModified();
}

bool DocumentController::QueryClose(DocumentWindow& child) {
    if (!child.Doc().Modified) return true;
    switch (messages_.YesNoCancel("Save changes to " + child.Caption() + "?")) {
        case Answer::Yes:
            return Save(child);
        case Answer::No:
            return true;
        default:
            return false;
    }
}

bool DocumentController::QueryShutDown() {
    for (DocumentWindow* child : window_.Documents()) {
        if (!QueryClose(*child)) return false;
    }
    return true;
}

}  // namespace plotwise
