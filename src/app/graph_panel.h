// GraphPanel: a dockable list of the active document's graphs, each with its colour and a
// check box for "Draw graph". It follows the document it is given through the document's
// own notifications, as the Graph toolbar does; the main window's commands do the rest.
#pragma once

#include <QDockWidget>
#include <functional>

#include "plot/document.h"

class QListWidget;
class QMenu;

namespace plotwise {

class MainWindow;

class GraphPanel final : public QDockWidget, public DocumentObserver {
  public:
    explicit GraphPanel(QWidget* parent = nullptr);
    ~GraphPanel() override;

    // Lists the graphs of a document and follows every change of them until another
    // document (or none) is given.
    void Follow(Document* document);
    Document* Followed() const { return document_; }
    QListWidget* List() const { return list_; }
    // Marks a row as the selected one without telling anybody.
    void ShowSelected(int index);

    // What the user did to a row.
    std::function<void(int index)> OnSelect;
    std::function<void(int index, bool on)> OnDrawToggle;
    std::function<void(int index)> OnOpen;    // double click, Enter
    std::function<void(int index)> OnDelete;  // the Delete key
    // The graph to show selected after the list was filled again.
    std::function<int()> SelectedIndex;

    void GraphInserted(std::size_t index) override;
    void GraphRemoved(std::size_t index, const GraphRecord& removed) override;
    void GraphReplaced(std::size_t index, const GraphRecord& previous) override;
    void GraphsReset() override;
    void DocumentDestroyed() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Rebuild();
    void FillRow(int row);

    Document* document_ = nullptr;
    QListWidget* list_ = nullptr;
    bool filling_ = false;  // the list is changed by us, not by the user
};

// Makes the main window's graph panel, docked on the right, its item in the View menu, and
// ties it to the active document and the Graph toolbar's selection.
GraphPanel* CreateGraphPanel(MainWindow& window, QMenu& viewMenu);

}  // namespace plotwise
