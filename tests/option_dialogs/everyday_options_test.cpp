// Everyday notation in the option dialogs: number fields take a formula's value and show
// it; the Common Options switch.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>

#include "../widget_application.h"
#include "option_dialogs/common_options_dialog.h"
#include "option_dialogs/plot_options_dialog.h"
#include "services/program_settings.h"

namespace plotwise {
namespace {

TEST(EverydayOptions, NumberFieldsTakeAFormulasValue) {
    PlotOptionsDialog plot;
    QStringList errors;
    plot.ShowError = [&errors](const QString& text) { errors << text; };
    plot.SetOptions(StandardOptions());
    plot.Edits[pfMinX]->setText("-2π");
    plot.Edits[pfMaxX]->setText("1e1");
    plot.show();
    QPushButton* ok = plot.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->click();  // the switch off: refused as before
    EXPECT_EQ(errors.size(), 1);
    plot.FieldNotation = Notation::Everyday;
    ok->click();
    EXPECT_EQ(plot.result(), QDialog::Accepted);
    EXPECT_EQ(plot.Edits[pfMinX]->text(), "-6.2831853");
    OptionsRecord o = StandardOptions();
    plot.StoreOptions(o);
    EXPECT_EQ(o.MinX, -6.2831853L);
    EXPECT_EQ(o.MaxX, 10.0L);
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
