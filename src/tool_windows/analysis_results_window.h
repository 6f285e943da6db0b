// AnalysisResultsWindow: the "Analysis results" window, which runs an analysis as it opens, lists
// the zeros and extremums found and copies or saves the report; and FunctionAnalysisTool,
// the command that alternates it with the options dialog.
#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "plot/options_record.h"
#include "plot/plot_overlay.h"
#include "services/program_settings.h"
#include "tool_windows/derivative_window.h"
#include "tools/function_analysis.h"

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace plotwise {

class Feedback;
class FileDialogs;
class Messages;
class AnalysisOptionsDialog;

class AnalysisResultsWindow final : public QDialog {
    Q_OBJECT

  public:
    // mainWindow is repainted with this window while the analysis runs; it may be null.
    AnalysisResultsWindow(Messages& messages, FileDialogs& dialogs, Feedback& feedback,
                          QWidget* mainWindow, QWidget* parent = nullptr);
    ~AnalysisResultsWindow() override;

    // Shows the window modally and analyses formula as soon as it is up; the result is
    // kAddGraphResult when the user asked for the points as a table graph.
    int Execute(const std::string& formula, const AnalysisParams& params);
    // The analysis itself: the window shows the parameters, runs the scans with the progress
    // bar and Esc, and fills the tables. Execute calls it; tests may call it directly.
    void Analyse(const std::string& formula, const AnalysisParams& params);

    // The last analysis run (null before the first).
    const FunctionAnalysis* Analysis() const { return analysis_.get(); }

    void CopyToClipboard();
    void SaveToFile();

    // The zeros (on the axis) and extremums found, as listed, for "Add as Table Graph".
    std::vector<std::pair<long double, long double>> ListedPoints() const;

    // Told what to mark on the plot once the results are in; an empty overlay when the window
    // closes.
    std::function<void(const PlotOverlay&)> ShowOverlay;
    // Told to centre the view on a point of a list (a double click on its row).
    std::function<void(long double x, long double y)> CentreOn;

  protected:
    void reject() override;
    void done(int result) override;

  private:
    // The labels, the derivative line and empty tables for a new analysis.
    void Prepare(const std::string& formula, const AnalysisParams& params);
    void RunScans();
    bool ShowProgress(int percent);
    // Brings captions and tables up to what the analysis found so far.
    void ShowResults();
    void SetRunning(bool running);
    void MarkResults();

    Messages& messages_;
    FileDialogs& dialogs_;
    Feedback& feedback_;
    QPointer<QWidget> mainWindow_;
    std::unique_ptr<FunctionAnalysis> analysis_;
    bool running_ = false;
    std::size_t zerosShown_ = 0;
    std::size_t extremumsShown_ = 0;

    QLineEdit* formulaEdit_;
    QLabel* minXLabel_;
    QLabel* maxXLabel_;
    QLabel* stepsNumLabel_;
    QLabel* digitsNumLabel_;
    QLineEdit* derivativeEdit_;
    QLabel* nullsLabel_;
    QLabel* extremumsLabel_;
    QTableWidget* nullsGrid_;
    QTableWidget* extremumsGrid_;
    QProgressBar* progressBar_;
    QPushButton* copyButton_;
    QPushButton* saveButton_;
    QPushButton* addButton_;
    QPushButton* closeButton_;
    QHBoxLayout* bottom_;
};

// The "Analyse Function" command: the options dialog, then the results, again until the
// user cancels the options. The results window and the formula last analysed live as long
// as this object.
class FunctionAnalysisTool {
  public:
    FunctionAnalysisTool(QWidget* mainWindow, Messages& messages, FileDialogs& dialogs,
                         Feedback& feedback);
    ~FunctionAnalysisTool();
    FunctionAnalysisTool(const FunctionAnalysisTool&) = delete;
    FunctionAnalysisTool& operator=(const FunctionAnalysisTool&) = delete;

    // graphFormulas: the Formula of each non-empty Y(x) graph of the active document, in list
    // order. The options dialog starts from settings and keeps what was accepted there.
    // notation: how the options dialog reads what is typed. start: the formula of the graph
    // in hand, which the dialog starts with when given.
    void Run(const std::vector<std::string>& graphFormulas, AnalysisSettings& settings,
             Notation notation = Notation::Strict, const std::string& start = {});

    // Where the results go beyond the window: the plot's marks, the view, a table graph made
    // with the defaults of Options. Unset, they go nowhere.
    std::function<void(const PlotOverlay&)> ShowOverlay;
    std::function<void(long double x, long double y)> CentreOn;
    AddGraphCallback AddGraph;
    OptionsRecord Options{};

  private:
    QPointer<QWidget> mainWindow_;
    // Owned here; the main window parents them, so either may go first.
    QPointer<AnalysisOptionsDialog> options_;
    QPointer<AnalysisResultsWindow> results_;
    std::string formula_;
};

}  // namespace plotwise
