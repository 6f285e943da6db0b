// The document leaving the screen: Page Setup without a print service, the gallery printed
// to a PDF file through the print dialog and drawn back by pdftoppm (inside the margins, in
// colour and in black and white, the copies as pages); Export and the clipboard's picture
// formats.
#include <gtest/gtest.h>

#include <QMimeData>

#include "../picture_match.h"
#include "main_window_fixture.h"
#include "option_dialogs/output_dialogs.h"

namespace plotwise {
namespace {

using testing_support::MainWindowTest;
using testing_support::OnNextModal;
using testing_support::PressOk;
using C = Command;

TEST_F(MainWindowTest, PrintsTheGalleryToPdfInsideTheMarginsInColourAndInBlackAndWhite) {
    Start();
    ASSERT_NE(window->DocumentCommands().Open(PLOTWISE_EXAMPLES "/gallery.plw"), nullptr);
    PrintController& printing = window->PrintCommands();
    printing.Printer().setOutputFormat(QPrinter::PdfFormat);  // no print service here
    OnNextModal<PageSetupDialog>([](PageSetupDialog& dialog) {
        dialog.LandscapeButton->setChecked(true);
        const bool mm = QLocale::system().measurementSystem() == QLocale::MetricSystem;
        dialog.MarginEdits[0]->setText(mm ? "25.4" : "1");  // one inch on the left
        PressOk(dialog);
    });
    Run(C::PageSetup);
    EXPECT_EQ(printing.Margins().left, 1000);
    const QString pdf = Path("page.pdf");
    bool accept = false;  // the first time, Cancel in the print dialog prints nothing
    int copies = 1;       // a PDF file gets them as pages
    printing.ChoosePrinter = [&](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        printer.setCopyCount(copies);
        return accept;
    };
    constexpr int kDpi = 40;  // of the page drawn back
    const std::string back = Path("page").toStdString();
    for (const bool blackAndWhite : {false, false, true}) {
        OnNextModal<PrintOptionsDialog>([blackAndWhite](PrintOptionsDialog& dialog) {
            dialog.BlackAndWhiteCheckBox->setChecked(blackAndWhite);
            dialog.accept();
        });
        copies = blackAndWhite ? 3 : 1;
        Run(C::Print);
        QFile file(pdf);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll().count("/Type /Page\n") : 0,
                  accept ? copies : 0);
        const QImage page =
            testing_support::Rasterise("pdftoppm -r " + std::to_string(kDpi) +
                                           " -png -singlefile " + pdf.toStdString() + " " + back,
                                       back + ".png");
        ASSERT_EQ(QFile::remove(pdf), accept);
        if (!std::exchange(accept, true)) continue;
        ASSERT_GT(page.width(), page.height());  // landscape
        const QRect inside(kDpi, kDpi / 2, page.width() - kDpi * 3 / 2, page.height() - kDpi);
        long ink = 0, colourful = 0, outside = 0;
        for (int i = 0; i < page.width() * page.height(); ++i) {
            const QPoint at(i % page.width(), i / page.width());
            const QRgb c = page.pixel(at);
            outside += !inside.adjusted(-1, -1, 1, 1).contains(at) && c != qRgb(255, 255, 255);
            ink += testing_support::IsInk(c);
            colourful += std::max({qRed(c), qGreen(c), qBlue(c)}) -
                             std::min({qRed(c), qGreen(c), qBlue(c)}) >
                         60;
        }
        EXPECT_EQ(outside, 0) << blackAndWhite;
        EXPECT_GT(ink, inside.width() * inside.height() / 50) << blackAndWhite;
        EXPECT_EQ(colourful > 100, !blackAndWhite) << colourful;
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();
}

TEST_F(MainWindowTest, ExportWritesTheTypeItsNameEndsInAndTheClipboardOffersPngAndSvg) {
    Start();
    ASSERT_NE(window->DocumentCommands().Open(PLOTWISE_EXAMPLES "/polar.plw"), nullptr);
    // clang-format off
    const struct { const char *name, *written; QByteArray start; QStringList shown; } cases[] = {
        {"pic.jpg", "pic.jpg", "", {"Error: " + QString(kExportTypeMessage)}},
        {"pic", "pic.png", "\x89PNG", {}}, {"pic.svg", "pic.svg", "<?xml", {}}, {"pic.PDF", "pic.PDF", "%PDF", {}},
        {"pic.svg", "pic.svg", "<?xml", {"Ask: File already exists. Overwrite it?"}}};
    // clang-format on
    for (const auto& c : cases) {
        messages.shown.clear();
        messages.answers = {Answer::Yes};
        OnNextModal<BitmapDialog>([this, &c](BitmapDialog& dialog) {
            dialog.FileNameEdit->setText(Path(c.name));
            PressOk(dialog);
        });
        Run(C::Export);
        QFile file(Path(c.written));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.read(c.start.size()) : "", c.start);
        EXPECT_EQ(messages.shown, c.shown) << c.name;
    }
    OnNextModal<CopyBitmapDialog>([](CopyBitmapDialog& dialog) { PressOk(dialog); });
    Run(C::CopyAsBitmap);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    EXPECT_EQ(QImage::fromData(data->data("image/png")).size(), QSize(400, 200));
    EXPECT_TRUE(data->data("image/svg+xml").contains("width=\"400\" height=\"200\""));
}

}  // namespace
}  // namespace plotwise
