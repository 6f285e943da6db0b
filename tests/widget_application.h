// One QApplication for a test executable that shows widgets; it outlives every test.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>

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

}  // namespace plotwise::testing_support
