// The default graph properties dialog: the default kind and style, and each kind's standard
// block edited in the graph properties dialog and kept in the dialog's copy.
#include "graph_dialog/default_graph_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <functional>
#include <vector>

#include "../widget_application.h"
#include "graph_dialog/graph_dialog.h"

namespace plotwise {
namespace {

using testing_support::SameBytes;

TEST(DefaultGraphDialog, OKStoresTheChangedChoicesAndKeepsEveryOtherByte) {
    DefaultGraphDialog form;
    OptionsRecord options = StandardOptions();
    GraphStyle& style = options.GraphDefaults.Style;
    style.Lines.byte = 7;  // true, as any non-zero byte
    style.DrawGraphic = false;
    style.PointWidth = 7;
    style.Brush = 4;
    form.SetOptions(options);
    form.findChild<QComboBox*>("LineWidthComboBox")->setCurrentIndex(2);
    form.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(kTable);
    form.findChild<QPushButton*>("OKButton")->click();
    EXPECT_EQ(form.result(), QDialog::Accepted);
    style.LineWidth = 3;
    options.GraphDefaults.Kind = kTable;
    EXPECT_TRUE(SameBytes(form.Options, options));
}

TEST(DefaultGraphDialog, EachButtonEditsItsOwnKindsBlockInTheCopy) {
    DefaultGraphDialog form;
    bool accept = true;
    std::vector<int> offered;
    form.KindEditor = [&](GraphRecord& props, const OptionsRecord&) {
        offered.push_back(props.Kind);
        // Own steps, one more than the block the dialog was given.
        if (props.Kind <= kParametric) {
            props.Interval().DefaultSteps = false;
            props.Interval().StepsNum = props.Interval().StepsNum + 1;
        } else if (props.Kind != kTable)
            props.Area().StepsNumX = props.Area().StepsNumX + 1;
        else
            ++props.SortType;
        return accept;
    };
    OptionsRecord expected = StandardOptions();
    form.SetOptions(expected);
    for (int kind = kYOfX; kind <= kTable; ++kind) {
        // Twice confirmed, the second from the first's result, then cancelled.
        form.KindButton(kind)->click();
        form.KindButton(kind)->click();
        accept = false;
        form.KindButton(kind)->click();
        accept = true;
    }
    NewGraphDefaults& s = expected.GraphDefaults;
    for (GraphInterval* in : {&s.YFromX, &s.XFromY, &s.Polar, &s.Param}) {
        in->DefaultSteps = false;
        in->StepsNum = in->StepsNum + 2;
    }
    for (GraphArea* area : {&s.Equation, &s.SlopeField})
        area->StepsNumX = area->StepsNumX + 2;
    s.SortType += 2;
    EXPECT_TRUE(SameBytes(form.Options, expected));
    ASSERT_EQ(offered.size(), 21u);
    for (int kind = kYOfX; kind <= kTable; ++kind)
        EXPECT_EQ(offered[kind * 3], kind);
}

// Runs user on the graph properties dialog that a kind's button opens.
void WithGraphDialog(DefaultGraphDialog& form, int kind, std::function<void(GraphDialog&)> user) {
    testing_support::OnNextModal<GraphDialog>(user);
    form.KindButton(kind)->click();
}

TEST(DefaultGraphDialog, TheGraphDialogShowsOnlyItsSecondPageAndChecksTheDefaults) {
    DefaultGraphDialog form;
    QStringList errors;
    form.ShowError = [&](const QString& text) { errors << text; };
    form.findChild<QComboBox*>("ColorComboBox")->setCurrentIndex(9);
    // The document's 200 steps stand in for the block's hidden 100 and are not stored.
    WithGraphDialog(form, kYOfX, [](GraphDialog& dialog) {
        dialog.findChild<QPushButton*>("OKButton")->click();
    });
    EXPECT_TRUE(SameBytes(form.Options, StandardOptions()));
    QStringList seen;
    WithGraphDialog(form, kEquation, [&](GraphDialog& dialog) {
        auto* tabs = dialog.findChild<QTabWidget*>();
        seen << QString::number(tabs->isTabVisible(0)) << QString::number(tabs->currentIndex());
        auto* steps = dialog.findChild<QLineEdit*>("StepsNumXEditEq");
        for (const char* text : {"9", "10"}) {
            steps->setText(text);
            dialog.findChild<QPushButton*>("OKButton")->click();
            seen << QString::number(dialog.isVisible());
        }
    });
    EXPECT_EQ(seen, QStringList({"0", "1", "1", "0"}));
    EXPECT_EQ(errors, QStringList{"Number of steps must be an\rinteger from 10 up to 400"});
    EXPECT_EQ(form.Options.GraphDefaults.Equation.StepsNumX, 10);
    // A style chosen before the button is still there for OK.
    EXPECT_EQ(form.findChild<QComboBox*>("ColorComboBox")->currentIndex(), 9);
}

TEST(StdPropsFormDefaultsMode, LeavingItShowsThePageOfBefore) {
    GraphDialog dialog;
    auto* tabs = dialog.findChild<QTabWidget*>();
    dialog.SetDefaultsMode(true);
    EXPECT_FALSE(tabs->isTabVisible(0));
    EXPECT_EQ(tabs->currentIndex(), 1);
    dialog.SetDefaultsMode(false);
    EXPECT_TRUE(tabs->isTabVisible(0));
    EXPECT_EQ(tabs->currentIndex(), 0);
}

}  // namespace
}  // namespace plotwise
