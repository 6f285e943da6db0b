// The main window's actions, menus and the context menus of the toolbars and documents,
// and the dispatch of every command.
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMouseEvent>
#include <QUrl>

#include "app/about_dialog.h"
#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/full_screen_window.h"
#include "app/graph_controller.h"
#include "app/help_window.h"
#include "app/home_page.h"
#include "app/main_window.h"
#include "app/print_controller.h"
#include "app/tool_controller.h"
#include "app/undo_controller.h"
#include "app/view_controller.h"
#include "services/help_context.h"
#include "services/messages.h"

namespace plotwise {

namespace {

constexpr int kToolbarsHelpTopic = 103;

int HelpContextOf(const QAction* action) {
    return action == nullptr ? 0 : action->data().toInt();
}

}  // namespace

void MainWindow::CreateActions() {
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<Command>(i);
        const CommandInfo& info = InfoOf(command);
        auto* action = new QAction(info.caption != nullptr ? info.caption : info.shortHint, this);
        if (info.shortHint != nullptr) action->setToolTip(info.shortHint);
        action->setStatusTip(info.hint);
        if (info.shortcut != nullptr) action->setShortcut(QKeySequence(info.shortcut));
        if (info.icon) action->setIcon(IconOf(*info.icon));
        action->setCheckable(info.checkable);
        action->setData(info.helpContext);
        action->setEnabled(info.enabling == Enabling::Always);
        connect(action, &QAction::triggered, this, [this, command] { RunCommand(command); });
        actions_[i] = action;
    }
}

QMenu* MainWindow::AddMenu(const char* title, const char* hint) {
    QMenu* menu = menuBar()->addMenu(title);
    if (hint != nullptr) menu->menuAction()->setStatusTip(hint);
    WatchMenu(menu);
    return menu;
}

void MainWindow::WatchMenu(QMenu* menu) {
    // F1 on an item, and the hint of the item under the pointer, also of a disabled item and
    // of a context menu, whose hints the toolkit sends nowhere.
    menu->installEventFilter(this);
    connect(menu, &QMenu::hovered, this,
            [this](QAction* action) { panels_[1]->setText(action->statusTip()); });
    connect(menu, &QMenu::aboutToHide, this, [this] { panels_[1]->clear(); });
}

void MainWindow::AddMenuItems(QMenu* menu, std::initializer_list<Command> commands) {
    for (Command command : commands)
        menu->addAction(Action(command));
}

void MainWindow::CreateMenus() {
    using C = Command;
    QMenu* file = AddMenu("&File", "Operations with files (Open, Save, Print, etc)");
    AddMenuItems(file, {C::New, C::Open, C::Save, C::SaveAs, C::SaveAsBitmap, C::Export});
    file->addSeparator();
    AddMenuItems(file, {C::PageSetup, C::Print});
    file->addSeparator();
    fileMenu_ = file;
    recentEnd_ = file->addSeparator();  // collapses with the one above while there are none
    AddMenuItems(file, {C::Exit});
    QMenu* edit = AddMenu("&Edit", nullptr);
    AddMenuItems(edit, {C::Undo, C::Redo});
    edit->addSeparator();
    AddMenuItems(edit, {C::CopyAsBitmap});
    viewMenu_ = AddMenu("&View", "Maximizing the active window and toolbars management");
    AddMenuItems(viewMenu_, {C::FullScreen, C::SmoothLines, C::EqualScales, C::StandardToolbar,
                             C::GraphToolbar, C::CalculusToolbar});
    AddMenuItems(AddMenu("&Plot", "Operations with graphs"), {C::AddGraph, C::FinishCounting});
    AddMenuItems(AddMenu("&Calculus", "Different calculating operations"),
                 {C::Calculator, C::AnalyseFunction, C::Intersections, C::Derivative,
                  C::TangentNormal, C::Integration, C::Regression, C::Trace});
    QMenu* options = AddMenu("&Options", "Document and program options");
    AddMenuItems(options, {C::GraphProperties, C::PlotOptions, C::AxisOptions, C::BackgroundOptions,
                           C::CommonOptions, C::StandardOptions, C::StandardIntervals});
    options->addSeparator();
    AddMenuItems(options, {C::SaveOptions});
    windowMenu_ = AddMenu("&Window", "Windows management");
    connect(windowMenu_, &QMenu::aboutToShow, this, &MainWindow::FillWindowMenu);
    FillWindowMenu();
    QMenu* help = AddMenu("&Help", "Information about the program");
    AddMenuItems(help, {C::HelpContents, C::VisitHomePage});
    help->addSeparator();
    AddMenuItems(help, {C::About});

    // The toolbars' context menu has its own items with the same flags.
    toolbarMenu_ = new QMenu(this);
    const char* names[] = {"Standard", "Graph", "Calculus"};
    const char* hints[] = {"Hide/Show the Standard toolbar", "Hide/Show the Graph toolbar",
                           "Hide/Show the Calculus toolbar"};
    for (int i = 0; i < 3; ++i) {
        QAction* item = toolbarMenu_->addAction(names[i]);
        item->setCheckable(true);
        item->setStatusTip(hints[i]);
        const auto toolbar = static_cast<ToolbarId>(i);
        connect(item, &QAction::triggered, this,
                [this, toolbar](bool on) { SetToolbarShown(toolbar, on); });
        toolbarMenuItems_[i] = item;
    }
    toolbarMenu_->addSeparator();
    QAction* toolbarHelp = toolbarMenu_->addAction("Help");
    toolbarHelp->setStatusTip("Show the help information about toolbars");
    toolbarHelp->setData(kToolbarsHelpTopic);
    connect(toolbarHelp, &QAction::triggered, this,
            [this] { help_->ShowTopic(kToolbarsHelpTopic); });
    WatchMenu(toolbarMenu_);

    documentMenu_ = new QMenu(this);
    const std::pair<const char*, Command> items[] = {
        {"Plot Options...", C::PlotOptions},
        {"Axis Options...", C::AxisOptions},
        {"Background Options...", C::BackgroundOptions}};
    for (const auto& [caption, command] : items) {
        QAction* item = documentMenu_->addAction(caption);
        item->setStatusTip(InfoOf(command).hint);
        item->setData(InfoOf(command).helpContext);
        connect(item, &QAction::triggered, this, [this, command] { RunCommand(command); });
    }
    WatchMenu(documentMenu_);
}

QMenu* MainWindow::createPopupMenu() {
    // The caller owns what it gets; a copy keeps ours alive.
    auto* menu = new QMenu(this);
    menu->addActions(toolbarMenu_->actions());
    WatchMenu(menu);
    return menu;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // Every event of the program passes here: keys and mouse moves only are of interest.
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::MouseMove)
        return QMainWindow::eventFilter(watched, event);
    auto* menu = qobject_cast<QMenu*>(watched);
    if (menu == nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        // F1 in a dialog or tool window: its topic. A modal window gets a help window of its
        // own, since it blocks every other.
        auto* widget = qobject_cast<QWidget*>(watched);
        const int context = HelpContextOf(widget);
        if (context != 0) {
            QWidget* modal = QApplication::activeModalWidget();
            HelpWindow* help = help_;
            if (modal != nullptr && modal != this) {
                help = modal->findChild<HelpWindow*>(QString(), Qt::FindDirectChildrenOnly);
                if (help == nullptr) help = new HelpWindow(HelpFilePath(), *messages_, modal);
            }
            help->ShowTopic(context);
            return true;
        }
    }
    if (menu != nullptr && event->type() == QEvent::MouseMove) {
        const QAction* action =
            menu->actionAt(static_cast<QMouseEvent*>(event)->position().toPoint());
        if (action != nullptr && !action->isSeparator()) panels_[1]->setText(action->statusTip());
    }
    if (menu != nullptr && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_F1) {
        const int context = HelpContextOf(menu->activeAction());
        if (context != 0) {
            while (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
            help_->ShowTopic(context);
        }
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::FillWindowMenu() {
    windowMenu_->clear();
    AddMenuItems(windowMenu_,
                 {Command::Cascade, Command::Tile, Command::ArrangeIcons, Command::MinimizeAll});
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty()) return;
    windowMenu_->addSeparator();
    int n = 0;
    for (QMdiSubWindow* window : windows) {
        ++n;
        const auto* child = qobject_cast<DocumentWindow*>(window->widget());
        const QString caption = child != nullptr ? child->Caption() : window->windowTitle();
        QAction* item = windowMenu_->addAction(n < 10 ? QString("&%1 %2").arg(n).arg(caption)
                                                      : QString("%1 %2").arg(n).arg(caption));
        item->setCheckable(true);
        item->setChecked(window == mdi_->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, window = QPointer(window)] {
            if (window != nullptr) {
                if (window->isMinimized()) window->showNormal();
                mdi_->setActiveSubWindow(window);
            }
        });
    }
}

void MainWindow::FillRecentFiles() {
    for (QAction* item : recentItems_)
        delete item;
    recentItems_.clear();
    int n = 0;
    for (const QString& path : settings_.Recent.Paths()) {
        const QString name = QFileInfo(path).fileName().replace("&", "&&");
        auto* item = new QAction(QString("&%1 %2").arg(++n).arg(name), fileMenu_);
        item->setStatusTip(path);
        connect(item, &QAction::triggered, this, [this, path] { OpenRecent(path); });
        fileMenu_->insertAction(recentEnd_, item);
        recentItems_ << item;
    }
}

void MainWindow::RememberFile(const QString& path) {
    settings_.Recent.Add(QFileInfo(path).absoluteFilePath());
    FillRecentFiles();
}

void MainWindow::OpenRecent(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        messages_->Error("The file " + path +
                         " no longer exists;\rit is taken off the list of recent files");
        settings_.Recent.Remove(path);
        FillRecentFiles();
        return;
    }
    documents_->Open(path);
}

void MainWindow::ShowDocumentMenu(DocumentWindow*, const QPoint& globalPos) {
    documentMenu_->popup(globalPos);
}

void MainWindow::RunCommand(Command command) {
    using C = Command;
    DocumentWindow* active = ActiveDocument();
    switch (command) {
        case C::New:
            documents_->New();
            break;
        case C::Open:
            documents_->OpenCommand();
            break;
        case C::Save:
            if (active != nullptr) documents_->Save(*active);
            break;
        case C::SaveAs:
            if (active != nullptr) documents_->SaveAs(*active);
            break;
        case C::Exit:
            close();
            break;
        case C::FullScreen:
            fullScreen_->ShowDocument(active);
            break;
        case C::SmoothLines:
            view_->SmoothLines();
            break;
        case C::EqualScales:
            view_->EqualScales();
            break;
        case C::StandardToolbar:
            SetToolbarShown(ToolbarId::Standard, !ToolbarShown(ToolbarId::Standard));
            break;
        case C::GraphToolbar:
            SetToolbarShown(ToolbarId::Graph, !ToolbarShown(ToolbarId::Graph));
            break;
        case C::CalculusToolbar:
            SetToolbarShown(ToolbarId::Calculus, !ToolbarShown(ToolbarId::Calculus));
            break;
        case C::Cascade:
            mdi_->cascadeSubWindows();
            break;
        case C::Tile:
            mdi_->tileSubWindows();
            break;
        case C::ArrangeIcons:
            ArrangeIcons();
            break;
        case C::MinimizeAll:
            MinimizeAll();
            break;
        case C::HelpContents:
            help_->ShowContents();
            break;
        case C::VisitHomePage:
            QDesktopServices::openUrl(QUrl(kHomePageUrl));
            break;
        case C::About:
            AboutDialog(this).exec();
            break;
        case C::AddGraph:
            graphs_->Add();
            break;
        case C::FinishCounting:
            graphs_->FinishCounting();
            break;
        case C::DrawGraphic:
            graphs_->ChangeStyle(StyleField::DrawGraphic, 0);
            break;
        case C::DrawLines:
            graphs_->ChangeStyle(StyleField::Lines, 0);
            break;
        case C::DrawPoints:
            graphs_->ChangeStyle(StyleField::Points, 0);
            break;
        case C::GraphProps:
            graphs_->Edit(GraphPage::Properties);
            break;
        case C::OtherProps:
            graphs_->Edit(GraphPage::AddProperties);
            break;
        case C::DeleteGraph:
            graphs_->Delete();
            break;
        case C::DoubleGraph:
            graphs_->Double();
            break;
        case C::Calculator:
            tools_->Calculator();
            break;
        case C::AnalyseFunction:
            tools_->AnalyseFunction();
            break;
        case C::Intersections:
            tools_->Intersections();
            break;
        case C::Integration:
            tools_->Integration();
            break;
        case C::Derivative:
            tools_->Derivative();
            break;
        case C::TangentNormal:
            tools_->TangentNormal();
            break;
        case C::Regression:
            tools_->Regression();
            break;
        case C::Trace:
            tools_->Trace();
            break;
        case C::Undo:
            undo_->Undo();
            break;
        case C::Redo:
            undo_->Redo();
            break;
        case C::IncreaseXY:
        case C::IncreaseY:
        case C::IncreaseX:
        case C::ReduceXY:
        case C::ReduceY:
        case C::ReduceX:
        case C::MoveLeft:
        case C::MoveRight:
        case C::MoveUp:
        case C::MoveDown:
            view_->ChangeView(command);
            break;
        case C::StandardIntervals:
            view_->StandardIntervals();
            break;
        case C::PlotOptions:
        case C::AxisOptions:
        case C::BackgroundOptions:
        case C::CommonOptions:
            view_->OptionsDialog(command);
            break;
        case C::GraphProperties:
            view_->DefaultGraphProperties();
            break;
        case C::StandardOptions:
            view_->StandardOptions();
            break;
        case C::SaveOptions:
            view_->SaveOptions();
            break;
        case C::Print:
            printing_->Print();
            break;
        case C::PageSetup:
            printing_->PageSetup();
            break;
        case C::Export:
            printing_->Export();
            break;
        case C::SaveAsBitmap:
            printing_->SaveAsBitmap();
            break;
        case C::CopyAsBitmap:
            printing_->CopyAsBitmap();
            break;
    }
}

void MainWindow::MinimizeAll() {
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
        (*it)->showMinimized();
}

void MainWindow::ArrangeIcons() {
    // Minimised windows in rows along the bottom, the next row above the last.
    const QSize area = mdi_->viewport()->size();
    int x = 0;
    int row = 1;
    for (QMdiSubWindow* window : mdi_->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized()) continue;
        const QSize s = window->size();
        if (x > 0 && x + s.width() > area.width()) {
            x = 0;
            ++row;
        }
        window->move(x, area.height() - row * s.height());
        x += s.width();
    }
}

}  // namespace plotwise
