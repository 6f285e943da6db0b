// Print, Save As Bitmap and Copy As Bitmap on a live main window: the document comes back
// unchanged, the files and the clipboard hold what was asked for.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include "graph_commands_fixture.h"
#include "option_dialogs/output_dialogs.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using testing_support::OnNextModal;
using testing_support::SameBytes;
using C = Command;

class PrintCommandsTest : public GraphCommandsTest {
  protected:
    static void PressOk(QDialog& form) {
        form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
};

TEST_F(PrintCommandsTest, PrintingToAPdfAt600DpiLeavesTheDocumentAsItWas) {
    AddGraphs({"x", "sin(x)"});
    GraphRecord yellow = Doc().GraphAt(1).Record();
    yellow.Color = 11;
    Doc().ReplaceRecord(1, yellow);
    Doc().Modified = false;
    const OptionsRecord options = Doc().Options;
    const GraphRecord graph = Doc().GraphAt(1).Record();
    QPrinter& printer = form->PrintCommands().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("page.pdf"));
    printer.setResolution(600);
    for (bool blackAndWhite : {false, true}) {
        OnNextModal<PrintOptionsDialog>([blackAndWhite](PrintOptionsDialog& f) {
            f.BlackAndWhiteCheckBox->setChecked(blackAndWhite);
            f.accept();
        });
        form->RunCommand(C::Print);
        EXPECT_EQ(form->Settings().Print.BlackAndWhite, blackAndWhite);
        EXPECT_GT(QFileInfo(Path("page.pdf")).size(), 1000);
        EXPECT_TRUE(SameBytes(Doc().Options, options));
        EXPECT_TRUE(SameBytes(Doc().GraphAt(1).Record(), graph));
        EXPECT_FALSE(Doc().Modified);
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();
}

TEST_F(PrintCommandsTest, CopyAsBitmapPutsAPictureOfTheChosenSizeOnTheClipboard) {
    AddGraphs({"x"});
    OnNextModal<CopyBitmapDialog>([](CopyBitmapDialog& f) {
        EXPECT_EQ(f.WidthEdit->text(), "400");
        f.WidthEdit->setText("300");
        f.HeightEdit->setText("150");
        PressOk(f);
    });
    form->RunCommand(C::CopyAsBitmap);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(300, 150));
    OnNextModal<CopyBitmapDialog>([](CopyBitmapDialog& f) {
        EXPECT_EQ(f.WidthEdit->text(), "300");  // kept for the run
        f.reject();
    });
    form->RunCommand(C::CopyAsBitmap);
}

TEST_F(PrintCommandsTest, SaveAsBitmapAddsTheExtensionAndAsksBeforeReplacing) {
    const QString typed = Path("plot");
    OnNextModal<BitmapDialog>([typed](BitmapDialog& f) {
        EXPECT_EQ(f.FileNameEdit->text(), "Noname1.bmp");
        f.FileNameEdit->setText(typed);
        PressOk(f);
    });
    form->RunCommand(C::SaveAsBitmap);
    const QFileInfo written(typed + ".bmp");
    ASSERT_TRUE(written.exists());
    EXPECT_EQ(written.size(), 118 + 200 * 200);  // 4-bit rows of 200 bytes, 400 x 200
    messages.answers = {Answer::No};
    OnNextModal<BitmapDialog>([typed](BitmapDialog& f) {
        f.FileNameEdit->setText(typed);
        PressOk(f);
        EXPECT_TRUE(f.isVisible());  // No keeps the dialog open
        f.reject();
    });
    form->RunCommand(C::SaveAsBitmap);
    EXPECT_EQ(messages.shown, QStringList({"Ask: File already exists. Overwrite it?"}));
}

}  // namespace
}  // namespace plotwise
