// Print, Page Setup, Save As Bitmap and Copy As Bitmap: the active document drawn on a
// printer page or into a bitmap, and given back to its window exactly as it was.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPointer>
#include <QPrinter>
#include <new>

#include "bitmap_export.h"
#include "document_file.h"
#include "document_window.h"
#include "file_dialogs.h"
#include "main_form.h"
#include "messages.h"
#include "print_forms.h"
#include "program_settings.h"
#include "toolbar_icons.h"

namespace plotwise {
namespace {

constexpr char kBitmapFilter[] = "Bitmap files  (*.bmp)|*.bmp|All files (*.*)|*.*";

QPixmap ProgressPicture(TIcon icon) {
    return IconOf(icon).pixmap(32, 32);
}

// The window closes whatever ends the command.
struct TProgressShown {
    TShowBitmapSaveForm& form;
    ~TProgressShown() { form.hide(); }
};

}  // namespace

QPrinter& TMainForm::Printer() {
    if (printer_ == nullptr) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The margins are applied to the output area, so the page is drawn from its corner.
        printer_->setFullPage(true);
    }
    return *printer_;
}

void TMainForm::PageSetupCommand() {
    QPrinter& printer = Printer();
    const QMarginsF inches(margins_.left * 0.001, margins_.top * 0.001, margins_.right * 0.001,
                           margins_.bottom * 0.001);
    printer.setPageMargins(inches, QPageLayout::Inch);
    QPageSetupDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    const QMarginsF chosen = printer.pageLayout().margins(QPageLayout::Inch);
    const auto thousandths = [](qreal inches) {
        return std::max(0, static_cast<int>(std::lround(inches * 1000)));
    };
    margins_ = {thousandths(chosen.left()), thousandths(chosen.top()), thousandths(chosen.right()),
                thousandths(chosen.bottom())};
}

void TMainForm::PrintCommand() {
    const QPointer<TMDIChild> child(ActiveDocument());
    if (child == nullptr) return;
    TPrintOptForm form(this);
    form.BlackAndWhiteCheckBox->setChecked(ProgramSettings.Print.BlackAndWhite);
    form.PageSetup = [this] { PageSetupCommand(); };
    if (form.exec() != QDialog::Accepted) return;
    ProgramSettings.Print.BlackAndWhite = form.BlackAndWhiteCheckBox->isChecked();
    // The dialog's event loop may have let the document go.
    if (child == nullptr || ActiveDocument() != child) return;
    PrintDocumentOn(*child, Printer());
}

void TMainForm::PrintDocumentOn(TMDIChild& child, QPrinter& printer) {
    repaint();
    if (progress_ == nullptr) progress_ = new TShowBitmapSaveForm(this);
    progress_->ShowProgress(ProgressPicture(TIcon::Print), "Printing...", "Printing");
    TProgressShown shown{*progress_};
    printer.setDocName(child.Caption());
    QPainter painter;
    if (!painter.begin(&printer)) {
        messages_->Error("The printer could not start the job");
        return;
    }
    TPrintSetup setup;
    setup.scaleX = static_cast<long double>(printer.logicalDpiX()) / logicalDpiX();
    setup.scaleY = static_cast<long double>(printer.logicalDpiY()) / logicalDpiY();
    setup.blackAndWhite = ProgramSettings.Print.BlackAndWhite;
    setup.output = PrintOutputRect(printer.width(), printer.height(), printer.logicalDpiX(),
                                   printer.logicalDpiY(), margins_);
    painter.end();  // the renderer opens its own painter on the page
    try {
        PrintDocument(child.Document(), printer, setup);
    } catch (const std::bad_alloc&) {
        messages_->Error(kOutOfResources);
    }
    if (printer.printerState() == QPrinter::Error)
        messages_->Error("The printer reported an error; the page may be incomplete");
}

QImage TMainForm::MakeBitmap(TMDIChild& child, const QSize& size) {
    repaint();
    QImage image = RenderBitmap(child.Document(), size.width(), size.height());
    if (image.isNull()) messages_->Error(kOutOfResources);
    return image;
}

void TMainForm::SaveAsBitmapCommand() {
    const QPointer<TMDIChild> child(ActiveDocument());
    if (child == nullptr) return;
    TBitmapPropsForm form(this);
    form.ShowError = [this](const QString& text) { messages_->Error(text); };
    form.AskYesNo = [this](const QString& text) { return messages_->YesNo(text); };
    form.BrowseFileName = [this] {
        return dialogs_->SaveFileName("Save As Bitmap", QString(), kBitmapFilter, "bmp");
    };
    form.FileNameEdit->setText(BitmapNameOf(child->Caption()));
    form.SetBitmapSize(saveBitmapSize_);
    if (form.exec() != QDialog::Accepted) return;
    saveBitmapSize_ = form.BitmapSize();
    if (child == nullptr || ActiveDocument() != child) return;
    if (progress_ == nullptr) progress_ = new TShowBitmapSaveForm(this);
    progress_->ShowProgress(ProgressPicture(TIcon::Save), "Creating bitmap...", "Save As Bitmap");
    TProgressShown shown{*progress_};
    const QImage image = MakeBitmap(*child, saveBitmapSize_);
    if (image.isNull()) return;
    progress_->SetText("Saving bitmap...");
    if (!WriteBitmapFile(image, form.FileName().toStdString())) messages_->Error(kFileWriteError);
}

void TMainForm::CopyAsBitmapCommand() {
    const QPointer<TMDIChild> child(ActiveDocument());
    if (child == nullptr) return;
    TCopyBitmapForm form(this);
    form.ShowError = [this](const QString& text) { messages_->Error(text); };
    form.SetBitmapSize(copyBitmapSize_);
    if (form.exec() != QDialog::Accepted) return;
    copyBitmapSize_ = form.BitmapSize();
    if (child == nullptr || ActiveDocument() != child) return;
    if (progress_ == nullptr) progress_ = new TShowBitmapSaveForm(this);
    progress_->ShowProgress(ProgressPicture(TIcon::DoubleGraph), "Creating bitmap...",
                            "Copy As Bitmap");
    TProgressShown shown{*progress_};
    const QImage image = MakeBitmap(*child, copyBitmapSize_);
    if (image.isNull()) return;
    progress_->SetText("Copying bitmap...");
    QApplication::clipboard()->setImage(ToColorTable(image));
}

}  // namespace plotwise
