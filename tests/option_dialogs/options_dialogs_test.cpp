// The option dialogs' widgets: filled from options and stored back byte for byte, a
// rejected field shown on its page with the focus, and the font working copies.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "../widget_application.h"
#include "option_dialogs/axis_options_dialog.h"
#include "option_dialogs/background_options_dialog.h"
#include "option_dialogs/output_dialogs.h"
#include "option_dialogs/plot_options_dialog.h"
#include "plot/bitmap_export.h"

namespace plotwise {
namespace {

OptionsRecord Odd() {
    OptionsRecord o = StandardOptions();
    o.MinX = -3.25L;
    o.MaxY = 7.5L;
    o.LogY = true;
    o.LogYBase = 2.0L;
    o.HorWidth = 3;
    o.RadiusColor = 12;
    o.AngleStep = 0.25L;
    o.AxisX.Forward = false;
    o.AxisY.Name.SetText("Höhe");
    o.NumLinesY.Length = 7;
    o.NumsX.AddName.SetText("\xB0");  // a Latin-1 degree sign from an older file
    return o;
}

template <typename Form>
void ExpectUnchangedRoundTrip() {
    Form form;
    const OptionsRecord before = Odd();
    form.SetOptions(before);
    OptionsRecord after = before;
    form.StoreOptions(after);
    EXPECT_TRUE(testing_support::SameBytes(after, before)) << typeid(Form).name();
}

TEST(OptionsDialogsTest, AnUntouchedDialogStoresEveryByteAsItWas) {
    ExpectUnchangedRoundTrip<PlotOptionsDialog>();
    ExpectUnchangedRoundTrip<BackgroundOptionsDialog>();
    ExpectUnchangedRoundTrip<AxisOptionsDialog>();
}

TEST(OptionsDialogsTest, TheLogarithmicBoundPointsAtMaximumOfXOnTheIntervalsPage) {
    PlotOptionsDialog form;
    QStringList errors;
    form.ShowError = [&](const QString& text) { errors << text; };
    OptionsRecord o = StandardOptions();
    form.SetOptions(o);
    form.Edits[pfMaxX]->setText("200");
    form.Edits[pfBaseX]->setText("10");
    form.LogXCheckBox->setChecked(true);
    form.Pages->setCurrentIndex(1);
    form.show();
    form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(errors, QStringList({"Too large value of the boundary of the interval\r(in view "
                                   "of the logarithmic scale)"}));
    EXPECT_EQ(form.Pages->currentIndex(), 0);
    EXPECT_EQ(form.focusWidget(), form.Edits[pfMaxX]);
    EXPECT_TRUE(form.isVisible());
}

TEST(OptionsDialogsTest, EnterInAMarksLengthIsOkAndChecksTheLength) {
    AxisOptionsDialog form;
    QStringList errors;
    form.ShowError = [&](const QString& text) { errors << text; };
    form.SetOptions(StandardOptions());
    form.show();
    QSpinBox* length = form.Axes[0].MarksLength;
    length->setValue(11);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(length, &enter);
    EXPECT_EQ(errors, QStringList({"Marks length must be\ra natural number up to 10"}));
    EXPECT_EQ(form.Pages->currentIndex(), 1);
    EXPECT_TRUE(form.isVisible());
    length->setValue(10);
    QApplication::sendEvent(length, &enter);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(OptionsDialogsTest, FontsAreWorkingCopiesRefilledAtEachOpening) {
    AxisOptionsDialog form;
    form.ChooseFont = [](FontRecord& font) {
        font.Size = 30;
        return true;
    };
    const OptionsRecord o = StandardOptions();
    form.SetOptions(o);
    form.Axes[1].LabelsFont->click();
    OptionsRecord changed = o;
    form.StoreOptions(changed);
    EXPECT_EQ(changed.NumsY.Font.Size, 30);
    EXPECT_EQ(changed.NumsX.Font.Size, o.NumsX.Font.Size);
    // Cancelled, then opened again: the stored font, not the one chosen before.
    form.SetOptions(o);
    OptionsRecord reopened = o;
    form.StoreOptions(reopened);
    EXPECT_TRUE(testing_support::SameBytes(reopened, o));
}

TEST(BitmapDialogsTest, SidesFrom100To3000AndTheProposedName) {
    const struct {
        const char* width;
        const char* height;
        QString error;  // empty: accepted
    } cases[] = {
        {"99", "200", kBitmapWidthMessage},
        {"3001", "200", kBitmapWidthMessage},
        {"1.5", "200", kBitmapWidthMessage},
        {"100", "3001", kBitmapHeightMessage},
        {" 3000 ", "100", ""},
    };
    for (const auto& c : cases) {
        CopyBitmapDialog form;
        QStringList errors;
        form.ShowError = [&](const QString& text) { errors << text; };
        form.WidthEdit->setText(c.width);
        form.HeightEdit->setText(c.height);
        form.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        EXPECT_EQ(errors, c.error.isEmpty() ? QStringList() : QStringList({c.error})) << c.width;
        EXPECT_EQ(form.result() == QDialog::Accepted, c.error.isEmpty()) << c.width;
    }
    EXPECT_EQ(BitmapNameOf("Noname1.plw"), "Noname1.bmp");
    EXPECT_EQ(BitmapNameOf("graphs"), "graphs.bmp");
    EXPECT_EQ(WithBitmapExtension("/tmp/picture"), "/tmp/picture.bmp");
    EXPECT_EQ(WithBitmapExtension("/tmp/picture.png"), "/tmp/picture.png");
}

}  // namespace
}  // namespace plotwise
