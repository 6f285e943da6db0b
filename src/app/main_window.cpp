#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>

#include "app/document_controller.h"
#include "app/document_names.h"
#include "app/document_window.h"
#include "app/full_screen_window.h"
#include "app/graph_controller.h"
#include "app/graph_panel.h"
#include "app/graph_toolbar.h"
#include "app/help_file.h"
#include "app/help_window.h"
#include "app/print_controller.h"
#include "app/program_icons.h"
#include "app/shell_feedback.h"
#include "app/tool_controller.h"
#include "app/toolbar_icons.h"
#include "app/undo_controller.h"
#include "app/view_controller.h"
#include "plot/document_file.h"
#include "plot/safe_file.h"
#include "services/file_dialogs.h"
#include "services/messages.h"

#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

namespace plotwise {

namespace {

constexpr char kLayoutKey[] = "ToolbarLayout/State";

DocumentWindow* ChildOf(QMdiSubWindow* window) {
    return window == nullptr ? nullptr : qobject_cast<DocumentWindow*>(window->widget());
}

}  // namespace

MainWindow::MainWindow(const MainWindowSetup& setup, Messages* messages, FileDialogs* dialogs)
    : setup_(setup), options_(LoadOptionsFile(OptionsFilePath().toStdString())) {
    if (messages == nullptr) ownMessages_ = std::make_unique<MessageBoxes>(this);
    if (dialogs == nullptr) ownDialogs_ = std::make_unique<DesktopFileDialogs>(this);
    messages_ = messages != nullptr ? messages : ownMessages_.get();
    dialogs_ = dialogs != nullptr ? dialogs : ownDialogs_.get();

    setWindowTitle("Plotwise");
    setWindowIcon(ApplicationIcon());
    setMinimumSize(400, 300);
    mdi_ = new QMdiArea(this);
    setCentralWidget(mdi_);
    CreateStatusBar();
    feedback_ = std::make_unique<ShellFeedback>(panels_[0], panels_[1], *messages_);
    documents_ = std::make_unique<DocumentController>(*this, *messages_, *dialogs_, *feedback_);
    undo_ = std::make_unique<UndoController>(*this);
    view_ = std::make_unique<ViewController>(*this, *messages_);
    printing_ = std::make_unique<PrintController>(*this, *messages_, *dialogs_);
    CreateActions();
    CreateMenus();
    CreateToolbars();
    graphs_ = std::make_unique<GraphController>(*this, *messages_, *graphToolbar_);
    tools_ = std::make_unique<ToolController>(*this, *messages_, *dialogs_, *feedback_);
    ConnectGraphToolbar();
    graphPanel_ = CreateGraphPanel(*this, *viewMenu_);
    fullScreen_ = new FullScreenWindow(this);
    help_ = new HelpWindow(HelpFilePath(), *messages_, this);
    qApp->installEventFilter(this);  // F1 in the dialogs

    connect(mdi_, &QMdiArea::subWindowActivated, this, &MainWindow::DocumentActivated);
#ifndef QT_NO_SESSIONMANAGER
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        // The session may still be cancelled by another program: documents keep their
        // changed marks, so nothing closes later without asking.
        bool anyModified = false;
        for (DocumentWindow* child : Documents())
            anyModified = anyModified || child->Doc().Modified;
        if (feedback_->CatchingUp() || (anyModified && !manager.allowsInteraction())) {
            manager.cancel();  // no question can be answered now
            return;
        }
        const bool go = documents_->QueryShutDown();
        if (anyModified) manager.release();
        if (go)
            SaveSettings();
        else
            manager.cancel();
    });
#endif
    LoadSettings();
}

MainWindow::~MainWindow() {
    destroying_ = true;
    disconnect(mdi_, nullptr, this, nullptr);
    // Documents go first, while the feedback they report through still exists; also those
    // closed and waiting to be deleted, which the window list no longer shows.
    const auto windows = mdi_->viewport()->findChildren<QMdiSubWindow*>(Qt::FindDirectChildrenOnly);
    for (QMdiSubWindow* window : windows) {
        disconnect(window, nullptr, this, nullptr);
        delete window;
    }
    // The tool windows go before the controllers they call back.
    tools_.reset();
}

QString MainWindow::InstalledHelpFile() const {
    const QString installed = setup_.programDir + "/../share/plotwise/" + kHelpFileName;
    if (QFileInfo::exists(setup_.programDir + "/" + kHelpFileName) || !QFileInfo::exists(installed))
        return QString();
    return QDir::cleanPath(installed);
}

QString MainWindow::HelpFilePath() const {
    const QString installed = InstalledHelpFile();
    return installed.isEmpty() ? setup_.programDir + "/" + kHelpFileName : installed;
}

QString MainWindow::OptionsFilePath() const {
    // bin/ of an installed program is no place to write.
    if (!InstalledHelpFile().isEmpty()) {
        const QString folder = QFileInfo(setup_.settingsFile).absolutePath();
        QDir().mkpath(folder);
        return folder + "/" + kOptionsFileName;
    }
    return setup_.programDir + "/" + kOptionsFileName;
}

Feedback& MainWindow::Reporter() const {
    return *feedback_;
}

QToolBar* MainWindow::Toolbar(ToolbarId toolbar) const {
    return toolbars_[static_cast<int>(toolbar)];
}

void MainWindow::CreateStatusBar() {
    const int width = 96 * logicalDpiX() / 96;
    panels_[0] = new QLabel("Ready", this);
    panels_[0]->setFixedWidth(width);
    panels_[1] = new QLabel(this);
    panels_[1]->setMinimumWidth(1);  // a long hint must not widen the window
    statusBar()->addWidget(panels_[0]);
    statusBar()->addWidget(panels_[1], 1);
}

bool MainWindow::event(QEvent* event) {
    // Hints go to panel 1; the status bar's own message would cover both panels.
    if (event->type() == QEvent::StatusTip) {
        panels_[1]->setText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    // The desktop turned dark or light: the toolbar pictures follow.
    if (event->type() == QEvent::ApplicationPaletteChange) {
        for (int i = 0; i < kCommandCount; ++i) {
            const CommandInfo& info = InfoOf(static_cast<Command>(i));
            if (info.icon && actions_[i] != nullptr) actions_[i]->setIcon(IconOf(*info.icon));
        }
    }
    return QMainWindow::event(event);
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (!started_ && !startScheduled_) {
        // After the event: opening a document may show a message.
        startScheduled_ = true;
        QTimer::singleShot(0, this, &MainWindow::StartUp);
    }
}

void MainWindow::StartUp() {
    if (setup_.hasArgument) {
        const QString path = DocumentPathFromCommandLine(setup_.commandLine);
        if (!path.isEmpty()) documents_->Open(path);
    } else {
        documents_->CreateWindow("Noname1.plw");
    }
    started_ = true;
    UpdateCommandStates();
}

void MainWindow::LoadSettings() {
    if (SettingsFileUsable(setup_.settingsFile)) {
        QSettings ini(setup_.settingsFile, QSettings::IniFormat);
        ReadProgramSettings(ini, settings_);
        const QVariant layout = ini.value(kLayoutKey);
        if (layout.typeId() == QMetaType::QString)
            restoreState(QByteArray::fromBase64(layout.toString().toLatin1()));
        // A layout from a foreign or edited file may dock it where it cannot be.
        const Qt::ToolBarArea area = toolBarArea(graphToolbar_);
        if (area == Qt::LeftToolBarArea || area == Qt::RightToolBarArea)
            addToolBar(Qt::TopToolBarArea, graphToolbar_);
    }
    FillRecentFiles();
    const PanelSettings& panels = settings_.Panels;
    SetToolbarShown(ToolbarId::Graph, panels.GraphsPanel);
    SetToolbarShown(ToolbarId::Standard, panels.StandardPanel);
    SetToolbarShown(ToolbarId::Calculus, panels.CalculusPanel);
    Action(Command::SmoothLines)->setChecked(settings_.View.SmoothLines);
    graphPanel_->setVisible(panels.GraphList);
}

void MainWindow::SaveSettings() {
    // A file that is not ours to read is not ours to overwrite either, and a link that leads
    // nowhere stays a link.
    if (!SettingsFileUsable(setup_.settingsFile) ||
        WriteTarget(setup_.settingsFile.toStdString()).empty()) {
        return;
    }
    QSettings ini(setup_.settingsFile, QSettings::IniFormat);
    settings_.Panels.GraphList = !graphPanel_->isHidden();
    WriteProgramSettings(ini, settings_);
    ini.setValue(kLayoutKey, QString::fromLatin1(saveState().toBase64()));
    ini.sync();
}

namespace {

template <typename Panels>
auto& PanelFlag(Panels& panels, ToolbarId toolbar) {
    switch (toolbar) {
        case ToolbarId::Standard:
            return panels.StandardPanel;
        case ToolbarId::Graph:
            return panels.GraphsPanel;
        default:
            return panels.CalculusPanel;
    }
}

}  // namespace

bool MainWindow::ToolbarShown(ToolbarId toolbar) const {
    return PanelFlag(settings_.Panels, toolbar);
}

void MainWindow::SetToolbarShown(ToolbarId toolbar, bool shown) {
    const int i = static_cast<int>(toolbar);
    PanelFlag(settings_.Panels, toolbar) = shown;
    const Command items[] = {Command::StandardToolbar, Command::GraphToolbar,
                             Command::CalculusToolbar};
    Action(items[i])->setChecked(shown);
    toolbarMenuItems_[i]->setChecked(shown);
    if (toolbars_[i]->isVisibleTo(this) != shown) toolbars_[i]->setVisible(shown);
}

void MainWindow::DocumentActivated(QMdiSubWindow* window) {
    UpdateCommandStates();
    DocumentWindow* child = ChildOf(window);
    if (child == nullptr || child->Closing()) return;
    options_ = child->Doc().Options;
    Action(Command::EqualScales)->setChecked(child->Doc().EqualScales());
    graphToolbar_->Follow(&child->Doc());
}

DocumentWindow* MainWindow::ActiveDocument() const {
    // The current window stays current while a dialog has the focus.
    DocumentWindow* child = ChildOf(mdi_->currentSubWindow());
    return child != nullptr && !child->Closing() ? child : nullptr;
}

QList<DocumentWindow*> MainWindow::Documents() const {
    QList<DocumentWindow*> documents;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        DocumentWindow* child = ChildOf(window);
        if (child != nullptr && !child->Closing()) documents << child;
    }
    return documents;
}

void MainWindow::UpdateCommandStates() {
    if (!started_ || destroying_) return;
    const bool any = !Documents().isEmpty();
    for (int i = 0; i < kCommandCount; ++i) {
        if (InfoOf(static_cast<Command>(i)).enabling == Enabling::WithDocument)
            actions_[i]->setEnabled(any);
    }
    undo_->UpdateMenu();
    if (!any) graphToolbar_->Follow(nullptr);
}

void MainWindow::AutoMaximize() {
    if (!settings_.Common.AutoMaximize) return;
    if (QMdiSubWindow* window = mdi_->currentSubWindow();
        window != nullptr && !window->isMaximized())
        window->showMaximized();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!documents_->QueryShutDown()) {
        event->ignore();
        return;
    }
    FinishShutDown();
    fullScreen_->close();
    help_->close();
    event->accept();
}

void MainWindow::FinishShutDown() {
    for (DocumentWindow* child : Documents())
        child->Doc().Modified = false;  // nothing asks again as the windows go
    SaveSettings();
}

}  // namespace plotwise
