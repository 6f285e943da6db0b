// The full-screen view of the active document: no border, no caption; a double click, Esc
// or F5 closes it.
#pragma once

#include <QPointer>
#include <QWidget>

namespace plotwise {

class DocumentWindow;

class FullScreenWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit FullScreenWindow(QWidget* parent);
    void ShowDocument(DocumentWindow* child);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    QPointer<DocumentWindow> child_;
};

}  // namespace plotwise
