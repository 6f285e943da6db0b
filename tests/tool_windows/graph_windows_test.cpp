// The windows that work on a document's graphs as the user drives them: Derivative,
// Tangent or Normal, Regression and Trace.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "../app/app_test_support.h"
#include "../plot/plot_test_support.h"
#include "../widget_application.h"
#include "plot/document.h"
#include "plot/new_graph.h"
#include "plot/trace_cross.h"
#include "services/program_settings.h"
#include "tool_windows/derivative_window.h"
#include "tool_windows/regression_window.h"
#include "tool_windows/tangent_window.h"
#include "tool_windows/trace_window.h"
#include "tools/regression_tool.h"

namespace plotwise {
namespace {

using testing_support::Find;
using testing_support::GraphOfKind;
using testing_support::OnNextModal;
using testing_support::PressKey;
using testing_support::ScriptedMessages;
using testing_support::TableOf;

// Records what a window hands to the properties dialog; the dialog is "cancelled" the
// first cancels times.
struct AddRecorder {
    std::vector<GraphRecord> records;
    int cancels = 0;
    std::function<void()> onCancel;  // runs (queued) once the window is back

    AddGraphCallback Callback() {
        return [this](const GraphRecord& record) {
            records.push_back(record);
            if (cancels-- <= 0) return true;
            if (onCancel) QTimer::singleShot(0, onCancel);
            return false;
        };
    }
};

// The text of a line edit or label, "-" when hidden.
QString Shown(QWidget& window, const char* name) {
    QWidget* w = Find<QWidget>(window, name);
    if (w == nullptr || !w->isVisible()) return "-";
    if (auto* edit = qobject_cast<QLineEdit*>(w)) return edit->text();
    return qobject_cast<QLabel*>(w)->text();
}

bool AddEnabled(QWidget& window) {
    return Find<QPushButton>(window, "AddFunctionButton")->isEnabled();
}

TEST(DerivativeWindowTest, LinesPerKindAndAGraphAddedAfterACancelledDialog) {
    AddRecorder added;
    DerivativeWindow window(nullptr, added.Callback());
    GraphRecord square = GraphOfKind(kYOfX, "x^2");
    square.Color = 11;
    added.cancels = 1;
    added.onCancel = [&] {
        EXPECT_TRUE(window.isVisible());
        Find<QPushButton>(window, "AddFunctionButton")->click();
    };
    OnNextModal<QDialog>([&](QDialog&) {
        auto* box = Find<QComboBox>(window, "FuncComboBox");
        EXPECT_EQ(box->currentIndex(), 2);
        const auto lines = [&] {
            return Shown(window, "FormulaYFromXEdit") + "|" + Shown(window, "FormulaParamXEdit") +
                   "|" + Shown(window, "FormulaParamYEdit") + "|" + Shown(window, "ErrorEdit");
        };
        EXPECT_EQ(lines(), "-|2*t|cos(t)|-");
        box->setCurrentIndex(1);
        EXPECT_EQ(Shown(window, "ErrorEdit"), "Cannot calculate derivative for this graph type");
        EXPECT_FALSE(AddEnabled(window));
        box->setCurrentIndex(0);
        EXPECT_EQ(lines(), "2*x|-|-|-");
        Find<QPushButton>(window, "AddFunctionButton")->click();
    });
    window.Execute({square, TableOf({{1, 2}}), GraphOfKind(kParametric, "t^2", "sin(t)")}, 2);
    ASSERT_EQ(added.records.size(), 2u);
    EXPECT_EQ(added.records[1].Formula().Text(), "2*x");
    EXPECT_EQ(added.records[1].Kind, kYOfX);
    EXPECT_EQ(added.records[1].Color, 11);
    EXPECT_FALSE(window.isVisible());
}

class TangentWindowTest : public ::testing::Test {
  protected:
    ScriptedMessages messages;
    OptionsRecord options = StandardOptions();
    AddRecorder added;
    TangentWindow window{nullptr, messages, added.Callback()};
};

TEST_F(TangentWindowTest, ControlsFollowTheGraphAndValuesAreChecked) {
    OnNextModal<QDialog>([&](QDialog&) {
        auto* box = Find<QComboBox>(window, "FuncComboBox");
        const auto shown = [&] { return Shown(window, "VarLabel") + Shown(window, "PiLabel"); };
        EXPECT_EQ(shown(), "X=-");
        box->setCurrentIndex(1);
        EXPECT_EQ(shown(), "A=Pi");
        box->setCurrentIndex(2);
        EXPECT_EQ(Shown(window, "VarLabel"), "It is impossible to plot a tangent/normal");
        EXPECT_EQ(Shown(window, "VarEdit"), "-");
        EXPECT_FALSE(AddEnabled(window));
        box->setCurrentIndex(3);
        EXPECT_EQ(Shown(window, "VarLabel"), "Empty formula");
        box->setCurrentIndex(0);
        auto* edit = Find<QLineEdit>(window, "VarEdit");
        auto* add = Find<QPushButton>(window, "AddFunctionButton");
        for (const char* text : {"abc", "1*10^101", "0"}) {
            edit->setText(text);
            add->click();
        }
        Find<QRadioButton>(window, "NormalRadioButton")->setChecked(true);
        add->click();
        EXPECT_EQ(window.focusWidget(), edit);
    });
    window.Execute({GraphOfKind(kYOfX, "1/x"), GraphOfKind(kPolarGraph, "1"),
                    GraphOfKind(kEquation, "x-y"), GraphOfKind(kXOfY, " ")},
                   5, options);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The value of the variable must be a number",
                           "Error: Too large absolute value of variable",
                           "Error: Error of the determination of the equation of the tangent",
                           "Error: Error of the determination of the equation of the normal"}));
    EXPECT_TRUE(added.records.empty());
}

TEST_F(TangentWindowTest, TheLineIsAddedWithTheDefaultStyle) {
    options.GraphDefaults.Style.Color = 13;
    OnNextModal<QDialog>([&](QDialog&) {
        Find<QLineEdit>(window, "VarEdit")->setText("0");
        Find<QPushButton>(window, "AddFunctionButton")->click();
    });
    window.Execute({GraphOfKind(kYOfX, "x"), GraphOfKind(kParametric, "cos(t)", "sin(t)")}, 1,
                   options);
    ASSERT_EQ(added.records.size(), 1u);
    EXPECT_EQ(added.records[0].Kind, kXOfY);
    EXPECT_EQ(added.records[0].Formula().Text(), "0*y+1");
    EXPECT_EQ(added.records[0].Color, 13);
}

TEST(RegressionWindowTest, EveryChangeRecomputesAndTheSettingsFollow) {
    ScriptedMessages messages;
    RegressionSettings settings{1, 2};
    AddRecorder added;
    RegressionWindow window{nullptr, messages, added.Callback()};
    const auto text = [&](const char* name) { return Shown(window, name); };
    OnNextModal<QDialog>([&](QDialog&) {
        auto* box = Find<QComboBox>(window, "TableComboBox");
        EXPECT_EQ(box->count(), 2);
        EXPECT_EQ(box->currentIndex(), 1);  // the toolbar's table
        EXPECT_TRUE(Find<QRadioButton>(window, "LineRadioButton")->isChecked());
        EXPECT_EQ(text("FormulaEdit") + " " + text("RSquaredLabel"), "4.4*x-3 R^2=0.8344828");
        Find<QRadioButton>(window, "PolynomRadioButton")->click();
        EXPECT_EQ(settings.RegressionType, kPolynomial);
        EXPECT_EQ(text("FormulaEdit").count('x'), 2);
        auto* power = Find<QLineEdit>(window, "PolynomPowerEdit");
        power->setText("3");
        PressKey(power, Qt::Key_Return);
        EXPECT_EQ(settings.PolynomPower, 3);
        EXPECT_EQ(text("FormulaEdit").count('x'), 3);
        EXPECT_EQ(text("SquareLabel").left(27), "Root-mean-square deviation=");
        Find<QRadioButton>(window, "LineRadioButton")->click();
        power->setText("10");
        PressKey(power, Qt::Key_Return);
        EXPECT_EQ(window.focusWidget(), power);
        EXPECT_EQ(settings.PolynomPower, 3);
        power->setText("2");
        PressKey(power, Qt::Key_Return);  // a valid degree picks the polynomial family
        EXPECT_TRUE(Find<QRadioButton>(window, "PolynomRadioButton")->isChecked());
        EXPECT_EQ(settings.RegressionType, kPolynomial);
        box->setCurrentIndex(0);
        EXPECT_EQ(text("SquareLabel") + "|" + text("FormulaEdit"),
                  "Not enough numbers for regression|");
        EXPECT_FALSE(AddEnabled(window));
    });
    window.Execute({TableOf({{1, 1}, {1, 2}}), GraphOfKind(kYOfX, "x"),
                    TableOf({{1, 3}, {2, 5}, {3, 7}, {4, 17}})},
                   2, StandardOptions(), settings);
    EXPECT_EQ(messages.shown,
              QStringList({"Error: The power of polynomial must be\ran integer from 2 up to 9"}));
}

// A document with its picture, as a document window lends them: 1/x over -1..1, a polar
// circle of radius -1 over 0..1 and an equation, each in 4 steps.
class PictureTarget final : public TraceTarget {
  public:
    PictureTarget() {
        doc.ClientRect = {0, 0, picture.width(), picture.height()};
        picture.fill(Qt::white);
        Add(kYOfX, "1/x", -1);
        Add(kPolarGraph, "-1", 0);
        Add(kEquation, "x*x+y*y-1", 0);
    }
    const Document* Doc() const override { return gone ? nullptr : &doc; }
    void MovePointer(long double x, long double y) override { pointer.MoveTo(x, y); }
    void HidePointer() override { pointer.Hide(); }

    void Add(std::uint8_t kind, const char* formula, long double min) {
        GraphRecord props = EmptyGraphRecord();
        props.Kind = kind;
        SetNewProps(props, doc.Options);
        props.Formula().SetText(formula);
        GraphInterval& interval = props.Interval();
        interval.DefaultInterval = interval.DefaultSteps = false;
        interval.Min = min;
        interval.Max = 1;
        interval.StepsNum = 4;
        doc.CalculateGraph(doc.AddGraph(props), doc.Options, 0);
    }

    Document doc{StandardOptions()};
    QImage picture{300, 240, QImage::Format_RGB32};
    TraceCross pointer{doc, &picture};
    bool gone = false;
};

class TraceWindowTest : public ::testing::Test {
  protected:
    // Opens the window on graph `selected`, lets the user act, then presses Esc: the
    // pointer goes and the picture is as it was.
    void Execute(int selected, const std::function<void()>& act) {
        const QImage blank = target.picture.copy();
        QTimer::singleShot(0, &window, [this, act] {
            act();
            PressKey(&window, Qt::Key_Escape);
        });
        window.Execute(target, selected);
        EXPECT_FALSE(window.isVisible());
        EXPECT_FALSE(target.pointer.Visible());
        EXPECT_EQ(target.picture, blank);
    }
    void Press(Qt::Key key) { PressKey(Bar(), key); }
    QString Readout() {
        return Shown(window, "XLabel") + "|" + Shown(window, "YLabel") + "|" +
               Shown(window, "ATLabel") + "|" + Shown(window, "RLabel");
    }
    QComboBox* List() { return window.findChild<QComboBox*>("FuncComboBox"); }
    QScrollBar* Bar() { return window.findChild<QScrollBar*>("TraceScrollBar"); }

    PictureTarget target;
    TraceWindow window{nullptr};
};

TEST_F(TraceWindowTest, WalksTheSelectedGraphAndMarksEachPoint) {
    Execute(1, [this] {
        ASSERT_EQ(List()->count(), 3);
        EXPECT_EQ(List()->itemText(2), "x*x+y*y-1=0");
        EXPECT_EQ(List()->currentIndex(), 1);
        EXPECT_EQ(Bar()->maximum(), 5);
        EXPECT_EQ(Readout(), "X=-1|Y=0|A=0 Pi|R=-1");
        EXPECT_TRUE(target.pointer.Visible());
        EXPECT_EQ(window.focusWidget(), Bar());
        for (const auto key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Left})
            Press(key);
        EXPECT_EQ(Readout(), "X=-0.7071068|Y=-0.7071068|A=0.25 Pi|R=-1");
        Press(Qt::Key_PageDown);  // 10 points, as far as there are
        EXPECT_EQ(Bar()->value(), 5);

        List()->setCurrentIndex(0);
        EXPECT_EQ(Readout(), "X=-1|Y=-1|-|-");
        Bar()->setValue(3);
        EXPECT_EQ(Readout(), "X=0|Y: Error|-|-");
        EXPECT_FALSE(target.pointer.Visible());
        Bar()->setValue(4);
        EXPECT_EQ(Readout(), "X=0.5|Y=2|-|-");
        EXPECT_TRUE(target.pointer.Visible());
    });
}

TEST_F(TraceWindowTest, WhatCannotBeWalkedOrMarked) {
    Execute(2, [this] {
        EXPECT_EQ(Readout(), "The tracing is impossible|-|-|-");
        EXPECT_FALSE(Bar()->isEnabled());
        List()->setCurrentIndex(0);
        target.gone = true;  // the document window closed meanwhile
        Bar()->setValue(4);
        List()->setCurrentIndex(1);
        EXPECT_FALSE(Bar()->isEnabled());
    });
}

}  // namespace
}  // namespace plotwise
