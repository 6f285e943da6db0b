#include "full_screen_form.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "document_window.h"
#include "shell_feedback.h"
#include "style_colors.h"

namespace plotwise {

TFullScreenForm::TFullScreenForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TFullScreenForm::ShowDocument(TMDIChild* child) {
    child_ = child;
    if (child == nullptr) return;
    // Sized here too: without a window manager nothing else makes it cover the screen.
    if (const QScreen* screen = parentWidget()->screen()) setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    update();
}

void TFullScreenForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (child_ == nullptr || child_->Closing() || TShellFeedback::CatchingUp()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    QImage picture(size(), QImage::Format_RGB32);
    if (picture.isNull()) return;
    picture.fill(ColorOf(child_->Document().Options.BackColor, Qt::white));
    child_->DrawOn(picture, size());
    painter.drawImage(0, 0, picture);
}

void TFullScreenForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F5)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TFullScreenForm::mouseDoubleClickEvent(QMouseEvent*) {
    close();
}

}  // namespace plotwise
