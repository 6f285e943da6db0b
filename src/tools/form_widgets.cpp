#include "form_widgets.h"

#include <QComboBox>
#include <QLineEdit>

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

}  // namespace plotwise
