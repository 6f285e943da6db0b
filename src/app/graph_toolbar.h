// The Graph toolbar: the list of the active document's graphs and the style controls of
// the selected one. The controls only mirror the selected graph; the main window runs the
// commands.
#pragma once

#include <QToolBar>
#include <functional>

#include "command_table.h"
#include "function_props.h"

class QComboBox;

namespace plotwise {

class TBrushComboBox;
class TColorComboBox;
class TLineWidthComboBox;
class TPointStyleComboBox;
class TPointWidthComboBox;

class TGraphToolbar final : public QToolBar {
    Q_OBJECT

  public:
    // actionOf gives the main window's action of each toggle and button.
    TGraphToolbar(QWidget* parent, const std::function<QAction*(TCommand)>& actionOf);

    QComboBox* FuncComboBox = nullptr;
    TLineWidthComboBox* LineWidthComboBox = nullptr;
    TBrushComboBox* BrushComboBox = nullptr;
    TPointWidthComboBox* PointWidthComboBox = nullptr;
    TPointStyleComboBox* PointStyleComboBox = nullptr;
    TColorComboBox* ColorComboBox = nullptr;

    // The list and the choosers; the buttons are commands of the main window.
    void SetListEnabled(bool on);
    // The style of a graph, or the neutral style for none (the toggles then keep their
    // state). Filled kinds swap the thickness chooser for the shading chooser.
    void ShowStyle(const TFunctionProps* props);
    void RefillChoosers();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowShading(bool shading);

    std::function<QAction*(TCommand)> actionOf_;
    QAction* brushComboAction_ = nullptr;  // shown instead of the thickness chooser
    QAction* lineWidthComboAction_ = nullptr;
};

}  // namespace plotwise
