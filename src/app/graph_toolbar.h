// The Graph toolbar: the list of the active document's graphs and the style controls of
// the selected one.
#pragma once

#include <QToolBar>
#include <functional>

#include "command_table.h"

class QComboBox;

namespace plotwise {

class TGraphToolbar final : public QToolBar {
    Q_OBJECT

  public:
    // actionOf gives the main window's action of each toggle and button.
    TGraphToolbar(QWidget* parent, const std::function<QAction*(TCommand)>& actionOf);

    QComboBox* FuncComboBox = nullptr;
    QComboBox* LineWidthComboBox = nullptr;
    QComboBox* BrushComboBox = nullptr;
    QComboBox* PointWidthComboBox = nullptr;
    QComboBox* PointStyleComboBox = nullptr;
    QComboBox* ColorComboBox = nullptr;

    void ClearGraphsList();
    // The list and the style choosers; the buttons are commands of the main window.
    void SetListEnabled(bool on);

    QAction* BrushComboAction = nullptr;      // shown instead of the thickness chooser
    QAction* LineWidthComboAction = nullptr;  // for the filled kinds
};

}  // namespace plotwise
