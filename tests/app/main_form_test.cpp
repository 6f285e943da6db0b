// The main window starts and carries the program's name.
#include "main_form.h"

#include <gtest/gtest.h>

#include <QApplication>

namespace plotwise {
namespace {

TEST(TMainForm, Caption) {
    int argc = 1;
    char name[] = "plotwise_app_tests";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    TMainForm form;
    form.show();
    EXPECT_EQ(form.windowTitle(), QString("Plotwise"));
    EXPECT_TRUE(form.isVisible());
}

}  // namespace
}  // namespace plotwise
