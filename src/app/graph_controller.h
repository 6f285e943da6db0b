// The Graph toolbar's commands and the Plot menu: adding, doubling, editing, restyling and
// deleting graphs of the active document, and completing interrupted computations. The
// document tells the Graph toolbar and the undo history what changed.
#pragma once

#include <QString>
#include <functional>

#include "graph_dialog/graph_dialog.h"
#include "plot/graph_record.h"

namespace plotwise {

class DocumentWindow;
class Graph;
class GraphToolbar;
class MainWindow;
class Messages;

// The style fields that the Graph toolbar's toggles and choosers change.
enum class StyleField {
    DrawGraphic,
    Lines,
    Points,
    LineWidth,
    PointWidth,
    PointStyle,
    Color,
    Brush
};

class GraphController {
  public:
    GraphController(MainWindow& window, Messages& messages, GraphToolbar& toolbar);

    void Add();
    // Adds a graph from a record after the user confirmed it in the properties dialog;
    // false when refused or cancelled.
    bool AddFromRecord(GraphRecord record);
    void Double();
    void Delete();
    void Edit(GraphPage page);
    void ChangeStyle(StyleField field, int item);
    void FinishCounting();

    // Edits a record in the graph properties dialog; false when cancelled. Tests replace it.
    std::function<bool(GraphRecord& record, const QString& caption, GraphPage page)> GraphEditor;

  private:
    bool RunPropsDialog(GraphRecord& record, const QString& caption, GraphPage page);

    MainWindow& window_;
    Messages& messages_;
    GraphToolbar& toolbar_;
};

}  // namespace plotwise
