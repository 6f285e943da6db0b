#include "tool_windows/regression_window.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "plot/document.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "services/program_settings.h"
#include "tool_windows/form_widgets.h"
#include "tools/regression_tool.h"

namespace plotwise {
namespace {

constexpr int kFormulaWidth = 360;
constexpr int kPowerEditWidth = 40;

struct FamilyButton {
    const char* name;
    const char* caption;
};

constexpr FamilyButton kFamilyButtons[] = {
    {"LineRadioButton", "Linear: y=a*x+b"},
    {"HiperbRadioButton", "Hyperbolic: y=a/x+b"},
    {"LogRadioButton", "Logarithmic: y=a*ln(x)+b"},
    {"PowerRadioButton", "Power: y=a*x^b"},
    {"ExpRadioButton", "Exponential: y=a*exp(b*x)"},
    {"ShowPowerRadioButton", "Exponential II: y=a*b^x"},
    {"PolynomRadioButton", "Polynomial: y=b+a1*x+a2*x^2+...+an*x^n"},
    {"BestRadioButton", "Best Fit Curve"},
};

}  // namespace

RegressionWindow::RegressionWindow(QWidget* parent, Messages& messages, AddGraphCallback addGraph)
    : QDialog(parent), messages_(messages), addGraph_(std::move(addGraph)) {
    setWindowTitle("Regression");
    SetHelpContext(this, 24);
    tableBox_ = new QComboBox(this);
    tableBox_->setObjectName("TableComboBox");
    formulaEdit_ = new QLineEdit(this);
    formulaEdit_->setObjectName("FormulaEdit");
    formulaEdit_->setReadOnly(true);
    formulaEdit_->setMinimumWidth(kFormulaWidth);
    auto* top = new QFormLayout;
    top->addRow("Y(x)=", tableBox_);
    top->addRow("", formulaEdit_);

    auto* goodness = new QGroupBox("Goodness of Fit", this);
    squareLabel_ = new QLabel(goodness);
    squareLabel_->setObjectName("SquareLabel");
    rSquaredLabel_ = new QLabel(goodness);
    rSquaredLabel_->setObjectName("RSquaredLabel");
    auto* goodnessColumn = new QVBoxLayout(goodness);
    goodnessColumn->addWidget(squareLabel_);
    goodnessColumn->addWidget(rSquaredLabel_);

    auto* type = new QGroupBox("Regression Type", this);
    auto* typeGrid = new QGridLayout(type);
    for (int k = 0; k < 8; ++k) {
        QRadioButton* button = new QRadioButton(kFamilyButtons[k].caption, type);
        button->setObjectName(kFamilyButtons[k].name);
        familyButtons_[k] = button;
        typeGrid->addWidget(button, k, 0);
        connect(button, &QRadioButton::clicked, this, [this, k] { OnFamilyClicked(k + 1); });
    }
    powerEdit_ = new QLineEdit(type);
    powerEdit_->setObjectName("PolynomPowerEdit");
    powerEdit_->setFixedWidth(kPowerEditWidth);
    powerEdit_->installEventFilter(this);
    auto* powerRow = new QHBoxLayout;
    auto* powerLabel = new QLabel("n=", type);
    powerLabel->setBuddy(powerEdit_);
    powerRow->addWidget(powerLabel);
    powerRow->addWidget(powerEdit_);
    powerRow->addStretch();
    typeGrid->addLayout(powerRow, kPolynomial - 1, 1);

    addButton_ = new QPushButton("Add Graph", this);
    addButton_->setObjectName("AddFunctionButton");
    connect(addButton_, &QPushButton::clicked, this, &RegressionWindow::OnAddGraph);
    connect(tableBox_, &QComboBox::currentIndexChanged, this,
            &RegressionWindow::RecomputeRegression);
    QHBoxLayout* buttons = NewButtonRow(this, addButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(goodness);
    layout->addWidget(type);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void RegressionWindow::Execute(const std::vector<GraphRecord>& graphs, int selected,
                               const OptionsRecord& options, RegressionSettings& settings) {
    options_ = options;
    settings_ = &settings;
    graphCount_ = graphs.size();
    tables_.clear();
    int start = 0;
    for (std::size_t i = 0; i < graphs.size(); ++i) {
        if (graphs[i].Kind != kTable) continue;
        if (static_cast<int>(i) == selected) start = static_cast<int>(tables_.size());
        tables_.push_back(graphs[i]);
    }
    FillGraphList(tableBox_, tables_, start);
    const int family = std::clamp(settings.RegressionType, int{kLinear}, int{kBestFit});
    familyButtons_[family - 1]->setChecked(true);
    powerEdit_->setText(QString::number(settings.PolynomPower));
    RecomputeRegression();
    tableBox_->setFocus();
    while (exec() == kAddGraphResult)
        if (addGraph_(pending_)) break;
    settings_ = nullptr;
}

void RegressionWindow::RecomputeRegression() {
    const int index = tableBox_->currentIndex();
    RegressionDisplay shown;
    shown.deviation = kNotEnoughNumbers;
    if (settings_ != nullptr && index >= 0 && static_cast<std::size_t>(index) < tables_.size()) {
        shown = plotwise::RecomputeRegression(tables_[index], settings_->RegressionType,
                                              settings_->PolynomPower);
    }
    formulaEdit_->setText(FromRecordText(shown.formula));
    squareLabel_->setText(FromRecordText(shown.deviation));
    rSquaredLabel_->setText(FromRecordText(shown.rSquared));
    addButton_->setEnabled(shown.fitted);
}

void RegressionWindow::OnFamilyClicked(int family) {
    if (settings_ != nullptr) settings_->RegressionType = family;
    RecomputeRegression();
}

bool RegressionWindow::ApplyPower() {
    int power = 0;
    if (!ReadPolynomPower(ToRecordText(powerEdit_->text()), power)) {
        messages_.Error(kPolynomPowerMessage);
        powerEdit_->setFocus();
        return false;
    }
    if (settings_ != nullptr) settings_->PolynomPower = power;
    RecomputeRegression();
    return true;
}

bool RegressionWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == powerEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QRadioButton* polynomial = familyButtons_[kPolynomial - 1];
            if (ApplyPower() && !polynomial->isChecked()) {
                polynomial->setChecked(true);
                OnFamilyClicked(kPolynomial);
            }
            return true;  // Enter here never presses a button
        }
    }
    // Leaving the edit for another control of this window; not when the window itself
    // loses the focus (a message box, or the window closing).
    if (watched == powerEdit_ && event->type() == QEvent::FocusOut && isVisible()) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) ApplyPower();
    }
    return QDialog::eventFilter(watched, event);
}

void RegressionWindow::OnAddGraph() {
    pending_ = RegressionRecord(ToRecordText(formulaEdit_->text()), options_);
    // At the limit the properties dialog is not reached: only its message shows.
    if (graphCount_ >= kMaxGraphs) {
        addGraph_(pending_);
        return;
    }
    done(kAddGraphResult);
}

}  // namespace plotwise
