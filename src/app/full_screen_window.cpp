#include "app/full_screen_window.h"

#include <QImage>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>

#include "app/document_window.h"
#include "app/shell_feedback.h"
#include "draw/style_colors.h"

namespace plotwise {

FullScreenWindow::FullScreenWindow(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void FullScreenWindow::ShowDocument(DocumentWindow* child) {
    child_ = child;
    if (child == nullptr) return;
    // Sized here too: without a window manager nothing else makes it cover the screen.
    if (const QScreen* screen = parentWidget()->screen()) setGeometry(screen->geometry());
    showFullScreen();
    raise();
    activateWindow();
    update();
}

void FullScreenWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (child_ == nullptr || child_->Closing() || child_->Doc().Reporter->CatchingUp()) {
        painter.fillRect(rect(), Qt::white);
        return;
    }
    QImage picture(size() * devicePixelRatioF(), QImage::Format_RGB32);
    if (picture.isNull()) return;
    picture.setDevicePixelRatio(devicePixelRatioF());
    picture.fill(ColorOf(child_->Doc().Options.BackColor, Qt::white));
    child_->DrawOn(picture, size());
    painter.drawImage(0, 0, picture);
}

void FullScreenWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F5)
        close();
    else
        QWidget::keyPressEvent(event);
}

void FullScreenWindow::mouseDoubleClickEvent(QMouseEvent*) {
    close();
}

}  // namespace plotwise
