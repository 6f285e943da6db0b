// One QApplication for the widget tests of the properties dialog, and key presses.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

namespace plotwise::testing_support {

class PropsApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "plotwise_props_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
    void TearDown() override { delete QApplication::instance(); }
};
inline ::testing::Environment* const kPropsApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new PropsApplicationEnvironment);

inline void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

}  // namespace plotwise::testing_support
