// Key presses for the widget tests of the properties dialog (one QApplication for them all).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "../widget_application.h"

namespace plotwise::testing_support {

inline void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

}  // namespace plotwise::testing_support
