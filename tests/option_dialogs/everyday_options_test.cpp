// Everyday notation in the option dialogs: number fields take a formula's value and show
// it; the Common Options switch.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include "../widget_application.h"
#include "option_dialogs/background_options_dialog.h"
#include "option_dialogs/common_options_dialog.h"
#include "option_dialogs/plot_options_dialog.h"
#include "services/program_settings.h"

namespace plotwise {
namespace {

TEST(EverydayOptions, NumberFieldsTakeAFormulasValue) {
    PlotOptionsDialog plot;
    plot.FieldNotation = Notation::Everyday;
    plot.SetOptions(StandardOptions());
    plot.Edits[pfMinX]->setText("-2π");
    plot.Edits[pfMaxX]->setText("1e1");
    plot.show();
    plot.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(plot.result(), QDialog::Accepted);
    EXPECT_EQ(plot.Edits[pfMinX]->text(), "-6.2831853");
    OptionsRecord o = StandardOptions();
    plot.StoreOptions(o);
    EXPECT_EQ(o.MinX, -6.2831853L);
    EXPECT_EQ(o.MaxX, 10.0L);

    BackgroundOptionsDialog background;  // the switch off: refused as before
    QStringList errors;
    background.ShowError = [&errors](const QString& text) { errors << text; };
    background.SetOptions(StandardOptions());
    background.StepEdits[gfAngleStep]->setText("1/4");
    background.show();
    background.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(errors.size(), 1);
    background.FieldNotation = Notation::Everyday;
    background.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(background.StepEdits[gfAngleStep]->text(), "0.25");
}

TEST(EverydayOptions, CommonOptionsSwitchesTheNotation) {
    CommonOptionsDialog form;
    CommonSettings settings;
    EXPECT_EQ(settings.FieldNotation(), Notation::Everyday);
    form.SetSettings(settings);
    EXPECT_TRUE(form.EverydayNotationCheckBox->isChecked());
    form.EverydayNotationCheckBox->setChecked(false);
    form.StoreSettings(settings);
    EXPECT_EQ(settings.FieldNotation(), Notation::Strict);
}

}  // namespace
}  // namespace plotwise
