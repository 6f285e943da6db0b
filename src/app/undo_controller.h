// Edit "Undo" and "Redo": the active document's history carried out step by step, and the
// Edit menu's captions for it.
#pragma once

namespace plotwise {

class MainWindow;

class UndoController {
  public:
    explicit UndoController(MainWindow& window) : window_(window) {}

    void Undo();
    void Redo();
    // The Edit menu's captions and switches for the active document's history.
    void UpdateMenu();

  private:
    MainWindow& window_;
};

}  // namespace plotwise
