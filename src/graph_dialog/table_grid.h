// TableGrid: the 100 rows of X and Y cells of a table graph, edited in place, with
// keys to move through the cells and to insert and delete rows.
#pragma once

#include <QString>
#include <QTableWidget>

namespace plotwise {

class TableGrid final : public QTableWidget {
    Q_OBJECT

  public:
    explicit TableGrid(QWidget* parent = nullptr);

    // Seven rows high, whether the grid is shown or not.
    QSize sizeHint() const override;

    QString CellText(int row, int column) const;
    void SetCellText(int row, int column, const QString& text);

  signals:
    // Esc: the dialog closes with cancel.
    void EscPressed();

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    friend class GridEditorKeys;
    // Enter, Ctrl+I, Ctrl+Y and Esc; false for every other key.
    bool HandleKey(const QKeyEvent& event);
    void InsertRowAt(int row);
    void DeleteRowAt(int row);
};

}  // namespace plotwise
