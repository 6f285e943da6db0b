// Print, Page Setup, Save As Bitmap and Copy As Bitmap: the active document drawn on a
// printer page or into a bitmap, and given back to its window exactly as it was.
#include "app/print_controller.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocale>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <new>
#include <string>

#include "app/document_window.h"
#include "app/main_window.h"
#include "app/toolbar_icons.h"
#include "option_dialogs/output_dialogs.h"
#include "plot/bitmap_export.h"
#include "plot/document_file.h"
#include "plot/picture_export.h"
#include "services/file_dialogs.h"
#include "services/messages.h"

namespace plotwise {
namespace {

constexpr char kBitmapFilter[] = "Bitmap files  (*.bmp)|*.bmp|All files (*.*)|*.*";
constexpr char kExportFilter[] =
    "PNG picture (*.png)|*.png|SVG drawing (*.svg)|*.svg|PDF document (*.pdf)|*.pdf";

QPixmap ProgressPicture(Icon icon) {
    return IconOf(icon).pixmap(32, 32);
}

// The window closes whatever ends the command.
struct ProgressShown {
    ProgressWindow& form;
    ~ProgressShown() { form.hide(); }
};

}  // namespace

PrintController::PrintController(MainWindow& window, Messages& messages, FileDialogs& dialogs)
    : window_(window), messages_(messages), dialogs_(dialogs) {
    ChoosePrinter = [this](QPrinter& printer) {
        QPrintDialog dialog(&printer, &window_);
        dialog.setOption(QAbstractPrintDialog::PrintToFile);
        return dialog.exec() == QDialog::Accepted;
    };
    SetUpPage = [this](QPrinter& printer, PageMargins& margins) {
        const bool metric = QLocale::system().measurementSystem() == QLocale::MetricSystem;
        PageSetupDialog dialog(printer.pageLayout(), margins, metric, &window_);
        if (dialog.exec() != QDialog::Accepted) return false;
        const QPageLayout layout = dialog.Layout();
        printer.setPageSize(layout.pageSize());
        printer.setPageOrientation(layout.orientation());
        margins = dialog.Margins();
        return true;
    };
}

PrintController::~PrintController() = default;

ProgressWindow& PrintController::Progress() {
    if (progress_ == nullptr) progress_ = new ProgressWindow(&window_);
    return *progress_;
}

QPrinter& PrintController::Printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The margins are applied to the output area, so the page is drawn from its corner.
        printer_->setFullPage(true);
    }
    return *printer_;
}

void PrintController::PageSetup() {
    QPrinter& printer = Printer();
    // The desktop's dialog serves printers of its print service only.
    if (printer.outputFormat() != QPrinter::NativeFormat) {
        SetUpPage(printer, margins_);
        return;
    }
    const QMarginsF inches(margins_.left * 0.001, margins_.top * 0.001, margins_.right * 0.001,
                           margins_.bottom * 0.001);
    printer.setPageMargins(inches, QPageLayout::Inch);
    QPageSetupDialog dialog(&printer, &window_);
    if (dialog.exec() != QDialog::Accepted) return;
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Inch);
    const auto thousandths = [](qreal inches) {
        return std::max(0, static_cast<int>(std::lround(inches * 1000)));
    };
    margins_ = {thousandths(chosen.left()), thousandths(chosen.top()), thousandths(chosen.right()),
                thousandths(chosen.bottom())};
}

void PrintController::Print() {
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    if (child == nullptr) return;
    PrintSettings& settings = window_.Settings().Print;
    PrintOptionsDialog form(&window_);
    form.BlackAndWhiteCheckBox->setChecked(settings.BlackAndWhite);
    form.PageSetup = [this] { PageSetup(); };
    if (form.exec() != QDialog::Accepted) return;
    settings.BlackAndWhite = form.BlackAndWhiteCheckBox->isChecked();
    // The dialog's event loop may have let the document go.
    if (child == nullptr || window_.ActiveDocument() != child) return;
    QPrinter& printer = Printer();
    const QString chosen = printer.outputFileName();
    if (printer.outputFormat() == QPrinter::PdfFormat &&
        (chosen.isEmpty() || chosen == proposedPdf_)) {
        // Print to File proposes the document's name, beside its file (a new one's in the
        // home folder), rather than "print.pdf" wherever the program was started; a name the
        // user chose stays for the run.
        const Document& document = child->Doc();
        const QFileInfo file(QString::fromStdString(document.FileName));
        const QString folder = document.Named ? file.absolutePath() : QDir::homePath();
        proposedPdf_ = folder + "/" + QFileInfo(child->Caption()).completeBaseName() + ".pdf";
        printer.setOutputFileName(proposedPdf_);
    }
    if (!ChoosePrinter(printer)) return;
    if (child == nullptr || window_.ActiveDocument() != child) return;
    PrintDocumentOn(*child, Printer());
}

void PrintController::PrintDocumentOn(DocumentWindow& child, QPrinter& printer) {
    window_.repaint();
    Progress().ShowProgress(ProgressPicture(Icon::Print), "Printing...", "Printing");
    ProgressShown shown{Progress()};
    printer.setDocName(child.Caption());
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_.Error("The printer could not start the job");
        return;
    }
    PrintSetup setup;
    setup.scaleX = static_cast<long double>(printer.logicalDpiX()) / window_.logicalDpiX();
    setup.scaleY = static_cast<long double>(printer.logicalDpiY()) / window_.logicalDpiY();
    setup.blackAndWhite = window_.Settings().Print.BlackAndWhite;
    // A print service makes the copies chosen in the print dialog; a PDF file gets them drawn.
    if (!printer.supportsMultipleCopies()) setup.copies = std::clamp(printer.copyCount(), 1, 999);
    setup.output = PrintOutputRect(printer.width(), printer.height(), printer.logicalDpiX(),
                                   printer.logicalDpiY(), margins_);
    painter.end();  // the renderer opens its own painter on the page
    try {
        PrintDocument(child.Doc(), printer, setup);
    } catch (const std::bad_alloc&) {
        messages_.Error(kOutOfResources);
    }
    if (printer.printerState() == QPrinter::Error)
        messages_.Error("The printer reported an error; the page may be incomplete");
}

QImage PrintController::MakeBitmap(DocumentWindow& child, const QSize& size, bool smooth) {
    window_.repaint();
    QImage image = RenderBitmap(child.Doc(), size.width(), size.height(), smooth);
    if (image.isNull()) messages_.Error(kOutOfResources);
    return image;
}

void PrintController::SaveAsBitmap() {
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    if (child == nullptr) return;
    BitmapDialog form(&window_);
    form.ShowError = [this](const QString& text) { messages_.Error(text); };
    form.AskYesNo = [this](const QString& text) { return messages_.YesNo(text); };
    form.BrowseFileName = [this] {
        return dialogs_.SaveFileName("Save As Bitmap", QString(), kBitmapFilter, "bmp");
    };
    form.FileNameEdit->setText(BitmapNameOf(child->Caption()));
    form.SetBitmapSize(saveBitmapSize_);
    if (form.exec() != QDialog::Accepted) return;
    saveBitmapSize_ = form.BitmapSize();
    if (child == nullptr || window_.ActiveDocument() != child) return;
    Progress().ShowProgress(ProgressPicture(Icon::Save), "Creating bitmap...", "Save As Bitmap");
    ProgressShown shown{Progress()};
    const std::string name = form.FileName().toStdString();
    const bool smooth = IsPngName(name) && window_.Settings().View.SmoothLines;
    const QImage image = MakeBitmap(*child, saveBitmapSize_, smooth);
    if (image.isNull()) return;
    Progress().SetText("Saving bitmap...");
    if (!WriteBitmapFile(image, name, smooth)) messages_.Error(kFileWriteError);
}

void PrintController::CopyAsBitmap() {
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    if (child == nullptr) return;
    CopyBitmapDialog form(&window_);
    form.ShowError = [this](const QString& text) { messages_.Error(text); };
    form.SetBitmapSize(copyBitmapSize_);
    if (form.exec() != QDialog::Accepted) return;
    copyBitmapSize_ = form.BitmapSize();
    if (child == nullptr || window_.ActiveDocument() != child) return;
    Progress().ShowProgress(ProgressPicture(Icon::DoubleGraph), "Creating bitmap...",
                            "Copy As Bitmap");
    ProgressShown shown{Progress()};
    const bool smooth = window_.Settings().View.SmoothLines;
    const QImage image = MakeBitmap(*child, copyBitmapSize_, smooth);
    if (image.isNull()) return;
    Progress().SetText("Copying bitmap...");
    // Also as PNG and SVG files, which office programs and browsers paste.
    auto* data = new QMimeData;
    const QImage pasted = smooth ? image : ToColorTable(image);
    data->setImageData(pasted);
    const std::vector<unsigned char> png = EncodePng(pasted, smooth);
    data->setData("image/png", QByteArray(reinterpret_cast<const char*>(png.data()),
                                          static_cast<qsizetype>(png.size())));
    const std::vector<unsigned char> svg = EncodePicture(
        child->Doc(), PictureFormat::Svg, copyBitmapSize_.width(), copyBitmapSize_.height());
    data->setData("image/svg+xml", QByteArray(reinterpret_cast<const char*>(svg.data()),
                                              static_cast<qsizetype>(svg.size())));
    QApplication::clipboard()->setMimeData(data);
}

void PrintController::Export() {
    const QPointer<DocumentWindow> child(window_.ActiveDocument());
    if (child == nullptr) return;
    std::unique_ptr<BitmapDialog> form(BitmapDialog::ForExport(&window_));
    form->ShowError = [this](const QString& text) { messages_.Error(text); };
    form->AskYesNo = [this](const QString& text) { return messages_.YesNo(text); };
    form->BrowseFileName = [this] {
        return dialogs_.SaveFileName("Export", QString(), kExportFilter, "png");
    };
    QString proposed = BitmapNameOf(child->Caption());
    proposed.chop(4);
    form->FileNameEdit->setText(proposed + ".png");
    form->SetBitmapSize(exportSize_);
    if (form->exec() != QDialog::Accepted) return;
    exportSize_ = form->BitmapSize();
    if (child == nullptr || window_.ActiveDocument() != child) return;
    Progress().ShowProgress(ProgressPicture(Icon::Save), "Exporting...", "Export");
    ProgressShown shown{Progress()};
    window_.repaint();
    switch (WritePictureFile(child->Doc(), form->FileName().toStdString(), exportSize_.width(),
                             exportSize_.height())) {
        case PictureWrite::OutOfMemory:
            messages_.Error(kOutOfResources);
            break;
        case PictureWrite::WriteFailed:
            messages_.Error(kFileWriteError);
            break;
        default:
            break;
    }
}

}  // namespace plotwise
