// The fields the tool windows share: a formula box that offers the document's functions
// and a fixed-width number field.
#pragma once

class QComboBox;
class QLineEdit;
class QWidget;

namespace plotwise {

// Editable; what the user types is not added to the list, and a formula picked from the
// list is never cut (it may be as long as a graph record holds).
QComboBox* NewFormulaComboBox(const char* name, int minimumWidth, QWidget* parent);
QLineEdit* NewNumberEdit(const char* name, QWidget* parent);

}  // namespace plotwise
