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
#include <QTimer>
#include <cstring>

#include "graph_commands_fixture.h"
#include "print_forms.h"

namespace plotwise {
namespace {

using testing_support::GraphCommandsTest;
using C = TCommand;

class PrintCommandsTest : public GraphCommandsTest {
  protected:
    // Answers the next modal dialog with what the test does to it.
    template <typename Form>
    void Answer(std::function<void(Form&)> fill) {
        QTimer::singleShot(0, [fill] {
            auto* form = qobject_cast<Form*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            fill(*form);
        });
    }
    static void PressOk(QDialog& form) {
        form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
};

TEST_F(PrintCommandsTest, PrintingToAPdfAt600DpiLeavesTheDocumentAsItWas) {
    AddGraphs({"x", "sin(x)"});
    Document().Graphs[1]->Props.Color = 11;  // yellow
    Document().Modified = false;
    const TOptionsRecord options = Document().Options;
    const TFunctionProps graph = Document().Graphs[1]->Props;
    QPrinter& printer = form->Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path("page.pdf"));
    printer.setResolution(600);
    for (bool blackAndWhite : {false, true}) {
        Answer<TPrintOptForm>([blackAndWhite](TPrintOptForm& f) {
            f.BlackAndWhiteCheckBox->setChecked(blackAndWhite);
            f.accept();
        });
        form->RunCommand(C::Print);
        EXPECT_EQ(ProgramSettings.Print.BlackAndWhite, blackAndWhite);
        EXPECT_GT(QFileInfo(Path("page.pdf")).size(), 1000);
        EXPECT_EQ(std::memcmp(&Document().Options, &options, sizeof options), 0);
        EXPECT_EQ(std::memcmp(&Document().Graphs[1]->Props, &graph, sizeof graph), 0);
        EXPECT_FALSE(Document().Modified);
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("; ").toStdString();
}

TEST_F(PrintCommandsTest, CopyAsBitmapPutsAPictureOfTheChosenSizeOnTheClipboard) {
    AddGraphs({"x"});
    Answer<TCopyBitmapForm>([](TCopyBitmapForm& f) {
        EXPECT_EQ(f.WidthEdit->text(), "400");
        f.WidthEdit->setText("300");
        f.HeightEdit->setText("150");
        PressOk(f);
    });
    form->RunCommand(C::CopyAsBitmap);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(300, 150));
    Answer<TCopyBitmapForm>([](TCopyBitmapForm& f) {
        EXPECT_EQ(f.WidthEdit->text(), "300");  // kept for the run
        f.reject();
    });
    form->RunCommand(C::CopyAsBitmap);
}

TEST_F(PrintCommandsTest, SaveAsBitmapAddsTheExtensionAndAsksBeforeReplacing) {
    const QString typed = Path("plot");
    Answer<TBitmapPropsForm>([typed](TBitmapPropsForm& f) {
        EXPECT_EQ(f.FileNameEdit->text(), "Noname1.bmp");
        f.FileNameEdit->setText(typed);
        PressOk(f);
    });
    form->RunCommand(C::SaveAsBitmap);
    const QFileInfo written(typed + ".bmp");
    ASSERT_TRUE(written.exists());
    EXPECT_EQ(written.size(), 118 + 200 * 200);  // 4-bit rows of 200 bytes, 400 x 200
    messages.answers = {TAnswer::No};
    Answer<TBitmapPropsForm>([typed](TBitmapPropsForm& f) {
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
