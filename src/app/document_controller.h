// The File menu's document commands: New, Open, Save, Save As, the question before a
// document closes, and the questions of the shut-down.
#pragma once

#include <QString>

namespace plotwise {

class DocumentWindow;
class Feedback;
class FileDialogs;
class MainWindow;
class Messages;

class DocumentController {
  public:
    DocumentController(MainWindow& window, Messages& messages, FileDialogs& dialogs,
                       Feedback& feedback);

    // A new document from the saved options, named "Noname" with the first free number.
    void New();
    DocumentWindow* CreateWindow(const QString& name);
    void OpenCommand();
    // The document read whole into a new window, or null after the message.
    DocumentWindow* Open(const QString& path);
    bool Save(DocumentWindow& child);
    void SaveAs(DocumentWindow& child);
    // The question before a modified document closes; false keeps it open.
    bool QueryClose(DocumentWindow& child);
    // Asks about every modified document in window order; false when the user stopped.
    bool QueryShutDown();

  private:
    bool SaveWithDialog(DocumentWindow& child);
    // The document as its file now has it: unmodified, its history at the saved state.
    void Saved(DocumentWindow& child);

    MainWindow& window_;
    Messages& messages_;
    FileDialogs& dialogs_;
    Feedback& feedback_;
};

}  // namespace plotwise
