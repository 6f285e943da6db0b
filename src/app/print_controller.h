// Print, Page Setup, Save As Bitmap and Copy As Bitmap: the active document drawn on a
// printer page or into a bitmap, and given back to its window exactly as it was.
#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "plot/print_run.h"

class QPrinter;

namespace plotwise {

class DocumentWindow;
class FileDialogs;
class MainWindow;
class Messages;
class ProgressWindow;

class PrintController {
  public:
    PrintController(MainWindow& window, Messages& messages, FileDialogs& dialogs);
    ~PrintController();

    void Print();
    void PageSetup();
    void SaveAsBitmap();
    void CopyAsBitmap();
    void Export();
    // The printer Print draws on, kept with its settings for the run.
    QPrinter& Printer();
    void PrintDocumentOn(DocumentWindow& child, QPrinter& printer);
    PageMargins Margins() const { return margins_; }

    // The desktop's print dialog on the printer (printer, copies, "Print to File (PDF)");
    // false when cancelled. Tests put in a choice of their own.
    std::function<bool(QPrinter&)> ChoosePrinter;
    // Plotwise's own page setup, used where the desktop's needs a printer service; false
    // when cancelled.
    std::function<bool(QPrinter&, PageMargins&)> SetUpPage;

  private:
    // Null when it failed; smooth for a PNG file or the clipboard while Smooth Lines is on.
    QImage MakeBitmap(DocumentWindow& child, const QSize& size, bool smooth);
    ProgressWindow& Progress();

    MainWindow& window_;
    Messages& messages_;
    FileDialogs& dialogs_;
    std::unique_ptr<QPrinter> printer_;
    PageMargins margins_;
    QSize saveBitmapSize_{400, 200};
    QSize copyBitmapSize_{400, 200};
    QSize exportSize_{800, 600};
    QString proposedPdf_;  // the file Print to File proposed last
    ProgressWindow* progress_ = nullptr;
};

}  // namespace plotwise
