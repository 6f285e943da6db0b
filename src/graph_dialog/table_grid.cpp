#include "graph_dialog/table_grid.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QStyledItemDelegate>

#include "plot/graph_record.h"

namespace plotwise {

// The keys of the grid also work while a cell is being edited: the edit is committed
// first, as if the user had left the cell.
class GridEditorKeys final : public QStyledItemDelegate {
  public:
    explicit GridEditorKeys(TableGrid* grid) : QStyledItemDelegate(grid), grid_(grid) {}

  protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        auto* editor = qobject_cast<QWidget*>(object);
        if (editor != nullptr && event->type() == QEvent::KeyPress) {
            const auto& key = static_cast<const QKeyEvent&>(*event);
            if (IsGridKey(key)) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                grid_->HandleKey(key);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

  private:
    static bool IsGridKey(const QKeyEvent& key) {
        const bool ctrl = key.modifiers() & Qt::ControlModifier;
        switch (key.key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
            case Qt::Key_Escape:
                return true;
            case Qt::Key_I:
            case Qt::Key_Y:
                return ctrl;
            default:
                return false;
        }
    }

    TableGrid* grid_;
};

TableGrid::TableGrid(QWidget* parent) : QTableWidget(kTableRows, 2, parent) {
    setHorizontalHeaderLabels({" X", " Y"});
    QStringList numbers;
    for (int row = 1; row <= kTableRows; ++row)
        numbers << QString::number(row);
    setVerticalHeaderLabels(numbers);
    verticalHeader()->setFixedWidth(25);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);  // compact rows
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false);  // Tab leaves the grid, as in the other fields
    setItemDelegate(new GridEditorKeys(this));
}

QSize TableGrid::sizeHint() const {
    constexpr int kShownRows = 10;
    const int height = horizontalHeader()->sizeHint().height() +
                       kShownRows * verticalHeader()->defaultSectionSize() + 2 * frameWidth();
    return {QTableWidget::sizeHint().width(), height};
}

QString TableGrid::CellText(int row, int column) const {
    const QTableWidgetItem* cell = item(row, column);
    return cell != nullptr ? cell->text() : QString();
}

void TableGrid::SetCellText(int row, int column, const QString& text) {
    if (QTableWidgetItem* cell = item(row, column)) {
        cell->setText(text);
    } else if (!text.isEmpty()) {
        setItem(row, column, new QTableWidgetItem(text));
    }
}

void TableGrid::keyPressEvent(QKeyEvent* event) {
    if (HandleKey(*event)) {
        event->accept();
        return;
    }
    QTableWidget::keyPressEvent(event);
}

bool TableGrid::HandleKey(const QKeyEvent& event) {
    const bool ctrl = event.modifiers() & Qt::ControlModifier;
    const int row = currentRow();
    const int column = currentColumn();
    switch (event.key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            if (row < 0) return true;
            if (column == 0) {
                setCurrentCell(row, 1);
            } else if (row + 1 < rowCount()) {
                setCurrentCell(row + 1, 0);
            }
            return true;
        case Qt::Key_Escape:
            emit EscPressed();
            return true;
        case Qt::Key_I:
            if (!ctrl) return false;
            if (row >= 0) InsertRowAt(row);
            return true;
        case Qt::Key_Y:
            if (!ctrl) return false;
            if (row >= 0) DeleteRowAt(row);
            return true;
        default:
            return false;
    }
}

void TableGrid::InsertRowAt(int row) {
    for (int r = rowCount() - 1; r > row; --r) {
        for (int c = 0; c < 2; ++c)
            SetCellText(r, c, CellText(r - 1, c));
    }
    for (int c = 0; c < 2; ++c)
        SetCellText(row, c, QString());
}

void TableGrid::DeleteRowAt(int row) {
    for (int r = row; r + 1 < rowCount(); ++r) {
        for (int c = 0; c < 2; ++c)
            SetCellText(r, c, CellText(r + 1, c));
    }
    for (int c = 0; c < 2; ++c)
        SetCellText(rowCount() - 1, c, QString());
}

}  // namespace plotwise
