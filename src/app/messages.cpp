#include "messages.h"

#include <QApplication>
#include <QMessageBox>

namespace plotwise {

namespace {

QString BoxText(QString text) {
    return text.replace("\r\n", "\n").replace('\r', '\n');
}

// A question asked during a computation must not show the busy cursor.
class TNormalCursor {
  public:
    TNormalCursor() : busy_(QApplication::overrideCursor() != nullptr) {
        if (busy_) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~TNormalCursor() {
        if (busy_) QApplication::restoreOverrideCursor();
    }
    TNormalCursor(const TNormalCursor&) = delete;
    TNormalCursor& operator=(const TNormalCursor&) = delete;

  private:
    bool busy_;
};

}  // namespace

void TMessageBoxes::Error(const QString& text) {
    TNormalCursor cursor;
    QMessageBox::critical(parent_, "Error", BoxText(text));
}

bool TMessageBoxes::YesNo(const QString& text) {
    TNormalCursor cursor;
    return QMessageBox::question(parent_, "Confirm", BoxText(text),
                                 QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

TAnswer TMessageBoxes::YesNoCancel(const QString& text) {
    TNormalCursor cursor;
    switch (QMessageBox::question(parent_, "Confirm", BoxText(text),
                                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
        case QMessageBox::Yes:
            return TAnswer::Yes;
        case QMessageBox::No:
            return TAnswer::No;
        default:
            return TAnswer::Cancel;
    }
}

}  // namespace plotwise
