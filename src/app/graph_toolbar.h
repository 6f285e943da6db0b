// The Graph toolbar: the list of the active document's graphs and the style controls of
// the selected one. The controls only mirror the selected graph; the main window runs the
// commands.
#pragma once

#include <QToolBar>
#include <functional>

#include "app/command_table.h"
#include "plot/graph_record.h"

class QComboBox;

namespace plotwise {

class ShadingComboBox;
class ColorComboBox;
class LineWidthComboBox;
class PointStyleComboBox;
class PointSizeComboBox;

class GraphToolbar final : public QToolBar {
    Q_OBJECT

  public:
    // actionOf gives the main window's action of each toggle and button.
    GraphToolbar(QWidget* parent, const std::function<QAction*(Command)>& actionOf);

    QComboBox* FuncComboBox = nullptr;
    LineWidthComboBox* LineWidthChooser = nullptr;
    ShadingComboBox* ShadingChooser = nullptr;
    PointSizeComboBox* PointSizeChooser = nullptr;
    PointStyleComboBox* PointStyleChooser = nullptr;
    ColorComboBox* ColorChooser = nullptr;

    // The list and the choosers; the buttons are commands of the main window.
    void SetListEnabled(bool on);
    // The style of a graph, or the neutral style for none (the toggles then keep their
    // state). Filled kinds swap the thickness chooser for the shading chooser.
    void ShowStyle(const GraphRecord* props);
    void RefillChoosers();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ShowShading(bool shading);

    std::function<QAction*(Command)> actionOf_;
    QAction* brushComboAction_ = nullptr;  // shown instead of the thickness chooser
    QAction* lineWidthComboAction_ = nullptr;
};

}  // namespace plotwise
