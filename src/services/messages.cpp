#include "services/messages.h"

#include <QApplication>
#include <QMessageBox>

namespace plotwise {

namespace {

QString BoxText(QString text) {
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

// A question asked during a computation must not show the busy cursor.
class NormalCursor {
  public:
    NormalCursor() : busy_(QApplication::overrideCursor() != nullptr) {
        if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~NormalCursor() {
        if (busy_) QApplication::restoreOverrideCursor();
    }
    NormalCursor(const NormalCursor&) = delete;
    NormalCursor& operator=(const NormalCursor&) = delete;

  private:
    bool busy_;
};

}  // namespace

void MessageBoxes::Error(const QString& text) {
    NormalCursor cursor;
    QMessageBox::critical(parent_, "Error", BoxText(text));
}

bool MessageBoxes::YesNo(const QString& text) {
    NormalCursor cursor;
    return QMessageBox::question(parent_, "Confirm", BoxText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer MessageBoxes::YesNoCancel(const QString& text) {
    NormalCursor cursor;
    switch (QMessageBox::question(parent_, "Confirm", BoxText(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

}  // namespace plotwise
