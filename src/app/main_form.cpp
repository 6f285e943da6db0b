#include "main_form.h"

#include <QStatusBar>

namespace plotwise {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Plotwise");
    statusBar()->showMessage("Ready");
    resize(900, 650);
}

}  // namespace plotwise
