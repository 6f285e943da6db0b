// The Trace window as the user drives it: the graph list, the scroll bar and its keys, the
// readout and the cross on the document's picture.
#include "tool_windows/trace_window.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <functional>

#include "../widget_application.h"
#include "plot/document.h"
#include "plot/new_graph.h"
#include "plot/trace_cross.h"

namespace plotwise {
namespace {

// A document with its picture, as a document window lends them.
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

    // Kinds 0 to 3 over min..1 in 4 steps.
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

class TraceFormTest : public ::testing::Test {
  protected:
    // Opens the window on graph `selected`, lets the user act, then presses Esc: the
    // pointer goes and the picture is as it was.
    void Execute(int selected, const std::function<void()>& act) {
        const QImage blank = target.picture.copy();
        QTimer::singleShot(0, &form, [this, act] {
            act();
            QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
            QApplication::sendEvent(&form, &esc);
        });
        form.Execute(target, selected);
        EXPECT_FALSE(form.isVisible());
        EXPECT_FALSE(target.pointer.Visible());
        EXPECT_EQ(target.picture, blank);
    }
    void Press(Qt::Key key) { testing_support::PressKey(Bar(), key); }
    QString Text(const char* name) {
        const QLabel* label = form.findChild<QLabel*>(name);
        return label->isVisible() ? label->text() : "-";
    }
    QString Readout() {
        return Text("XLabel") + "|" + Text("YLabel") + "|" + Text("ATLabel") + "|" + Text("RLabel");
    }
    QComboBox* List() { return form.findChild<QComboBox*>("FuncComboBox"); }
    QScrollBar* Bar() { return form.findChild<QScrollBar*>("TraceScrollBar"); }

    PictureTarget target;
    TraceWindow form{nullptr};
};

TEST_F(TraceFormTest, WalksTheSelectedGraphAndMarksEachPoint) {
    Execute(1, [this] {
        ASSERT_EQ(List()->count(), 3);
        EXPECT_EQ(List()->itemText(2), "x*x+y*y-1=0");
        EXPECT_EQ(List()->currentIndex(), 1);
        EXPECT_EQ(Bar()->maximum(), 5);
        EXPECT_EQ(Readout(), "X=-1|Y=0|A=0 Pi|R=-1");
        EXPECT_TRUE(target.pointer.Visible());
        EXPECT_EQ(form.focusWidget(), Bar());
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

TEST_F(TraceFormTest, WhatCannotBeWalkedOrMarked) {
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
