// TMainForm: the program's main window. It holds the menus, the three toolbars, the status
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

#include "command_table.h"
#include "function_props.h"
#include "print_run.h"
#include "std_props_form.h"

class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QPrinter;
class QToolBar;

namespace plotwise {

class TFeedback;
class TFileDialogs;
class TFunction;
class TCalcForm;
class TDerivativeForm;
class TFullScreenForm;
class TFunctionAnalysisTool;
class TIntegralForm;
class TGraphToolbar;
class THelpWindow;
class TMDIChild;
class TMessages;
class TRegressForm;
class TShellFeedback;
class TShowBitmapSaveForm;
class TTangentForm;
class TTraceForm;

struct TMainFormSetup {
    QString programDir;    // where Plotwise.cfg and Plotwise.hlp are
    QString settingsFile;  // Plotwise.ini
    QString commandLine;   // the whole command line, the program's own name first
    bool hasArgument = false;
};

enum class TToolbar { Standard, Graph, Calculus };

// The style fields that the Graph toolbar's toggles and choosers change.
enum class TStyleField {
    DrawGraphic,
    Lines,
    Points,
    LineWidth,
    PointWidth,
    PointStyle,
    Color,
    Brush
};

class TMainForm final : public QMainWindow {
    Q_OBJECT

  public:
    // messages and dialogs: the services questions and file names come from; null for the
    // desktop's own.
    explicit TMainForm(const TMainFormSetup& setup, TMessages* messages = nullptr,
                       TFileDialogs* dialogs = nullptr);
    ~TMainForm() override;

    // Documents
    TMDIChild* CreateDocumentWindow(const QString& name);
    TMDIChild* OpenDocument(const QString& path);  // null when the file could not be read
    void NewDocument();
    void OpenCommand();
    bool SaveDocument(TMDIChild& child);
    void SaveDocumentAs(TMDIChild& child);
    // The question before a modified document closes; false keeps it open.
    bool QueryCloseDocument(TMDIChild& child);
    // Asks about every modified document in window order; false when the user stopped.
    bool QueryShutDown();

    TMDIChild* ActiveDocument() const;
    QList<TMDIChild*> Documents() const;  // in window order, none that is closing
    bool Started() const { return started_; }

    void UpdateMenuItems();

    // The Graph toolbar's list and style controls, kept in step with the active document.
    void RebuildGraphsList();
    void AddGraphsListItem(const TFunction& graph);
    void InsertGraphsListItem(int index, const TFunction& graph);
    void SetGraphsListItem(int index, const TFunction& graph);
    void DeleteGraphsListItem(int index);
    void SetGraphsListItemIndex(int index);
    void ShowGraphStyle(const TFunction* graph);  // null: the neutral style
    void SetGraphControlsEnabled(bool on);
    // Adds a graph from a record after the user confirmed it in the properties dialog;
    // false when refused or cancelled.
    bool AddGraphFromRecord(TFunctionProps record);
    // Edits a record in the graph properties dialog; false when cancelled. Tests replace it.
    std::function<bool(TFunctionProps& props, const QString& caption, TPropsPage page)> GraphEditor;
    TGraphToolbar* GraphToolbar() const { return graphToolbar_; }

    void RunCommand(TCommand command);
    void SetToolbarShown(TToolbar toolbar, bool shown);
    bool ToolbarShown(TToolbar toolbar) const;

    QAction* Action(TCommand command) const { return actions_[static_cast<int>(command)]; }
    QToolBar* Toolbar(TToolbar toolbar) const;
    // The printer Print draws on, kept with its settings for the run.
    QPrinter& Printer();
    QLabel* StatusPanel(int panel) const { return panels_[panel]; }
    TFeedback& Feedback() const;
    QMdiArea* MdiArea() const { return mdi_; }
    THelpWindow* HelpWindow() const { return help_; }
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
    bool SaveWithDialog(TMDIChild& child);
    void DocumentActivated(QMdiSubWindow* window);
    void AutoMaximize();
    void FillWindowMenu();
    void ShowDocumentMenu(TMDIChild* child, const QPoint& globalPos);
    void ArrangeIcons();
    void MinimizeAll();
    void SaveOptions();
    // Graph commands
    void AddGraphCommand();
    void AddEditedGraph(TMDIChild& child, const TFunctionProps& record);
    void DoubleGraphCommand();
    void DeleteGraphCommand();
    void EditGraphCommand(TPropsPage page);
    void ChangeGraphStyle(TStyleField field, int item);
    void FinishCounting();
    void RegressionCommand();
    TFunction* SelectedGraph() const;
    // Calculus tools
    std::vector<std::string> ActiveFunctionFormulas() const;  // non-empty Y(x) graphs
    void AnalyseFunctionCommand();
    void IntegrationCommand();
    void CalculatorCommand();
    void DerivativeCommand();
    std::function<bool(const TFunctionProps&)> ToolAddGraph();
    void TangentNormalCommand();
    void TraceCommand();
    // History and view interval
    void UndoCommand();
    void RedoCommand();
    void UpdateUndoMenu();  // the Edit menu's captions for the active document's history
    void ViewIntervalCommand(TCommand command);
    void StandardIntervalsCommand();
    // Options
    void OptionsDialogCommand(TCommand command);  // Plot, Axis, Background, Common
    // Paper and pixels
    void PrintCommand();
    void PageSetupCommand();
    void SaveAsBitmapCommand();
    void CopyAsBitmapCommand();
    void PrintDocumentOn(TMDIChild& child, QPrinter& printer);
    QImage MakeBitmap(TMDIChild& child, const QSize& size);  // null when it failed
    void DefaultGraphPropsCommand();
    void StandardOptionsCommand();
    bool RunPropsDialog(TFunctionProps& props, const QString& caption, TPropsPage page);
    QString OptionsFilePath() const;
    QMenu* AddMenu(const char* title, const char* hint);
    void WatchMenu(QMenu* menu);
    void AddMenuItems(QMenu* menu, std::initializer_list<TCommand> commands);

    TMainFormSetup setup_;
    std::unique_ptr<TMessages> ownMessages_;
    std::unique_ptr<TFileDialogs> ownDialogs_;
    TMessages* messages_;
    TFileDialogs* dialogs_;
    std::unique_ptr<TShellFeedback> feedback_;
    std::array<QAction*, kCommandCount> actions_{};
    std::array<QAction*, 3> toolbarMenuItems_{};  // the toolbars' context menu items
    std::array<QToolBar*, 3> toolbars_{};
    TGraphToolbar* graphToolbar_ = nullptr;
    std::array<QLabel*, 2> panels_{};
    QMdiArea* mdi_ = nullptr;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolbarMenu_ = nullptr;
    QMenu* documentMenu_ = nullptr;
    THelpWindow* help_ = nullptr;
    TFullScreenForm* fullScreen_ = nullptr;
    std::unique_ptr<TFunctionAnalysisTool> analysis_;
    TIntegralForm* integral_ = nullptr;
    TCalcForm* calculator_ = nullptr;
    TDerivativeForm* derivative_ = nullptr;
    TTangentForm* tangent_ = nullptr;
    TRegressForm* regress_ = nullptr;
    QPointer<TMDIChild> toolDocument_;  // the document the open tool window works on
    TTraceForm* trace_ = nullptr;
    std::unique_ptr<QPrinter> printer_;
    TPageMargins margins_;
    QSize saveBitmapSize_{400, 200};
    QSize copyBitmapSize_{400, 200};
    TShowBitmapSaveForm* progress_ = nullptr;
    QPointer<TMDIChild> lastActivated_;
    bool started_ = false;
    bool startScheduled_ = false;
    bool destroying_ = false;
};

}  // namespace plotwise
