// MainWindow: the program's main window. It holds the menus, the three toolbars, the status
// bar and the document windows, and runs start-up, the document commands and shut-down.
#pragma once

#include <QImage>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/command_table.h"
#include "graph_dialog/graph_dialog.h"
#include "plot/graph_record.h"
#include "plot/print_run.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace plotwise {

class Feedback;
class FileDialogs;
class Graph;
class CalculatorWindow;
class DerivativeWindow;
class FullScreenWindow;
class FunctionAnalysisTool;
class IntegralWindow;
class GraphToolbar;
class HelpWindow;
class DocumentWindow;
class Messages;
class RegressionWindow;
class ShellFeedback;
class ProgressWindow;
class TangentWindow;
class TraceWindow;

struct MainWindowSetup {
    QString programDir;    // where Plotwise.cfg and Plotwise.hlp are
    QString settingsFile;  // Plotwise.ini
    QString commandLine;   // the whole command line, the program's own name first
    bool hasArgument = false;
};

enum class ToolbarId { Standard, Graph, Calculus };

// The style fields that the Graph toolbar's toggles and choosers change.
enum class StyleField {
    DrawGraphic,
    Lines,
    Points,
    LineWidth,
    PointWidth,
    PointStyle,
    Color,
    Brush
};

class MainWindow final : public QMainWindow {
    Q_OBJECT

  public:
    // messages and dialogs: the services questions and file names come from; null for the
    // desktop's own.
    explicit MainWindow(const MainWindowSetup& setup, Messages* messages = nullptr,
                        FileDialogs* dialogs = nullptr);
    ~MainWindow() override;

    // Documents
    DocumentWindow* CreateDocumentWindow(const QString& name);
    DocumentWindow* OpenDocument(const QString& path);  // null when the file could not be read
    void NewDocument();
    void OpenCommand();
    bool SaveDocument(DocumentWindow& child);
    void SaveDocumentAs(DocumentWindow& child);
    // The question before a modified document closes; false keeps it open.
    bool QueryCloseDocument(DocumentWindow& child);
    // Asks about every modified document in window order; false when the user stopped.
    bool QueryShutDown();

    DocumentWindow* ActiveDocument() const;
    QList<DocumentWindow*> Documents() const;  // in window order, none that is closing
    bool Started() const { return started_; }

    void UpdateMenuItems();

    // The Graph toolbar's list and style controls, kept in step with the active document.
    void RebuildGraphsList();
    void AddGraphsListItem(const Graph& graph);
    void InsertGraphsListItem(int index, const Graph& graph);
    void SetGraphsListItem(int index, const Graph& graph);
    void DeleteGraphsListItem(int index);
    void SetGraphsListItemIndex(int index);
    void ShowGraphStyle(const Graph* graph);  // null: the neutral style
    void SetGraphControlsEnabled(bool on);
    // Adds a graph from a record after the user confirmed it in the properties dialog;
    // false when refused or cancelled.
    bool AddGraphFromRecord(GraphRecord record);
    // Edits a record in the graph properties dialog; false when cancelled. Tests replace it.
    std::function<bool(GraphRecord& props, const QString& caption, GraphPage page)> GraphEditor;
    GraphToolbar* GraphBar() const { return graphToolbar_; }

    void RunCommand(Command command);
    void SetToolbarShown(ToolbarId toolbar, bool shown);
    bool ToolbarShown(ToolbarId toolbar) const;

    QAction* Action(Command command) const { return actions_[static_cast<int>(command)]; }
    QToolBar* Toolbar(ToolbarId toolbar) const;
    // The printer Print draws on, kept with its settings for the run.
    QPrinter& Printer();
    QLabel* StatusPanel(int panel) const { return panels_[panel]; }
    Feedback& Reporter() const;
    QMdiArea* MdiArea() const { return mdi_; }
    HelpWindow* Help() const { return help_; }
    QMenu* createPopupMenu() override;  // the toolbars' context menu

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void CreateActions();
    void CreateMenus();
    void CreateToolbars();
    void ConnectGraphToolbar();
    void CreateStatusBar();
    void LoadSettings();
    void SaveSettings();
    void StartUp();
    void FinishShutDown();
    bool SaveWithDialog(DocumentWindow& child);
    void DocumentActivated(QMdiSubWindow* window);
    void AutoMaximize();
    void FillWindowMenu();
    void ShowDocumentMenu(DocumentWindow* child, const QPoint& globalPos);
    void ArrangeIcons();
    void MinimizeAll();
    void SaveOptions();
    // Graph commands
    void AddGraphCommand();
    void AddEditedGraph(DocumentWindow& child, const GraphRecord& record);
    void DoubleGraphCommand();
    void DeleteGraphCommand();
    void EditGraphCommand(GraphPage page);
    void ChangeGraphStyle(StyleField field, int item);
    void FinishCounting();
    void RegressionCommand();
    Graph* SelectedGraph() const;
    // Calculus tools
    std::vector<std::string> ActiveFunctionFormulas() const;  // non-empty Y(x) graphs
    void AnalyseFunctionCommand();
    void IntegrationCommand();
    void CalculatorCommand();
    void DerivativeCommand();
    std::function<bool(const GraphRecord&)> ToolAddGraph();
    void TangentNormalCommand();
    void TraceCommand();
    // History and view interval
    void UndoCommand();
    void RedoCommand();
    void UpdateUndoMenu();  // the Edit menu's captions for the active document's history
    void ViewIntervalCommand(Command command);
    void StandardIntervalsCommand();
    // Options
    void OptionsDialogCommand(Command command);  // Plot, Axis, Background, Common
    // Paper and pixels
    void PrintCommand();
    void PageSetupCommand();
    void SaveAsBitmapCommand();
    void CopyAsBitmapCommand();
    void PrintDocumentOn(DocumentWindow& child, QPrinter& printer);
    QImage MakeBitmap(DocumentWindow& child, const QSize& size);  // null when it failed
    void DefaultGraphPropsCommand();
    void StandardOptionsCommand();
    bool RunPropsDialog(GraphRecord& props, const QString& caption, GraphPage page);
    QString OptionsFilePath() const;
    QMenu* AddMenu(const char* title, const char* hint);
    void WatchMenu(QMenu* menu);
    void AddMenuItems(QMenu* menu, std::initializer_list<Command> commands);

    MainWindowSetup setup_;
    std::unique_ptr<Messages> ownMessages_;
    std::unique_ptr<FileDialogs> ownDialogs_;
    Messages* messages_;
    FileDialogs* dialogs_;
    std::unique_ptr<ShellFeedback> feedback_;
    std::array<QAction*, kCommandCount> actions_{};
    std::array<QAction*, 3> toolbarMenuItems_{};  // the toolbars' context menu items
    std::array<QToolBar*, 3> toolbars_{};
    GraphToolbar* graphToolbar_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    QMdiArea* mdi_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolbarMenu_ = nullptr;
    QMenu* documentMenu_ = nullptr;
    HelpWindow* help_ = nullptr;
    FullScreenWindow* fullScreen_ = nullptr;
    std::unique_ptr<FunctionAnalysisTool> analysis_;
    IntegralWindow* integral_ = nullptr;
    CalculatorWindow* calculator_ = nullptr;
    DerivativeWindow* derivative_ = nullptr;
    TangentWindow* tangent_ = nullptr;
    RegressionWindow* regress_ = nullptr;
    QPointer<DocumentWindow> toolDocument_;  // the document the open tool window works on
    TraceWindow* trace_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    PageMargins margins_;
    QSize saveBitmapSize_{400, 200};
    QSize copyBitmapSize_{400, 200};
    ProgressWindow* progress_ = nullptr;
    QPointer<DocumentWindow> lastActivated_;
    bool started_ = false;
    bool startScheduled_ = false;
    bool destroying_ = false;
};

}  // namespace plotwise
