// The fields the tool windows share: a formula box that offers the document's functions
// and a fixed-width number field.
#pragma once

#include <vector>

#include "plot/graph_record.h"

class QComboBox;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace plotwise {

// Editable; what the user types is not added to the list, and a formula picked from the
// list is never cut (it may be as long as a graph record holds).
QComboBox* NewFormulaComboBox(const char* name, int minimumWidth, QWidget* parent);
QLineEdit* NewNumberEdit(const char* name, QWidget* parent);

// The window's action button and "Cancel" (which rejects the dialog) at the right of a row.
QHBoxLayout* NewButtonRow(QDialog* dialog, QPushButton* action);

// The graphs by their list texts, the given one selected (the first when there is no such
// graph), filled without signalling a change.
void FillGraphList(QComboBox* box, const std::vector<GraphRecord>& graphs, int selected);

}  // namespace plotwise
