// TMainForm: the program's main window.
#pragma once

#include <QMainWindow>

namespace plotwise {

class TMainForm : public QMainWindow {
    Q_OBJECT

  public:
    explicit TMainForm(QWidget* parent = nullptr);
};

}  // namespace plotwise
