#include "tool_windows/tangent_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "plot/document.h"
#include "plot/graph.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "tool_windows/form_widgets.h"
#include "tools/tangent_tool.h"

namespace plotwise {
namespace {

constexpr int kListWidth = 300;

}  // namespace

TangentWindow::TangentWindow(QWidget* parent, Messages& messages, AddGraphCallback addGraph)
    : QDialog(parent), messages_(messages), addGraph_(std::move(addGraph)) {
    setWindowTitle("Tangent or Normal");
    SetHelpContext(this, 27);
    funcBox_ = new QComboBox(this);
    funcBox_->setObjectName("FuncComboBox");
    funcBox_->setMinimumWidth(kListWidth);

    auto* point = new QGroupBox("Point To Find Tangent/Normal", this);
    varLabel_ = new QLabel("X=", point);
    varLabel_->setObjectName("VarLabel");
    varEdit_ = NewNumberEdit("VarEdit", point);
    varEdit_->setText("0");
    varLabel_->setBuddy(varEdit_);
    piLabel_ = new QLabel("Pi", point);
    piLabel_->setObjectName("PiLabel");
    auto* pointRow = new QHBoxLayout(point);
    pointRow->addWidget(varLabel_);
    pointRow->addWidget(varEdit_);
    pointRow->addWidget(piLabel_);
    pointRow->addStretch();

    auto* find = new QGroupBox("Find", this);
    tangent_ = new QRadioButton("Tangent", find);
    tangent_->setObjectName("TangentRadioButton");
    tangent_->setChecked(true);
    normal_ = new QRadioButton("Normal", find);
    normal_->setObjectName("NormalRadioButton");
    auto* findRow = new QHBoxLayout(find);
    findRow->addWidget(tangent_);
    findRow->addWidget(normal_);

    addButton_ = new QPushButton("Add Graph", this);
    addButton_->setObjectName("AddFunctionButton");
    addButton_->setDefault(true);
    connect(addButton_, &QPushButton::clicked, this, &TangentWindow::OnAddGraph);
    connect(funcBox_, &QComboBox::currentIndexChanged, this, &TangentWindow::UpdateTangentControls);
    QHBoxLayout* buttons = NewButtonRow(this, addButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcBox_);
    layout->addWidget(point);
    layout->addWidget(find);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TangentWindow::Execute(const std::vector<GraphRecord>& graphs, int selected,
                            const OptionsRecord& options, Notation notation) {
    options_ = options;
    notation_ = notation;
    graphs_ = graphs;
    FillGraphList(funcBox_, graphs_, selected);
    UpdateTangentControls();
    funcBox_->setFocus();
    while (exec() == kAddGraphResult)
        if (addGraph_(pending_)) break;
}

void TangentWindow::UpdateTangentControls() {
    const int index = funcBox_->currentIndex();
    const bool chosen = index >= 0 && static_cast<std::size_t>(index) < graphs_.size();
    const GraphRecord* graph = chosen ? &graphs_[index] : nullptr;
    piLabel_->setVisible(graph != nullptr && graph->Kind == kPolarGraph);
    const char* refusal = nullptr;
    if (graph == nullptr || !HasDerivativeKind(graph->Kind))
        refusal = "It is impossible to plot a tangent/normal";
    else if (IsEmptyRecord(*graph))
        refusal = "Empty formula";
    varEdit_->setVisible(refusal == nullptr);
    addButton_->setEnabled(refusal == nullptr);
    varLabel_->setText(refusal != nullptr ? refusal : QString(KindVariable(graph->Kind)) + "=");
}

void TangentWindow::OnAddGraph() {
    const int index = funcBox_->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= graphs_.size()) return;
    long double value = 0;
    const std::string read = ReadNumberText(FieldText(varEdit_->text()), notation_);
    const std::string refused = CheckTangentValue(read, value);
    if (!refused.empty()) {
        messages_.Error(FromRecordText(refused));
        varEdit_->setFocus();
        return;
    }
    if (FieldText(varEdit_->text()) != read) varEdit_->setText(FromFieldText(read));
    const bool normal = normal_->isChecked();
    const TangentResult line = TangentLine(graphs_[index], value, normal);
    if (line.error != 0) {
        messages_.Error(FromRecordText(TangentErrorText(line.error, normal)));
        return;
    }
    pending_ = TangentRecord(line, options_);
    // At the limit the properties dialog is not reached: only its message shows.
    if (graphs_.size() >= kMaxGraphs) {
        addGraph_(pending_);
        return;
    }
    done(kAddGraphResult);
}

}  // namespace plotwise
