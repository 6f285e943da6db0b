// The fields the tool windows share: a formula box that offers the document's functions
// and a fixed-width number field.
#pragma once

#include <QStringList>
#include <string>
#include <vector>

#include "plot/graph_record.h"

class QComboBox;
class QTableWidget;
class QDialog;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QWidget;

namespace plotwise {

class FileDialogs;
class Messages;

// Editable; what the user types is not added to the list, and a formula picked from the
// list is never cut (it may be as long as a graph record holds).
QComboBox* NewFormulaComboBox(const char* name, int minimumWidth, QWidget* parent);
QLineEdit* NewNumberEdit(const char* name, QWidget* parent);

// The window's action button and "Cancel" (which rejects the dialog) at the right of a row.
QHBoxLayout* NewButtonRow(QDialog* dialog, QPushButton* action);

// The graphs by their list texts, the given one selected (the first when there is no such
// graph), filled without signalling a change.
void FillGraphList(QComboBox* box, const std::vector<GraphRecord>& graphs, int selected);

// A results table: read-only, one row selectable, no row numbers, one empty row to start.
QTableWidget* NewResultsGrid(const char* name, const QStringList& headers, QWidget* parent);
void SetGridCell(QTableWidget* grid, int row, int column, const std::string& text);
// A button that Enter does not press.
QPushButton* NewPlainButton(const char* text, const char* name, QWidget* parent);

// A results window's report: on the clipboard ("Copy error" when it does not get there), or
// in a text file the user names, every line ended in CR LF.
void CopyReport(const std::vector<std::string>& lines, Messages& messages);
void SaveReport(const std::vector<std::string>& lines, const QString& title, FileDialogs& dialogs,
                Messages& messages);

}  // namespace plotwise
