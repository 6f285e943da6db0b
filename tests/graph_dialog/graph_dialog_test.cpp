// The graph properties dialog as the user drives it.
#include "graph_dialog/graph_dialog.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <cstring>

#include "../widget_application.h"
#include "plot/new_graph.h"

namespace plotwise {
namespace {

using testing_support::PressKey;

class StdPropsFormTest : public ::testing::Test {
  protected:
    StdPropsFormTest() {
        options.MinY = -4;
        options.MaxY = 6;
        form.ShowError = [this](const QString& text) { errors << text; };
        QObject::connect(&form, &QDialog::finished, [this](int result) { results << result; });
        form.show();
    }

    void Fill(int kind, const char* formula = "") {
        GraphRecord p = EmptyGraphRecord();
        p.Kind = static_cast<std::uint8_t>(kind);
        SetStyle(p, options.GraphDefaults.Style);
        SetNewProps(p, options);
        if (kind != kTable) p.Formula().SetText(formula);
        form.ShowRecord(p, options);
    }

    template <typename T = QWidget>
    T* Find(const char* name) {
        T* w = form.findChild<T*>(name);
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void ChooseKind(int kind) { emit Find<QComboBox>("FuncStyleComboBox")->activated(kind); }
    void ClickOK() { Find<QPushButton>("OKButton")->click(); }
    int CurrentPage() { return form.findChild<QTabWidget*>()->currentIndex(); }

    OptionsRecord options = StandardOptions();
    GraphDialog form;
    QStringList errors;
    QList<int> results;  // each closing of the dialog
};

TEST_F(StdPropsFormTest, TypedFieldsReachTheRecord) {
    Fill(kYOfX, "x");
    EXPECT_EQ(form.windowTitle(), "Graph Properties");
    Find<QLineEdit>("FormulaYFromXEdit")->setText("sin(x)");
    Find<QCheckBox>("IntervalsCheckBoxXY")->click();
    Find<QLineEdit>("MaxXYEdit")->setText("2.5");
    Find<QComboBox>("ColorComboBox")->setCurrentIndex(12);
    ClickOK();
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(form.Record.Formula().Text(), "sin(x)");
    EXPECT_FALSE(form.Record.Interval().DefaultInterval);
    EXPECT_EQ(form.Record.Interval().Max, 2.5L);
    EXPECT_EQ(form.Record.Color, 12);
}

TEST_F(StdPropsFormTest, ARejectedFieldKeepsTheDialogOpen) {
    Fill(kYOfX);
    Find<QCheckBox>("BuildCheckBoxXY")->click();
    Find<QLineEdit>("StepsNumEditXY")->setText("0");
    ClickOK();
    EXPECT_TRUE(results.isEmpty());
    EXPECT_EQ(errors, QStringList{"Number of steps must be a\rpositive integer up to 20000"});
    EXPECT_EQ(CurrentPage(), 1);
    EXPECT_EQ(form.focusWidget(), Find("StepsNumEditXY"));

    ChooseKind(kTable);
    auto* grid = Find<QTableWidget>("NumTableGrid");
    grid->setItem(3, 1, new QTableWidgetItem("1e5"));
    ClickOK();
    EXPECT_EQ(errors.size(), 2);
    EXPECT_EQ(CurrentPage(), 0);
    EXPECT_EQ(grid->currentRow(), 3);
    EXPECT_EQ(grid->currentColumn(), 1);
    EXPECT_EQ(form.focusWidget(), grid);
    EXPECT_TRUE(results.isEmpty());
}

TEST_F(StdPropsFormTest, KindChangeShowsTheNewKindsControls) {
    Fill(kYOfX, "sin(x)");
    ChooseKind(kPolarGraph);
    EXPECT_EQ(Find<QLineEdit>("FormulaPolarEdit")->text(), "sin(x)");
    EXPECT_FALSE(Find("FormulaYFromXEdit")->isVisible());
    form.ShowPage(GraphPage::AddProperties);
    EXPECT_EQ(Find<QLineEdit>("MinATEdit")->text(), "-1");
    EXPECT_TRUE(Find("MinATEdit")->isVisible());
    EXPECT_FALSE(Find("MinXYEdit")->isVisible());
    form.ShowPage(GraphPage::Properties);

    ChooseKind(kEquation);
    auto* relation = Find<QComboBox>("EquationComboBox");
    relation->setCurrentIndex(1);
    EXPECT_TRUE(Find("ColorComboBox")->isVisible());
    EXPECT_TRUE(Find("BrushComboBox")->isVisible());
    EXPECT_FALSE(Find("LineWidthComboBox")->isVisible());
    relation->setCurrentIndex(0);
    EXPECT_FALSE(Find("BrushComboBox")->isVisible());

    ChooseKind(kSlopeField);
    EXPECT_TRUE(Find("LinesCheckBox")->isVisible());
    EXPECT_FALSE(Find("LinesCheckBox")->isEnabled());
    EXPECT_TRUE(Find("LineWidthComboBox")->isEnabled());
    auto* length = Find<QSpinBox>("LinesLengthEditDF");
    PressKey(length, Qt::Key_Return);
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_EQ(form.Record.Kind, kSlopeField);
    EXPECT_EQ(form.Record.Formula().Text(), "sin(x)");
}

TEST_F(StdPropsFormTest, UncheckingTheIntervalShowsTheVisibleRange) {
    Fill(kXOfY);
    auto* check = Find<QCheckBox>("IntervalsCheckBoxXY");
    auto* min = Find<QLineEdit>("MinXYEdit");
    EXPECT_FALSE(check->isChecked());  // the standard block uses the visible range
    check->click();
    EXPECT_TRUE(min->isEnabled());
    min->setText("1");
    check->click();
    EXPECT_EQ(min->text(), "-4");
    EXPECT_EQ(Find<QLineEdit>("MaxXYEdit")->text(), "6");
    EXPECT_FALSE(min->isEnabled());
}

TEST_F(StdPropsFormTest, AReservedKindKeepsItsBytes) {
    GraphRecord p;
    std::memset(&p, 0x5A, sizeof p);
    p.Kind = kIntegralGraph;
    p.LineWidth = 2;
    p.PointWidth = 3;
    form.ShowRecord(p, options);
    EXPECT_EQ(Find<QComboBox>("FuncStyleComboBox")->currentIndex(), -1);
    EXPECT_FALSE(Find("FormulaYFromXEdit")->isVisible());
    EXPECT_FALSE(Find("NumTableGrid")->isVisible());
    Find<QCheckBox>("DrawGraphicCheckBox")->setChecked(false);
    ClickOK();
    EXPECT_EQ(results, QList<int>{QDialog::Accepted});
    EXPECT_FALSE(form.Record.DrawGraphic);
    EXPECT_EQ(std::memcmp(&form.Record.Body, &p.Body, sizeof p.Body), 0);
}

TEST_F(StdPropsFormTest, LineLengthKeysAndAShortLengthNamedAtOK) {
    Fill(kSlopeField);
    auto* length = Find<QSpinBox>("LinesLengthEditDF");
    length->setValue(3);
    ClickOK();
    EXPECT_EQ(errors, QStringList({"Line length must be\ran integer from 4 up to 100"}));
    EXPECT_TRUE(results.isEmpty());
    PressKey(length, Qt::Key_Escape);
    EXPECT_EQ(results, QList<int>{QDialog::Rejected});
}

}  // namespace
}  // namespace plotwise
