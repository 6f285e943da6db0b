// The table grid's keys, with and without a cell editor open.
#include "graph_dialog/table_grid.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>

#include "../widget_application.h"

namespace plotwise {
namespace {

using testing_support::PressKey;

class TableGridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (int row = 0; row < 100; ++row)
            grid.SetCellText(row, 0, QString::number(row + 1));
        grid.show();
    }

    // Opens the editor of the current cell and types text into it.
    QLineEdit* EditCurrentCell(const QString& text) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);  // closed editors
        grid.edit(grid.currentIndex());
        auto* editor = grid.viewport()->findChild<QLineEdit*>();
        if (editor != nullptr) editor->setText(text);
        return editor;
    }

    TableGrid grid;
};

TEST_F(TableGridTest, EnterMovesThroughTheCells) {
    const struct {
        int row, column, toRow, toColumn;
    } cases[] = {{0, 0, 0, 1}, {0, 1, 1, 0}, {98, 1, 99, 0}, {99, 0, 99, 1}, {99, 1, 99, 1}};
    for (const auto& c : cases) {
        grid.setCurrentCell(c.row, c.column);
        PressKey(&grid, Qt::Key_Return);
        EXPECT_EQ(grid.currentRow(), c.toRow) << c.row << "," << c.column;
        EXPECT_EQ(grid.currentColumn(), c.toColumn) << c.row << "," << c.column;
    }
}

TEST_F(TableGridTest, InsertAndDeleteRows) {
    grid.SetCellText(99, 1, "last");
    grid.setCurrentCell(2, 1);
    PressKey(&grid, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(grid.CellText(1, 0), "2");
    EXPECT_EQ(grid.CellText(2, 0), "");
    EXPECT_EQ(grid.CellText(3, 0), "3");
    EXPECT_EQ(grid.CellText(99, 0), "99");  // row 100 was pushed out
    EXPECT_EQ(grid.CellText(99, 1), "");

    grid.setCurrentCell(0, 0);
    PressKey(&grid, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(grid.CellText(0, 0), "2");
    EXPECT_EQ(grid.CellText(1, 0), "");
    EXPECT_EQ(grid.CellText(98, 0), "99");
    EXPECT_EQ(grid.CellText(99, 0), "");

    PressKey(&grid, Qt::Key_I);  // without Ctrl it is typing, not a row command
    EXPECT_EQ(grid.CellText(1, 0), "");
    EXPECT_EQ(grid.CellText(2, 0), "3");
}

TEST_F(TableGridTest, KeysCommitAnOpenEditorFirst) {
    grid.setCurrentCell(4, 0);
    QLineEdit* editor = EditCurrentCell("1.5");
    ASSERT_NE(editor, nullptr);
    PressKey(editor, Qt::Key_Enter);
    EXPECT_EQ(grid.CellText(4, 0), "1.5");
    EXPECT_EQ(grid.currentColumn(), 1);

    grid.setCurrentCell(6, 0);
    editor = EditCurrentCell("typed");
    ASSERT_NE(editor, nullptr);
    PressKey(editor, Qt::Key_I, Qt::ControlModifier);
    EXPECT_EQ(grid.CellText(6, 0), "");
    EXPECT_EQ(grid.CellText(7, 0), "typed");

    grid.setCurrentCell(7, 0);
    editor = EditCurrentCell("gone");
    ASSERT_NE(editor, nullptr);
    PressKey(editor, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(grid.CellText(7, 0), "8");
}

TEST_F(TableGridTest, EscAsksToCancelAlsoWhileEditing) {
    int esc = 0;
    QObject::connect(&grid, &TableGrid::EscPressed, [&esc] { ++esc; });
    grid.setCurrentCell(0, 0);
    PressKey(&grid, Qt::Key_Escape);
    EXPECT_EQ(esc, 1);
    QLineEdit* editor = EditCurrentCell("5");
    ASSERT_NE(editor, nullptr);
    PressKey(editor, Qt::Key_Escape);
    EXPECT_EQ(esc, 2);
}

}  // namespace
}  // namespace plotwise
