// MainWindow: the program's main window and the owner of what outlives a document: the
// program's settings, the options new documents start from, the menus, toolbars and status
// bar, the document windows, and the controllers that run the commands on them.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <memory>

#include "app/command_table.h"
#include "plot/options_record.h"
#include "services/program_settings.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;

namespace plotwise {

class DocumentController;
class DocumentWindow;
class Feedback;
class FileDialogs;
class FullScreenWindow;
class GraphController;
class GraphPanel;
class GraphToolbar;
class HelpWindow;
class Messages;
class PrintController;
class ShellFeedback;
class ToolController;
class UndoController;
class ViewController;

struct MainWindowSetup {
    // Where Plotwise.cfg and Plotwise.hlp are. An installed program (bin/ without the help
    // file) finds the help file in share/plotwise and keeps Plotwise.cfg beside Plotwise.ini.
    QString programDir;
    QString settingsFile;  // Plotwise.ini
    QString commandLine;   // the whole command line, the program's own name first
    bool hasArgument = false;
};

enum class ToolbarId { Standard, Graph, Calculus };

class MainWindow final : public QMainWindow {
    Q_OBJECT

  public:
    // messages and dialogs: the services questions and file names come from; null for the
    // desktop's own.
    explicit MainWindow(const MainWindowSetup& setup, Messages* messages = nullptr,
                        FileDialogs* dialogs = nullptr);
    ~MainWindow() override;

    DocumentWindow* ActiveDocument() const;
    QList<DocumentWindow*> Documents() const;  // in window order, none that is closing
    bool Started() const { return started_; }

    // The settings kept in Plotwise.ini, and the options of the active document (new
    // documents start from Plotwise.cfg): the option dialogs and view commands edit these
    // and apply them to the document.
    ProgramSettings& Settings() { return settings_; }
    OptionsRecord& CurrentOptions() { return options_; }
    QString OptionsFilePath() const;
    QString HelpFilePath() const;

    void RunCommand(Command command);
    QAction* Action(Command command) const { return actions_[static_cast<int>(command)]; }
    // Commands enabled by document and history, after either changed (the Graph toolbar
    // enables the commands on the selected graph).
    void UpdateCommandStates();

    DocumentController& DocumentCommands() { return *documents_; }
    GraphController& GraphCommands() { return *graphs_; }
    ViewController& ViewCommands() { return *view_; }
    UndoController& UndoCommands() { return *undo_; }
    ToolController& ToolCommands() { return *tools_; }
    PrintController& PrintCommands() { return *printing_; }

    GraphToolbar* GraphBar() const { return graphToolbar_; }
    GraphPanel* GraphList() const { return graphPanel_; }
    void SetToolbarShown(ToolbarId toolbar, bool shown);
    bool ToolbarShown(ToolbarId toolbar) const;
    QToolBar* Toolbar(ToolbarId toolbar) const;
    QLabel* StatusPanel(int panel) const { return panels_[panel]; }
    Feedback& Reporter() const;
    QMdiArea* MdiArea() const { return mdi_; }
    HelpWindow* Help() const { return help_; }
    QMenu* createPopupMenu() override;  // the toolbars' context menu
    void ShowDocumentMenu(DocumentWindow* child, const QPoint& globalPos);
    QMenu* DocumentMenu() const { return documentMenu_; }  // the plot's context menu
    void AutoMaximize();
    // A document just opened or saved goes first in the File menu's recent files.
    void RememberFile(const QString& path);
    // A recent file's item: opens it, or says it is gone and takes it off the list.
    void OpenRecent(const QString& path);
    QList<QAction*> RecentItems() const { return recentItems_; }

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // share/plotwise/Plotwise.hlp of an installed program; empty elsewhere.
    QString InstalledHelpFile() const;
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void ConnectGraphToolbar();
    void CreateStatusBar();
    void LoadSettings();
    void SaveSettings();
    void StartUp();
    void FinishShutDown();
    void DocumentActivated(QMdiSubWindow* window);
    void FillWindowMenu();
    void ArrangeIcons();
    void MinimizeAll();
    QMenu* AddMenu(const char* title, const char* hint);
    void WatchMenu(QMenu* menu);
    void AddMenuItems(QMenu* menu, std::initializer_list<Command> commands);
    void FillRecentFiles();

    MainWindowSetup setup_;
    ProgramSettings settings_;
    OptionsRecord options_;
    std::unique_ptr<Messages> ownMessages_;
    std::unique_ptr<FileDialogs> ownDialogs_;
    Messages* messages_;
    FileDialogs* dialogs_;
    std::unique_ptr<ShellFeedback> feedback_;
    std::array<QAction*, kCommandCount> actions_{};
    std::array<QAction*, 3> toolbarMenuItems_{};  // the toolbars' context menu items
    std::array<QToolBar*, 3> toolbars_{};
    GraphToolbar* graphToolbar_ = nullptr;
    GraphPanel* graphPanel_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    QMdiArea* mdi_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* recentEnd_ = nullptr;  // the separator after the recent files
    QList<QAction*> recentItems_;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolbarMenu_ = nullptr;
    QMenu* documentMenu_ = nullptr;
    HelpWindow* help_ = nullptr;
    FullScreenWindow* fullScreen_ = nullptr;
    std::unique_ptr<DocumentController> documents_;
    std::unique_ptr<GraphController> graphs_;
    std::unique_ptr<ViewController> view_;
    std::unique_ptr<UndoController> undo_;
    std::unique_ptr<ToolController> tools_;
    std::unique_ptr<PrintController> printing_;
    bool started_ = false;
    bool startScheduled_ = false;
    bool destroying_ = false;
};

}  // namespace plotwise
