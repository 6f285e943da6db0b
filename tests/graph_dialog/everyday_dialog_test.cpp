// Everyday notation in the graph properties dialog: what OK reads for each kind, the error
// shown where it is, and the language stored.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>

#include "../widget_application.h"
#include "graph_dialog/graph_dialog.h"
#include "graph_dialog/graph_fields.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

TEST(EverydayFields, OkReadsEachKindsFormulasAndNumbers) {
    // clang-format off
    // min: Min, or the first table cell; read: formula|formulaY|min after reading.
    const struct { int kind; const char *formula, *formulaY, *min, *read, *failure; } cases[] = {
        {kYOfX, "y=2x", "", "-2π", "2*x||-6.2831853", ""},
        {kXOfY, "x=y²", "", "1e-3", "y^2||0.001", ""},
        {kPolarGraph, "r=2sin a", "", "pi/2", "2*sin(a)||1.5707963", ""},
        {kParametric, "cos t", "2t)", "0", "cos(t)|2t)|0", "Error 4: not enough '(' |2"},
        {kEquation, "x²+y²-1", "", "e", "x^2+y^2-1||2.7182818", ""},
        {kTable, "", "", "√2", "||1.4142136", ""}};
    // clang-format on
    for (const auto& c : cases) {
        GraphFields f;
        f.Kind = c.kind;
        f.Formula = c.formula;
        f.FormulaY = c.formulaY;
        std::string& min = c.kind == kTable ? f.Table[0][0] : f.Min;
        min = c.min;
        EXPECT_FALSE(ReadNotation(f, Notation::Strict));  // the switch off changes nothing
        EXPECT_EQ(min, c.min);
        const std::optional<GraphFieldFailure> failure = ReadNotation(f, Notation::Everyday);
        EXPECT_EQ(f.Formula + "|" + f.FormulaY + "|" + min, c.read) << c.formula;
        EXPECT_EQ(failure ? failure->Message + "|" + std::to_string(failure->Spot->start) : "",
                  c.failure);
    }
}

TEST(EverydayDialog, AFullRecordIsKeptWholeTheErrorIsSelectedAndTheLanguageStored) {
    GraphDialog form;
    QStringList errors;
    form.ShowError = [&errors](const QString& text) { errors << text; };
    const OptionsRecord options = StandardOptions();
    auto* ok = testing_support::Find<QPushButton>(form, "OKButton");
    std::string sum = "x";
    while (sum.size() < 253)
        sum += "+x";
    form.ShowRecord(NewGraphRecordOfKind(kYOfX, sum, options), options);
    ok->click();
    EXPECT_EQ(errors, QStringList());
    EXPECT_EQ(form.Record.Formula().Text(), sum);
    form.ShowRecord(NewGraphRecordOfKind(kYOfX, "", options), options);
    form.show();
    auto* edit = testing_support::Find<QLineEdit>(form, "FormulaYFromXEdit");
    edit->setText("2x");  // the switch off: the language alone, as before
    ok->click();
    EXPECT_EQ(errors, QStringList("Error 2: discordance of lexems"));
    EXPECT_FALSE(edit->hasSelectedText());
    form.SetNotation(Notation::Everyday);
    edit->setText("π+x2");
    ok->click();
    EXPECT_EQ(errors.last(), "Error 2: discordance of lexems\rnear \"x2\"");
    EXPECT_EQ(edit->selectedText(), "x2");
    EXPECT_TRUE(form.isVisible());
    edit->setText("e^(-x²)");
    ok->click();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Record.Formula().Text(), "exp(-x^2)");
}

}  // namespace
}  // namespace plotwise
