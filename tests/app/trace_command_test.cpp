// The Trace button on a document window: the cross over its picture, kept through full
// repaints, and the picture as it was once the Trace window closes.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QTimer>

#include "main_form_fixture.h"
#include "new_graph.h"

namespace plotwise {
namespace {

using testing_support::MainFormTest;

TEST_F(MainFormTest, TraceMarksThePointUntilTheWindowCloses) {
    Start();
    TMDIChild* child = form->ActiveDocument();
    TGraphicsManager& document = child->Document();
    TFunctionProps props = NewGraphRecord(StandardOptions());
    props.FuncStyle = fsYFromX;
    props.Formula().SetText("x/2");
    document.AddGraph(props);
    document.CalculateGraphs();
    form->RebuildGraphsList();
    EXPECT_TRUE(form->Action(TCommand::Trace)->isEnabled());
    child->RedrawPicture();
    const QImage plain = child->Picture().copy();

    bool traced = false;
    QTimer::singleShot(0, [&] {
        auto* window = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->findChild<QScrollBar*>("TraceScrollBar")->setValue(151);  // (5, 2.5)
        EXPECT_TRUE(child->TracePointer().Visible());
        const QImage marked = child->Picture().copy();
        EXPECT_NE(marked, plain);
        child->RedrawPicture();  // as a resize does
        EXPECT_EQ(child->Picture(), marked);
        document.DrawGraph(*document.Graphs[0]);  // drawn over: the cross stays on top
        EXPECT_EQ(child->Picture(), marked);
        traced = true;
        window->reject();
    });
    form->RunCommand(TCommand::Trace);
    EXPECT_TRUE(traced);
    EXPECT_FALSE(child->TracePointer().Visible());
    EXPECT_EQ(child->Picture(), plain);
}

}  // namespace
}  // namespace plotwise
