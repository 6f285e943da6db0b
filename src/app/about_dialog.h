// The About box: the program's name, version and a link to its home page.
#pragma once

#include <QDialog>

namespace plotwise {

class AboutDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace plotwise
