#include "tool_windows/intersection_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "formula/number_input.h"
#include "formula/number_text.h"
#include "plot/axis_transform.h"
#include "plot/feedback.h"
#include "plot/graph.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "tool_windows/form_widgets.h"

namespace plotwise {
namespace {

constexpr int kTypeColumnWidth = 50;
constexpr char kXAxis[] = "X axis";

}  // namespace

IntersectionWindow::IntersectionWindow(QWidget* parent, Messages& messages, FileDialogs& dialogs,
                                       Feedback& feedback, AddGraphCallback addGraph)
    : QDialog(parent),
      messages_(messages),
      dialogs_(dialogs),
      feedback_(feedback),
      addGraph_(std::move(addGraph)) {
    setWindowTitle("Intersections");
    SetHelpContext(this, 23);

    auto* parameters = new QGroupBox("Parameters", this);
    first_ = new QComboBox(parameters);
    first_->setObjectName("Graph1ComboBox");
    second_ = new QComboBox(parameters);
    second_->setObjectName("Graph2ComboBox");
    for (QComboBox* box : {first_, second_}) {
        box->setMinimumWidth(320);
        box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    minX_ = NewNumberEdit("MinXEdit", parameters);
    maxX_ = NewNumberEdit("MaxXEdit", parameters);
    stepsNum_ = NewNumberEdit("StepsNumEdit", parameters);
    digitsNum_ = NewNumberEdit("DigitsNumEdit", parameters);
    stepsNum_->setText("200");
    digitsNum_->setText("2");
    auto* fields = new QFormLayout(parameters);
    fields->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    fields->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    fields->addRow("Between:", first_);
    fields->addRow("and", second_);
    fields->addRow("Minimum of X", minX_);
    fields->addRow("Maximum of X", maxX_);
    fields->addRow("Number of Steps", stepsNum_);
    fields->addRow("Accuracy (Decimal Signs)", digitsNum_);

    caption_ = new QLabel(this);
    caption_->setObjectName("IntersectionsLabel");
    grid_ = NewResultsGrid("IntersectionsStringGrid", {"", " X", " Y"}, this);
    QHeaderView* header = grid_->horizontalHeader();
    header->setSectionResizeMode(0, QHeaderView::Fixed);
    header->resizeSection(0, kTypeColumnWidth);
    header->setSectionResizeMode(1, QHeaderView::Stretch);
    header->setSectionResizeMode(2, QHeaderView::Stretch);
    connect(grid_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) {
        if (result_ && CentreOn && row >= 0 &&
            static_cast<std::size_t>(row) < result_->Rows().size()) {
            const IntersectionRow& point = result_->Rows()[static_cast<std::size_t>(row)];
            CentreOn(point.xValue, point.yValue);
        }
    });

    auto* calculate = new QPushButton("Calculate", this);
    calculate->setObjectName("OKButton");
    calculate->setDefault(true);
    connect(calculate, &QPushButton::clicked, this, &IntersectionWindow::Calculate);
    copyButton_ = NewPlainButton("Copy to Clipboard", "CopyButton", this);
    saveButton_ = NewPlainButton("Save to File...", "SaveToFileButton", this);
    addButton_ = NewPlainButton("Add as Table Graph", "AddTableButton", this);
    auto* close = NewPlainButton("Close", "CloseButton", this);
    connect(copyButton_, &QPushButton::clicked, this, &IntersectionWindow::CopyToClipboard);
    connect(saveButton_, &QPushButton::clicked, this, &IntersectionWindow::SaveToFile);
    connect(addButton_, &QPushButton::clicked, this, &IntersectionWindow::AddAsTable);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton_);
    buttons->addWidget(saveButton_);
    buttons->addWidget(addButton_);
    buttons->addStretch();
    buttons->addWidget(calculate);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(parameters);
    layout->addWidget(caption_);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(620, 520);
}

IntersectionWindow::~IntersectionWindow() = default;

void IntersectionWindow::Prepare(const std::vector<GraphRecord>& graphs, int selected,
                                 const OptionsRecord& options, Notation notation) {
    notation_ = notation;
    options_ = options;
    formulas_.clear();
    others_.clear();
    first_->clear();
    second_->clear();
    int start = 0;
    for (const std::uint8_t kind : {kYOfX, kXOfY}) {
        for (std::size_t i = 0; i < graphs.size(); ++i) {
            if (graphs[i].Kind != kind || IsEmptyRecord(graphs[i])) continue;
            const QString entry = FromRecordText(GraphEntryText(graphs[i]));
            if (kind == kYOfX) {
                if (static_cast<int>(i) == selected) start = static_cast<int>(formulas_.size());
                formulas_.push_back(graphs[i].Formula().Text());
                first_->addItem(entry);
            }
            others_.emplace_back(graphs[i].Formula().Text(), kind == kXOfY);
            second_->addItem(entry);
        }
    }
    second_->addItem(kXAxis);
    first_->setCurrentIndex(formulas_.empty() ? -1 : start);
    // The next graph, or the axis when there is no other.
    second_->setCurrentIndex(others_.size() < 2 ? second_->count() - 1
                                                : (start + 1) % static_cast<int>(others_.size()));
    minX_->setText(FromRecordText(NumToStr(ForwardX(options, options.MinX))));
    maxX_->setText(FromRecordText(NumToStr(ForwardX(options, options.MaxX))));
    result_.reset();
    ShowRows();
    first_->setFocus();
}

void IntersectionWindow::Execute(const std::vector<GraphRecord>& graphs, int selected,
                                 const OptionsRecord& options, Notation notation) {
    Prepare(graphs, selected, options, notation);
    while (exec() == kAddGraphResult) {
        if (addGraph_(PointsRecord())) break;
        ShowRows();  // cancelled: the same fields, results and marks again
    }
}

void IntersectionWindow::Calculate() {
    const int a = first_->currentIndex();
    const int b = second_->currentIndex();
    if (a < 0 || static_cast<std::size_t>(a) >= formulas_.size()) {
        messages_.Error(kNoFunctionGraph);
        return;
    }
    if (a == b) {
        messages_.Error(kSameGraphs);
        second_->setFocus();
        return;
    }
    AnalysisInput input;
    input.minX = FieldText(minX_->text());
    input.maxX = FieldText(maxX_->text());
    input.stepsNum = FieldText(stepsNum_->text());
    input.digitsNum = FieldText(digitsNum_->text());
    const IntersectionCheck check = CheckIntersectionInput(input, notation_);
    const std::pair<AnalysisField, QLineEdit*> fields[] = {{AnalysisField::MinX, minX_},
                                                           {AnalysisField::MaxX, maxX_},
                                                           {AnalysisField::StepsNum, stepsNum_},
                                                           {AnalysisField::DigitsNum, digitsNum_}};
    if (check.field != AnalysisField::None) {
        messages_.Error(FieldMessage(check.message, "", std::nullopt));
        for (const auto& [field, edit] : fields)
            if (field == check.field) edit->setFocus();
        return;
    }
    const std::size_t second = static_cast<std::size_t>(b);
    const bool axis = second >= others_.size();
    result_ = std::make_unique<Intersections>(formulas_[static_cast<std::size_t>(a)],
                                              axis ? std::string() : others_[second].first,
                                              check.params, !axis && others_[second].second);
    feedback_.SetBusy(true);
    result_->Run([this](int) { return feedback_.EscPressed(); });
    feedback_.SetBusy(false);
    ShowRows();
}

void IntersectionWindow::ShowRows() {
    grid_->clearContents();
    grid_->setRowCount(1);
    caption_->setText(result_ ? FromRecordText(result_->Caption()) : QString("Intersections: "));
    PlotOverlay overlay;
    if (result_) {
        const std::vector<IntersectionRow>& rows = result_->Rows();
        grid_->setRowCount(std::max(1, static_cast<int>(rows.size())));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int r = static_cast<int>(i);
            SetGridCell(grid_, r, 0, rows[i].touching ? "touch" : "");
            SetGridCell(grid_, r, 1, rows[i].x);
            SetGridCell(grid_, r, 2, rows[i].y);
            overlay.marks.push_back({rows[i].xValue, rows[i].yValue, rows[i].x + "; " + rows[i].y});
        }
        overlay.formula = result_->First();
        overlay.otherFormula = result_->Second();
    }
    const bool any = result_ && !result_->Rows().empty();
    copyButton_->setEnabled(result_ != nullptr);
    saveButton_->setEnabled(result_ != nullptr);
    addButton_->setEnabled(any);
    Overlay(overlay);
}

void IntersectionWindow::Overlay(const PlotOverlay& overlay) {
    if (ShowOverlay) ShowOverlay(overlay);
}

GraphRecord IntersectionWindow::PointsRecord() const {
    std::vector<std::pair<long double, long double>> points;
    if (result_) {
        for (const IntersectionRow& row : result_->Rows())
            points.emplace_back(StrToNum(row.x), StrToNum(row.y));
    }
    return PointsTableRecord(points, options_);
}

void IntersectionWindow::AddAsTable() {
    if (!result_ || result_->Rows().empty()) return;
    if (result_->Rows().size() > static_cast<std::size_t>(kTableRows))
        messages_.Error(FieldMessage(kTableHoldsFirstPoints, "", std::nullopt));
    done(kAddGraphResult);
}

void IntersectionWindow::CopyToClipboard() {
    if (result_) CopyReport(result_->BuildReport(), messages_);
}

void IntersectionWindow::SaveToFile() {
    if (result_) SaveReport(result_->BuildReport(), "Save Intersections", dialogs_, messages_);
}

void IntersectionWindow::done(int result) {
    Overlay({});
    QDialog::done(result);
}

}  // namespace plotwise
