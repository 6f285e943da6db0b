// The full-screen view of the active document: no border, no caption; a double click, Esc
// or F5 closes it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace plotwise {

class TMDIChild;

class TFullScreenForm final : public QWidget {
    Q_OBJECT

  public:
    explicit TFullScreenForm(QWidget* parent);
    void ShowDocument(TMDIChild* child);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPointer<TMDIChild> child_;
};

}  // namespace plotwise
