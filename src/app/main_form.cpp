#include "main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "current_options.h"
#include "document_file.h"
#include "document_names.h"
#include "document_window.h"
#include "file_dialogs.h"
#include "full_screen_form.h"
#include "graph_toolbar.h"
#include "help_file.h"
#include "help_window.h"
#include "messages.h"
#include "program_settings.h"
#include "research_form.h"
#include "shell_feedback.h"

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

namespace plotwise {

namespace {

constexpr char kLayoutKey[] = "ToolbarLayout/State";

TMDIChild* ChildOf(QMdiSubWindow* window) {
    return window == nullptr ? nullptr : qobject_cast<TMDIChild*>(window->widget());
}

}  // namespace

TMainForm::TMainForm(const TMainFormSetup& setup, TMessages* messages, TFileDialogs* dialogs)
    : setup_(setup) {
    GraphEditor = [this](TFunctionProps& props, const QString& caption, TPropsPage page) {
        return RunPropsDialog(props, caption, page);
    };
    if (messages == nullptr) ownMessages_ = std::make_unique<TMessageBoxes>(this);
    if (dialogs == nullptr) ownDialogs_ = std::make_unique<TDesktopFileDialogs>(this);
    messages_ = messages != nullptr ? messages : ownMessages_.get();
    dialogs_ = dialogs != nullptr ? dialogs : ownDialogs_.get();

    setWindowTitle("Plotwise");
    setMinimumSize(400, 300);
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    CreateStatusBar();
    feedback_ = std::make_unique<TShellFeedback>(panels_[0], panels_[1], *messages_);
    CreateActions();
    CreateMenus();
    CreateToolbars();
    fullScreen_ = new TFullScreenForm(this);
    help_ = new THelpWindow(setup_.programDir + "/" + kHelpFileName, *messages_, this);

    connect(mdi_, &QMdiArea::subWindowActivated, this, &TMainForm::DocumentActivated);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        // The session may still be cancelled by another program: documents keep their
        // changed marks, so nothing closes later without asking.
        bool anyModified = false;
        for (TMDIChild* child : Documents())
            anyModified = anyModified || child->Document().Modified;
        if (TShellFeedback::CatchingUp() || (anyModified && !manager.allowsInteraction())) {
            manager.cancel();  // no question can be answered now
            return;
        }
        const bool go = QueryShutDown();
        if (anyModified) manager.release();
        if (go)
            SaveSettings();
        else
            manager.cancel();
    });
#endif
    CurrentOptions = LoadOptionsFile(OptionsFilePath().toStdString());
    LoadSettings();
    RebuildGraphsList();
}

TMainForm::~TMainForm() {
    destroying_ = true;
    disconnect(mdi_, nullptr, this, nullptr);
    // Documents go first, while the feedback they report through still exists; also those
    // closed and waiting to be deleted, which the window list no longer shows.
    const auto windows = mdi_->viewport()->findChildren<QMdiSubWindow*>(Qt::FindDirectChildrenOnly);
    for (QMdiSubWindow* window : windows) {
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
}

QString TMainForm::OptionsFilePath() const {
    return setup_.programDir + "/" + kOptionsFileName;
}

TFeedback& TMainForm::Feedback() const {
    return *feedback_;
}

QToolBar* TMainForm::Toolbar(TToolbar toolbar) const {
    return toolbars_[static_cast<int>(toolbar)];
}

void TMainForm::CreateStatusBar() {
    const int width = 96 * logicalDpiX() / 96;
    panels_[0] = new QLabel("Ready", this);
    panels_[0]->setFixedWidth(width);
    panels_[1] = new QLabel(this);
    panels_[1]->setMinimumWidth(1);  // a long hint must not widen the window
    statusBar()->addWidget(panels_[0]);
    statusBar()->addWidget(panels_[1], 1);
}

bool TMainForm::event(QEvent* event) {
    // Hints go to panel 1; the status bar's own message would cover both panels.
    if (event->type() == QEvent::StatusTip) {
        panels_[1]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!started_ && !startScheduled_) {
        // After the event: opening a document may show a message.
        startScheduled_ = true;
        QTimer::singleShot(0, this, &TMainForm::StartUp);
    }
}

void TMainForm::StartUp() {
    if (setup_.hasArgument) {
        const QString path = DocumentPathFromCommandLine(setup_.commandLine);
        if (!path.isEmpty()) OpenDocument(path);
    } else {
        CreateDocumentWindow("Noname1.plw");
    }
    started_ = true;
    UpdateMenuItems();
}

void TMainForm::LoadSettings() {
    if (SettingsFileUsable(setup_.settingsFile)) {
        QSettings ini(setup_.settingsFile, QSettings::IniFormat);
        ReadProgramSettings(ini, ProgramSettings);
        const QVariant layout = ini.value(kLayoutKey);
        if (layout.typeId() == QMetaType::QString)
            restoreState(QByteArray::fromBase64(layout.toString().toLatin1()));
        // A layout from a foreign or edited file may dock it where it cannot be.
        const Qt::ToolBarArea area = toolBarArea(graphToolbar_);
        if (area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea)
            addToolBar(Qt::TopToolBarArea, graphToolbar_);
    }
    const TPanelsSettings& panels = ProgramSettings.Panels;
    SetToolbarShown(TToolbar::Graph, panels.GraphsPanel);
    SetToolbarShown(TToolbar::Standard, panels.StandardPanel);
    SetToolbarShown(TToolbar::Calculus, panels.CalcPanel);
}

void TMainForm::SaveSettings() {
    // A file that is not ours to read is not ours to overwrite either.
    if (!SettingsFileUsable(setup_.settingsFile)) return;
    QSettings ini(setup_.settingsFile, QSettings::IniFormat);
    WriteProgramSettings(ini, ProgramSettings);
    ini.setValue(kLayoutKey, QString::fromLatin1(saveState().toBase64()));
    ini.sync();
}

namespace {

bool& PanelFlag(TToolbar toolbar) {
    TPanelsSettings& panels = ProgramSettings.Panels;
    switch (toolbar) {
        case TToolbar::Standard:
            return panels.StandardPanel;
        case TToolbar::Graph:
            return panels.GraphsPanel;
        default:
            return panels.CalcPanel;
    }
}

}  // namespace

bool TMainForm::ToolbarShown(TToolbar toolbar) const {
    return PanelFlag(toolbar);
}

void TMainForm::SetToolbarShown(TToolbar toolbar, bool shown) {
    const int i = static_cast<int>(toolbar);
    PanelFlag(toolbar) = shown;
    const TCommand items[] = {TCommand::StandardToolbar, TCommand::GraphToolbar,
                              TCommand::CalculusToolbar};
    Action(items[i])->setChecked(shown);
    toolbarMenuItems_[i]->setChecked(shown);
    if (toolbars_[i]->isVisibleTo(this) != shown) toolbars_[i]->setVisible(shown);
}

void TMainForm::DocumentActivated(QMdiSubWindow* window) {
    UpdateMenuItems();
    TMDIChild* child = ChildOf(window);
    if (child == nullptr || child->Closing()) return;
    CurrentOptions = child->Document().Options;
    if (child != lastActivated_) {
        lastActivated_ = child;
        RebuildGraphsList();
    }
}

TMDIChild* TMainForm::ActiveDocument() const {
    // The current window stays current while a dialog has the focus.
    TMDIChild* child = ChildOf(mdi_->currentSubWindow());
    return child != nullptr && !child->Closing() ? child : nullptr;
}

QList<TMDIChild*> TMainForm::Documents() const {
    QList<TMDIChild*> documents;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        TMDIChild* child = ChildOf(window);
        if (child != nullptr && !child->Closing()) documents << child;
    }
    return documents;
}

void TMainForm::UpdateMenuItems() {
    if (!started_ || destroying_) return;
    const bool any = !Documents().isEmpty();
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<TCommand>(i);
        if (NeedsDocument(command)) actions_[i]->setEnabled(any && CommandAvailable(command));
    }
    UpdateUndoMenu();
    if (!any) {
        lastActivated_ = nullptr;
        RebuildGraphsList();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    if (!QueryShutDown()) {
        event->ignore();
        return;
    }
    FinishShutDown();
    fullScreen_->close();
    help_->close();
    event->accept();
}

void TMainForm::FinishShutDown() {
    for (TMDIChild* child : Documents())
        child->Document().Modified = false;  // nothing asks again as the windows go
    SaveSettings();
}

}  // namespace plotwise
