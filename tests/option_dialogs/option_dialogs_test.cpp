// The option dialogs: each check's message in its order with the field it points at, the
// fields stored back byte for byte, a rejected field shown on its page with the focus, and
// the font working copies.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "../widget_application.h"
#include "option_dialogs/axis_options_dialog.h"
#include "option_dialogs/background_options_dialog.h"
#include "option_dialogs/options_checks.h"
#include "option_dialogs/output_dialogs.h"
#include "option_dialogs/plot_options_dialog.h"
#include "plot/bitmap_export.h"

namespace plotwise {
namespace {

using testing_support::PressKey;
using testing_support::SameBytes;

// Each dialog's checks, in their order: Plot (P), Background (B) and Axis Options (A).
TEST(OptionsChecksTest, EachDialogNamesTheFirstBadField) {
    enum { P, B, A };
    const std::string coefficient =
        "Coefficient must be a number\rfrom -1*10^50 up to 1*10^50 and unequal zero";
    const std::string base = "The logarithmic base must be\ra number from 1 up to 1000";
    const std::string steps = "Number of steps must be a\rpositive integer up to 20000";
    const std::string grid = "The step of grid lines must be\ra positive number up to 1*10^100";
    // clang-format off
    // message empty: accepted; failed: the field named, when not the one edited.
    const struct { int dialog, field; const char* text; std::string message; int failed = -1; } cases[] = {
        {P, pfMinX, "x", "Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100"},
        {P, pfMaxX, "2*10^100", "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100"},
        {P, pfMaxX, "1*10^(-25)", "Maximum of X must be more\rthan minimum of X"},
        {P, pfMaxX, "200", ""},  // the logarithmic bound only counts while the scale is on
        {P, pfMinY, "11", "Maximum of Y must be more\rthan minimum of Y", pfMaxY},
        {P, pfCoeffX, "0", coefficient}, {P, pfCoeffY, "-1*10^50", ""}, {P, pfCoeffY, "2*10^50", coefficient},
        {P, pfSteps, " 20000 ", ""}, {P, pfSteps, "20001", steps}, {P, pfSteps, "0", steps},
        {P, pfMaxGap, "1000001", "Maximum gap must be a positive\rinteger up to 1000000"},
        {P, pfBaseX, "1", base}, {P, pfBaseX, "1000", ""}, {P, pfBaseY, "-5", base},
        {B, gfStepHor, "0", grid}, {B, gfRadiusStep, "2*10^100", grid}, {B, gfAngleStep, "2", ""},
        {B, gfStepVert, "-1", grid},
        {B, gfAngleStep, "2.5", "The step of grid lines must be\ra positive number up to 2*Pi"},
        {A, mfMarksStepY, "0", "The step of marks must be\ra positive number up to 1*10^100"},
        {A, mfLengthX, "11", "Marks length must be\ra natural number up to 10"}, {A, mfLengthY, "10", ""},
        {A, mfLabelsStepX, "a", "The step of labels must be\ra positive number up to 1*10^100"},
    };
    // clang-format on
    for (const auto& c : cases) {
        PlotFields plot = PlotFieldsOf(StandardOptions());
        GridFields grids = GridFieldsOf(StandardOptions());
        MarksFields marks = MarksFieldsOf(StandardOptions());
        if (c.field == pfMaxX && c.dialog == P) plot.Text[pfMinX] = "0";
        (c.dialog == P   ? plot.Text[c.field]
         : c.dialog == B ? grids[c.field]
                         : marks[c.field]) = c.text;
        const auto failure = c.dialog == P   ? CheckPlotFields(plot)
                             : c.dialog == B ? CheckGridFields(grids)
                                             : CheckMarksFields(marks);
        EXPECT_EQ(failure ? failure->Message : "", c.message) << c.text;
        if (failure) {
            EXPECT_EQ(failure->Field, c.failed >= 0 ? c.failed : c.field) << c.text;
        }
    }
}

TEST(OptionsDialogsTest, AnUntouchedDialogStoresEveryByteAndFontsAreWorkingCopies) {
    OptionsRecord before = StandardOptions();
    // Values that text cannot hold exactly, and what an older file may hold: a true byte
    // other than 1, a Latin-1 degree sign.
    before.MinX = 0.1L;
    before.StepVert = 0.3L;
    before.LogX.byte = 7;
    before.HorWidth = 3;
    before.RadiusColor = 12;
    before.AxisX.Forward = false;
    before.AxisY.Name.SetText("Höhe");
    before.NumLinesY.Length = 7;
    before.NumsX.AddName.SetText("\xB0");
    const auto stored = [&](auto& dialog) {
        OptionsRecord after = before;
        dialog.StoreOptions(after);
        return after;
    };
    PlotOptionsDialog plot;
    BackgroundOptionsDialog background;
    AxisOptionsDialog axis;
    plot.SetOptions(before);
    background.SetOptions(before);
    axis.SetOptions(before);
    EXPECT_TRUE(SameBytes(stored(plot), before));
    EXPECT_TRUE(SameBytes(stored(background), before));
    EXPECT_TRUE(SameBytes(stored(axis), before));

    axis.ChooseFont = [](FontRecord& font) {
        font.Size = 30;
        return true;
    };
    axis.Axes[1].LabelsFont->click();
    EXPECT_EQ(stored(axis).NumsY.Font.Size, 30);
    EXPECT_EQ(stored(axis).NumsX.Font.Size, before.NumsX.Font.Size);
    // Cancelled, then opened again: the stored font, not the one chosen before.
    axis.SetOptions(before);
    EXPECT_TRUE(SameBytes(stored(axis), before));
}

TEST(OptionsDialogsTest, ARejectedFieldIsShownOnItsPageAndEnterInAMarksLengthIsOk) {
    QStringList errors;
    PlotOptionsDialog plot;
    plot.ShowError = [&](const QString& text) { errors << text; };
    plot.SetOptions(StandardOptions());
    plot.Edits[pfMaxX]->setText("200");
    plot.LogXCheckBox->setChecked(true);
    plot.Pages->setCurrentIndex(1);
    plot.show();
    plot.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(plot.Pages->currentIndex(), 0);
    EXPECT_EQ(plot.focusWidget(), plot.Edits[pfMaxX]);
    EXPECT_TRUE(plot.isVisible());

    AxisOptionsDialog axis;
    axis.ShowError = [&](const QString& text) { errors << text; };
    axis.SetOptions(StandardOptions());
    axis.show();
    QSpinBox* length = axis.Axes[0].MarksLength;
    length->setValue(11);
    PressKey(length, Qt::Key_Return);
    EXPECT_EQ(axis.Pages->currentIndex(), 1);
    EXPECT_TRUE(axis.isVisible());
    EXPECT_EQ(errors, QStringList({"Too large value of the boundary of the interval\r(in view "
                                   "of the logarithmic scale)",
                                   "Marks length must be\ra natural number up to 10"}));
    length->setValue(10);
    PressKey(length, Qt::Key_Return);
    EXPECT_EQ(axis.result(), QDialog::Accepted);
}

TEST(BitmapDialogsTest, WidthIsCheckedFirstAndTheProposedName) {
    // The sides' own rules are tested with ParseBitmapSide, the accepted ones through the
    // Copy as Bitmap command.
    CopyBitmapDialog dialog;
    QStringList errors;
    dialog.ShowError = [&](const QString& text) { errors << text; };
    for (const char* width : {"99", "100"}) {
        dialog.WidthEdit->setText(width);
        dialog.HeightEdit->setText("3001");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    EXPECT_EQ(errors, QStringList({kBitmapWidthMessage, kBitmapHeightMessage}));
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(BitmapNameOf("Noname1.plw"), "Noname1.bmp");
    EXPECT_EQ(WithBitmapExtension("/tmp/picture.png"), "/tmp/picture.png");
}

}  // namespace
}  // namespace plotwise
