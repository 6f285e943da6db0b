#include <QApplication>

#include "main_form.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Plotwise");
    plotwise::TMainForm form;
    form.show();
    return QApplication::exec();
}
