// The main window's settings file behind links that lead nowhere.
#include <gtest/gtest.h>

#include <filesystem>

#include "main_window_fixture.h"

namespace plotwise {
namespace {

using testing_support::MainFormTest;

TEST_F(MainFormTest, SettingsBehindALinkLoopAreNeitherReadNorReplaced) {
    const std::string ini = Path("Plotwise.ini").toStdString();
    std::filesystem::create_symlink(ini + ".loop", ini);
    std::filesystem::create_symlink(ini, ini + ".loop");
    Start();
    ASSERT_TRUE(form->close());
    form.reset();
    EXPECT_TRUE(std::filesystem::is_symlink(ini) && std::filesystem::is_symlink(ini + ".loop"));
}

}  // namespace
}  // namespace plotwise
