#include "main_form.h"

#include <QLabel>
#include <QStatusBar>

namespace plotwise {

TMainForm::TMainForm(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle("Plotwise");
    auto* placeholder = new QLabel(this);
    placeholder->setAlignment(Qt::AlignCenter);
    setCentralWidget(placeholder);
    statusBar()->showMessage("Ready");
    resize(900, 650);
}

}  // namespace plotwise
