// The Graph toolbar: the list of the active document's graphs and the style controls of
// the selected one. It follows the document it is given through the document's own
// notifications; the controls only mirror the selected graph, the graph controller runs
// the commands.
#pragma once

#include <QToolBar>
#include <functional>

#include "app/command_table.h"
#include "plot/document.h"
#include "plot/graph_record.h"

class QComboBox;

namespace plotwise {

class ShadingComboBox;
class ColorComboBox;
class LineWidthComboBox;
class PointStyleComboBox;
class PointSizeComboBox;

class GraphToolbar final : public QToolBar, public DocumentObserver {
    Q_OBJECT

  public:
    // actionOf gives the main window's action of each toggle and button.
    GraphToolbar(QWidget* parent, const std::function<QAction*(Command)>& actionOf);
    ~GraphToolbar() override;

    // Lists the graphs of a document, the first one selected, and follows every change of
    // them until another document (or none) is given. The commands on the selected graph
    // are enabled while there is one.
    void Follow(Document* document);
    Document* Followed() const { return document_; }
    // The selected graph's position, -1 for none; the graph itself, null for none.
    int SelectedIndex() const;
    Graph* SelectedGraph() const;
    // Selects a graph (clamped to the list) and shows its style.
    void Select(int index);

    // A graph added or put back keeps the selection on the graph it was on; one taken out
    // moves it to its neighbour.
    void GraphInserted(std::size_t index) override;
    void GraphRemoved(std::size_t index, const GraphRecord& removed) override;
    void GraphReplaced(std::size_t index, const GraphRecord& previous) override;
    void GraphsReset() override;
    void DocumentDestroyed() override;

    QComboBox* GraphList = nullptr;
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
    void Rebuild();
    // The commands on the selected graph, the list and the style controls after the list
    // changed.
    void ListChanged(int selected);

    Document* document_ = nullptr;
    std::function<QAction*(Command)> actionOf_;
    QAction* brushComboAction_ = nullptr;  // shown instead of the thickness chooser
    QAction* lineWidthComboAction_ = nullptr;
};

}  // namespace plotwise
