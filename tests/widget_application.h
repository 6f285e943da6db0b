// One QApplication for a test executable that shows widgets (it outlives every test), and
// the helpers the widget tests share.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QStringList>
#include <QTimer>
#include <cstring>
#include <functional>

namespace plotwise::testing_support {

class WidgetApplicationEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        static int argc = 1;
        static char name[] = "plotwise_tests";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
        QApplication::setQuitOnLastWindowClosed(false);
    }
    void TearDown() override { delete QApplication::instance(); }
};
inline ::testing::Environment* const kWidgetApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new WidgetApplicationEnvironment);

// The named child of a window; a missing one fails the test.
template <typename T>
T* Find(QWidget& form, const char* name) {
    T* w = form.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

// Runs act on the modal window of type T that the caller opens next, once it is up; a
// window act leaves open is rejected, so that no test hangs.
template <typename T>
void OnNextModal(std::function<void(T&)> act) {
    QTimer::singleShot(0, [act] {
        auto* window = qobject_cast<T*>(QApplication::activeModalWidget());
        for (QWidget* shown : QApplication::topLevelWidgets()) {  // a window that is not modal
            if (window == nullptr && shown->isVisible()) window = qobject_cast<T*>(shown);
        }
        ASSERT_NE(window, nullptr);
        act(*window);
        if (window->isVisible()) window->reject();
    });
}

template <typename Record>
bool SameBytes(const Record& a, const Record& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

inline void PressKey(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(target, &release);
}

inline QStringList Items(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

}  // namespace plotwise::testing_support
