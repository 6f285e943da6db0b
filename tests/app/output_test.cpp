// The document leaving the screen: printed to a PDF file through the print dialog and drawn
// back by pdftoppm, inside the margins, in colour and in black and white; Page Setup
// without a print service; Export and the clipboard's picture formats.
#include <gtest/gtest.h>

#include <QMimeData>

#include "../picture_match.h"
#include "main_window_fixture.h"
#include "option_dialogs/output_dialogs.h"
#include "plot/bitmap_export.h"

namespace plotwise {
namespace {

using testing_support::IsInk;
using testing_support::MainWindowTest;
using testing_support::OnNextModal;
using testing_support::PressOk;
using testing_support::Rasterise;
using C = Command;

constexpr int kDpi = 40;  // of the page drawn back

bool Colourful(QRgb c) {
    return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) > 60;
}

TEST_F(MainWindowTest, PrintsTheGalleryToPdfInsideTheMarginsInColourAndInBlackAndWhite) {
    Start();
    ASSERT_NE(window->DocumentCommands().Open(PLOTWISE_EXAMPLES "/gallery.plw"), nullptr);
    PrintController& printing = window->PrintCommands();
    printing.Printer().setOutputFormat(QPrinter::PdfFormat);  // no print service here
    const bool metric = QLocale::system().measurementSystem() == QLocale::MetricSystem;
    OnNextModal<PageSetupDialog>([metric](PageSetupDialog& dialog) {
        dialog.LandscapeButton->setChecked(true);
        dialog.MarginEdits[0]->setText(metric ? "25.4" : "1");  // one inch on the left
        PressOk(dialog);
    });
    Run(C::PageSetup);
    EXPECT_EQ(printing.Margins().left, 1000);
    EXPECT_EQ(printing.Printer().pageLayout().orientation(), QPageLayout::Landscape);

    const QString pdf = Path("page.pdf");
    bool accept = false;
    printing.ChoosePrinter = [&](QPrinter& printer) {
        printer.setOutputFileName(pdf);
        return accept;
    };
    for (const bool blackAndWhite : {false, false, true}) {
        OnNextModal<PrintOptionsDialog>([blackAndWhite](PrintOptionsDialog& dialog) {
            dialog.BlackAndWhiteCheckBox->setChecked(blackAndWhite);
            dialog.accept();
        });
        Run(C::Print);
        if (!accept) {  // Cancel in the print dialog: nothing printed
            EXPECT_FALSE(QFileInfo::exists(pdf));
            accept = true;
            continue;
        }
        const std::string out = Path("page").toStdString();
        const QImage page = Rasterise("pdftoppm -r " + std::to_string(kDpi) + " -png -singlefile " +
                                          pdf.toStdString() + " " + out,
                                      out + ".png");
        ASSERT_FALSE(page.isNull());
        EXPECT_GT(page.width(), page.height());
        const QRect inside(kDpi, kDpi / 2, page.width() - kDpi * 3 / 2, page.height() - kDpi);
        long ink = 0, colourful = 0, outside = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QRgb c = page.pixel(x, y);
                if (!inside.adjusted(-1, -1, 1, 1).contains(x, y) && c != qRgb(255, 255, 255))
                    ++outside;
                ink += IsInk(c);
                colourful += Colourful(c);
            }
        }
        EXPECT_EQ(outside, 0) << blackAndWhite;
        EXPECT_GT(ink, inside.width() * inside.height() / 50) << blackAndWhite;
        EXPECT_EQ(colourful > 100, !blackAndWhite) << colourful;
        QFile::remove(pdf);
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();
}

TEST_F(MainWindowTest, ExportWritesTheTypeItsNameEndsInAndTheClipboardOffersPngAndSvg) {
    Start();
    ASSERT_NE(window->DocumentCommands().Open(PLOTWISE_EXAMPLES "/polar.plw"), nullptr);
    const struct {
        const char* name;
        QByteArray start;
        QStringList shown;
    } cases[] = {
        {"pic.jpg", "", {"Error: " + QString(kExportTypeMessage)}},
        {"pic", "\x89PNG", {}},
        {"pic.svg", "<?xml", {}},
        {"pic.PDF", "%PDF", {}},
        {"pic.svg", "<?xml", {"Ask: File already exists. Overwrite it?"}},
    };
    for (const auto& c : cases) {
        messages.shown.clear();
        messages.answers = {Answer::Yes};
        OnNextModal<BitmapDialog>([this, &c](BitmapDialog& dialog) {
            EXPECT_EQ(dialog.windowTitle(), "Export");
            dialog.FileNameEdit->setText(Path(c.name));
            dialog.WidthEdit->setText("320");
            PressOk(dialog);
        });
        Run(C::Export);
        QFile file(QFileInfo(Path(c.name)).suffix().isEmpty() ? Path("pic.png") : Path(c.name));
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.read(c.start.size()) : "", c.start);
        EXPECT_EQ(messages.shown, c.shown) << c.name;
    }
    OnNextModal<CopyBitmapDialog>([](CopyBitmapDialog& dialog) { PressOk(dialog); });
    Run(C::CopyAsBitmap);
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(QImage::fromData(data->data("image/png")).size() == QSize(400, 200));
    EXPECT_TRUE(data->data("image/svg+xml").contains("width=\"400\" height=\"200\""));
}

}  // namespace
}  // namespace plotwise
