#include "tool_windows/form_widgets.h"

#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

#include "plot/graph_entry_text.h"
#include "plot/record_text.h"

namespace plotwise {

namespace {

constexpr int kFormulaMaxLength = 255;
constexpr int kNumberEditWidth = 130;

}  // namespace

QComboBox* NewFormulaComboBox(const char* name, int minimumWidth, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    // Enter runs the window's action; it must not add the typed formula to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(kFormulaMaxLength);
    box->setMinimumWidth(minimumWidth);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QLineEdit* NewNumberEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(kNumberEditWidth);
    return edit;
}

QHBoxLayout* NewButtonRow(QDialog* dialog, QPushButton* action) {
    auto* cancel = new QPushButton("Cancel", dialog);
    cancel->setObjectName("CancelButton");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(action);
    row->addWidget(cancel);
    return row;
}

void FillGraphList(QComboBox* box, const std::vector<GraphRecord>& graphs, int selected) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const GraphRecord& graph : graphs)
        box->addItem(FromRecordText(GraphEntryText(graph)));
    const bool inRange = selected >= 0 && static_cast<std::size_t>(selected) < graphs.size();
    box->setCurrentIndex(inRange ? selected : (graphs.empty() ? -1 : 0));
}

}  // namespace plotwise
