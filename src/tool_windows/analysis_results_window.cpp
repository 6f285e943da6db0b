#include "tool_windows/analysis_results_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "formula/number_input.h"
#include "plot/feedback.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/file_dialogs.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "services/program_settings.h"
#include "tool_windows/analysis_options_dialog.h"
#include "tool_windows/form_widgets.h"

namespace plotwise {
namespace {

constexpr int kTypeColumnWidth = 50;

QLabel* NewLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    return label;
}

QLineEdit* NewReadOnlyLine(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setReadOnly(true);
    return edit;
}

// The table back to its header and one empty row.
void ResetGrid(QTableWidget* grid) {
    grid->clearContents();
    grid->setRowCount(1);
}

AnalysisParams ParamsOf(const AnalysisSettings& s) {
    return {s.MinX,      s.MaxX,     s.FindZeroes,   s.FindExtremums,
            s.DigitsNum, s.StepsNum, s.UseDerivative};
}

void StoreParams(const AnalysisParams& p, AnalysisSettings& s) {
    s.MinX = p.MinX;
    s.MaxX = p.MaxX;
    s.FindZeroes = p.FindZeroes;
    s.FindExtremums = p.FindExtremums;
    s.DigitsNum = p.DigitsNum;
    s.StepsNum = p.StepsNum;
    s.UseDerivative = p.UseDerivative;
}

}  // namespace

AnalysisResultsWindow::AnalysisResultsWindow(Messages& messages, FileDialogs& dialogs,
                                             Feedback& feedback, QWidget* mainWindow,
                                             QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      dialogs_(dialogs),
      feedback_(feedback),
      mainWindow_(mainWindow) {
    setWindowTitle("Analysis results");
    SetHelpContext(this, 23);

    auto* parameters = new QGroupBox("Analysis Parameters", this);
    formulaEdit_ = NewReadOnlyLine("FormulaEdit", parameters);
    minXLabel_ = NewLabel("MinXLabel", parameters);
    maxXLabel_ = NewLabel("MaxXLabel", parameters);
    stepsNumLabel_ = NewLabel("StepsNumLabel", parameters);
    digitsNumLabel_ = NewLabel("DigitsNumLabel", parameters);
    derivativeEdit_ = NewReadOnlyLine("DerivativeEdit", parameters);
    auto* parameterGrid = new QGridLayout(parameters);
    parameterGrid->addWidget(formulaEdit_, 0, 0, 1, 2);
    parameterGrid->addWidget(minXLabel_, 1, 0);
    parameterGrid->addWidget(digitsNumLabel_, 1, 1);
    parameterGrid->addWidget(maxXLabel_, 2, 0);
    parameterGrid->addWidget(stepsNumLabel_, 2, 1);
    parameterGrid->addWidget(derivativeEdit_, 3, 0, 1, 2);

    nullsLabel_ = NewLabel("NullsLabel", this);
    extremumsLabel_ = NewLabel("ExtremumsLabel", this);
    // The tables keep their widths whatever the captions say; a long caption wraps.
    for (QLabel* caption : {nullsLabel_, extremumsLabel_}) {
        caption->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        caption->setWordWrap(true);
    }
    nullsGrid_ = NewResultsGrid("NullsStringGrid", {" X"}, this);
    nullsGrid_->horizontalHeader()->setStretchLastSection(true);
    extremumsGrid_ = NewResultsGrid("ExtremumsStringGrid", {"", " X", " Y"}, this);
    QHeaderView* header = extremumsGrid_->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, kTypeColumnWidth);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);

    progressBar_ = new QProgressBar(this);
    progressBar_->setObjectName("ProgressBar");
    progressBar_->setRange(0, 100);
    progressBar_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    copyButton_ = NewPlainButton("Copy to Clipboard", "CopyButton", this);
    saveButton_ = NewPlainButton("Save to File...", "SaveToFileButton", this);
    addButton_ = NewPlainButton("Add as Table Graph", "AddTableButton", this);
    closeButton_ = NewPlainButton("Close", "CloseButton", this);
    connect(copyButton_, &QPushButton::clicked, this, &AnalysisResultsWindow::CopyToClipboard);
    connect(saveButton_, &QPushButton::clicked, this, &AnalysisResultsWindow::SaveToFile);
    connect(addButton_, &QPushButton::clicked, this, [this] {
        if (ListedPoints().size() > static_cast<std::size_t>(kTableRows))
            messages_.Error(FieldMessage(kTableHoldsFirstPoints, "", std::nullopt));
        done(kAddGraphResult);
    });
    connect(nullsGrid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const std::vector<long double>& zeros = analysis_->ZeroValues();
        if (CentreOn && row >= 0 && static_cast<std::size_t>(row) < zeros.size())
            CentreOn(zeros[static_cast<std::size_t>(row)], 0);
    });
    connect(extremumsGrid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        const std::vector<ExtremumRow>& rows = analysis_->Extremums();
        if (CentreOn && row >= 0 && static_cast<std::size_t>(row) < rows.size())
            CentreOn(rows[static_cast<std::size_t>(row)].xValue,
                     rows[static_cast<std::size_t>(row)].yValue);
    });
    connect(closeButton_, &QPushButton::clicked, this, &AnalysisResultsWindow::reject);

    auto* tables = new QGridLayout;
    tables->addWidget(nullsLabel_, 0, 0);
    tables->addWidget(extremumsLabel_, 0, 1);
    tables->addWidget(nullsGrid_, 1, 0);
    tables->addWidget(extremumsGrid_, 1, 1);
    tables->setColumnStretch(0, 1);
    tables->setColumnStretch(1, 2);
    bottom_ = new QHBoxLayout;
    bottom_->addWidget(progressBar_, 1);
    bottom_->addWidget(copyButton_);
    bottom_->addWidget(saveButton_);
    bottom_->addWidget(addButton_);
    bottom_->addStretch(0);
    bottom_->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parameters);
    layout->addLayout(tables, 1);
    layout->addLayout(bottom_);
    resize(700, 500);
    SetRunning(false);
}

AnalysisResultsWindow::~AnalysisResultsWindow() = default;

int AnalysisResultsWindow::Execute(const std::string& formula, const AnalysisParams& params) {
    Prepare(formula, params);
    // Once the window is up, so that it shows the progress.
    QTimer::singleShot(0, this, &AnalysisResultsWindow::RunScans);
    return exec();
}

void AnalysisResultsWindow::Analyse(const std::string& formula, const AnalysisParams& params) {
    Prepare(formula, params);
    RunScans();
}

void AnalysisResultsWindow::Prepare(const std::string& formula, const AnalysisParams& params) {
    analysis_ = std::make_unique<FunctionAnalysis>(formula, params);
    SetRunning(true);
    formulaEdit_->setText(FromRecordText("Y(x)=" + formula));
    formulaEdit_->setCursorPosition(0);
    minXLabel_->setText(FromRecordText(analysis_->MinXText()));
    maxXLabel_->setText(FromRecordText(analysis_->MaxXText()));
    digitsNumLabel_->setText(FromRecordText(analysis_->DigitsText()));
    stepsNumLabel_->setText(FromRecordText(analysis_->StepsText()));
    derivativeEdit_->setText(FromRecordText(analysis_->DerivativeLine()));
    derivativeEdit_->setCursorPosition(0);
    nullsGrid_->setEnabled(params.FindZeroes);
    extremumsGrid_->setEnabled(params.FindExtremums);
    ResetGrid(nullsGrid_);
    ResetGrid(extremumsGrid_);
    zerosShown_ = 0;
    extremumsShown_ = 0;
    progressBar_->setValue(0);
    ShowResults();
}

void AnalysisResultsWindow::RunScans() {
    if (!analysis_ || !running_) return;
    repaint();
    // Esc is only looked for while the program is busy.
    feedback_.SetBusy(true);
    analysis_->Run([this](int percent) { return ShowProgress(percent); });
    feedback_.SetBusy(false);
    ShowResults();
    SetRunning(false);
    MarkResults();
}

void AnalysisResultsWindow::MarkResults() {
    PlotOverlay overlay;
    overlay.formula = analysis_->Formula();
    const std::vector<long double>& zeros = analysis_->ZeroValues();
    for (std::size_t i = 0; i < zeros.size(); ++i)
        overlay.marks.push_back({zeros[i], 0, analysis_->Zeros()[i]});
    for (const ExtremumRow& row : analysis_->Extremums())
        overlay.marks.push_back({row.xValue, row.yValue, row.x + "; " + row.y});
    addButton_->setEnabled(!overlay.marks.empty());
    if (ShowOverlay) ShowOverlay(overlay);
}

std::vector<std::pair<long double, long double>> AnalysisResultsWindow::ListedPoints() const {
    std::vector<std::pair<long double, long double>> points;
    if (!analysis_) return points;
    for (const std::string& x : analysis_->Zeros())
        points.emplace_back(StrToNum(x), 0);
    for (const ExtremumRow& row : analysis_->Extremums())
        points.emplace_back(StrToNum(row.x), StrToNum(row.y));
    return points;
}

bool AnalysisResultsWindow::ShowProgress(int percent) {
    progressBar_->setValue(percent);
    ShowResults();
    repaint();
    if (mainWindow_) mainWindow_->repaint();
    return feedback_.EscPressed();
}

void AnalysisResultsWindow::ShowResults() {
    nullsLabel_->setText(FromRecordText(analysis_->ZeroesCaption()));
    extremumsLabel_->setText(FromRecordText(analysis_->ExtremumsCaption()));
    const std::vector<std::string>& zeros = analysis_->Zeros();
    if (zeros.size() > zerosShown_) {
        nullsGrid_->setRowCount(static_cast<int>(zeros.size()));
        for (; zerosShown_ < zeros.size(); ++zerosShown_)
            SetGridCell(nullsGrid_, static_cast<int>(zerosShown_), 0, zeros[zerosShown_]);
    }
    const std::vector<ExtremumRow>& extremums = analysis_->Extremums();
    if (extremums.size() > extremumsShown_) {
        extremumsGrid_->setRowCount(static_cast<int>(extremums.size()));
        for (; extremumsShown_ < extremums.size(); ++extremumsShown_) {
            const ExtremumRow& row = extremums[extremumsShown_];
            const int r = static_cast<int>(extremumsShown_);
            SetGridCell(extremumsGrid_, r, 0, row.isMax ? "max" : "min");
            SetGridCell(extremumsGrid_, r, 1, row.x);
            SetGridCell(extremumsGrid_, r, 2, row.y);
        }
    }
}

void AnalysisResultsWindow::SetRunning(bool running) {
    running_ = running;
    copyButton_->setVisible(!running);
    saveButton_->setVisible(!running);
    addButton_->setVisible(!running);
    closeButton_->setVisible(!running);
    progressBar_->setVisible(running);
    // The free space goes to the bar while it shows, else between the buttons.
    bottom_->setStretch(0, running ? 1 : 0);
    bottom_->setStretch(4, running ? 0 : 1);
    layout()->activate();  // the scans let no layout request through until they end
    if (!running) closeButton_->setFocus();
}

void AnalysisResultsWindow::reject() {
    if (!running_) QDialog::reject();  // the analysis holds the window until it ends
}

void AnalysisResultsWindow::done(int result) {
    if (ShowOverlay) ShowOverlay({});
    QDialog::done(result);
}

void AnalysisResultsWindow::CopyToClipboard() {
    if (analysis_) CopyReport(analysis_->BuildReport(), messages_);
}

void AnalysisResultsWindow::SaveToFile() {
    if (analysis_)
        SaveReport(analysis_->BuildReport(), "Save Analysis Results", dialogs_, messages_);
}

FunctionAnalysisTool::FunctionAnalysisTool(QWidget* mainWindow, Messages& messages,
                                           FileDialogs& dialogs, Feedback& feedback)
    : mainWindow_(mainWindow),
      options_(new AnalysisOptionsDialog(messages, mainWindow)),
      results_(new AnalysisResultsWindow(messages, dialogs, feedback, mainWindow, mainWindow)) {}

FunctionAnalysisTool::~FunctionAnalysisTool() {
    delete options_.data();
    delete results_.data();
}

void FunctionAnalysisTool::Run(const std::vector<std::string>& graphFormulas,
                               AnalysisSettings& settings, Notation notation,
                               const std::string& start) {
    if (!start.empty()) formula_ = start;
    while (options_ && results_) {
        options_->SetNotation(notation);
        options_->SetFormulas(graphFormulas);
        options_->SetFields(formula_, ParamsOf(settings));
        if (options_->exec() != QDialog::Accepted) return;
        formula_ = options_->Formula();
        StoreParams(options_->Params(), settings);
        if (mainWindow_) mainWindow_->repaint();
        results_->ShowOverlay = ShowOverlay;
        results_->CentreOn = CentreOn;
        if (results_->Execute(formula_, options_->Params()) == kAddGraphResult && AddGraph &&
            AddGraph(PointsTableRecord(results_->ListedPoints(), Options)))
            return;
    }
}

}  // namespace plotwise
