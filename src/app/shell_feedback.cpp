#include "app/shell_feedback.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "services/messages.h"

namespace plotwise {

namespace {

constexpr qint64 kCatchUpMs = 25;

bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::TabletMove:
        case QEvent::Drop:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Enter:
        case QEvent::Leave:
        case QEvent::HoverEnter:
        case QEvent::HoverMove:
        case QEvent::HoverLeave:
        case QEvent::StatusTip:
        case QEvent::ToolTip:
        case QEvent::Close:  // a close box: the computation holds the document
        case QEvent::Quit:
            return true;
        default:
            return false;
    }
}

}  // namespace

ShellFeedback::ShellFeedback(QLabel* progressPanel, QLabel* hintPanel, Messages& messages)
    : panels_{progressPanel, hintPanel}, messages_(messages) {
    qApp->installEventFilter(this);
    // An Esc caught at the end of one graph's run stops the next one of the same pass; once
    // the program waits for the user again, an Esc no computation took is forgotten.
    connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock, this,
            [this] {
                if (busyDepth_ == 0) escSeen_ = false;
            });
}

ShellFeedback::~ShellFeedback() {
    while (busyDepth_ > 0)
        SetBusy(false);
}

void ShellFeedback::ShowStatus(int panel, const std::string& text) {
    if (panel < 0 || panel > 1 || panels_[panel] == nullptr) return;
    panels_[panel]->setText(QString::fromStdString(text));
}

void ShellFeedback::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
            sinceCatchUp_.invalidate();  // the first poll of a run always looks
        }
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void ShellFeedback::Refresh() {
    CatchUp();
}

bool ShellFeedback::EscPressed() {
    // Drawing alone is short, and a window must not be reshaped while it draws: only a
    // computation looks at the keyboard.
    if (busyDepth_ == 0) return false;
    CatchUp();
    const bool esc = escSeen_;
    escSeen_ = false;
    return esc;
}

bool ShellFeedback::PollDue() {
    return busyDepth_ > 0 && (!sinceCatchUp_.isValid() || sinceCatchUp_.elapsed() >= kCatchUpMs);
}

void ShellFeedback::ShowError(const std::string& message) {
    messages_.Error(QString::fromStdString(message));
}

void ShellFeedback::CatchUp() {
    if (catchingUp_) return;
    if (sinceCatchUp_.isValid() && sinceCatchUp_.elapsed() < kCatchUpMs) return;
    catchingUp_ = true;
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    catchingUp_ = false;
    sinceCatchUp_.start();
}

bool ShellFeedback::eventFilter(QObject* watched, QEvent* event) {
    if (!catchingUp_ || !IsUserInput(event->type())) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape)
        escSeen_ = true;
    event->ignore();  // a close request refused, not carried out unseen
    return true;
}

}  // namespace plotwise
