// The main window's pure parts: document names, the command line, the help file, and the
// command table the menus and toolbars are built from.
#include <gtest/gtest.h>

#include <QFile>
#include <QSet>
#include <QTemporaryDir>

#include "app/command_table.h"
#include "app/document_names.h"
#include "app/help_file.h"
#include "app/help_window.h"
#include "app_test_support.h"
#include "services/file_dialogs.h"

namespace plotwise {
namespace {

TEST(DocumentNames, NonameTakesTheFirstFreeNumberIgnoringCase) {
    // clang-format off
    const struct { QStringList captions; int next; } cases[] = {
        {{}, 1}, {{"Noname1.plw", "Noname3.plw"}, 2},
        {{"noname1.plw", "NONAME2.PLW", "Noname3.plw"}, 4},
        {{"Noname1.plw.bak", "Noname10.plw", "gallery.plw"}, 1},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(NextNonameNumber(c.captions), c.next) << c.captions.join(",").toStdString();
}

TEST(DocumentNames, CommandLineLosesTheProgramsNameOnly) {
    // clang-format off
    const struct { const char* line; const char* path; } cases[] = {
        {"plotwise doc.plw", "doc.plw"}, {"plotwise my  doc.plw", "my  doc.plw"},
        {"\"/opt/my apps/plotwise\" /home/a b/doc.plw", "/home/a b/doc.plw"},
        {"\"/opt/my apps/plotwise\"", ""}, {"\"unclosed quote doc.plw", ""}, {"plotwise", ""},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(DocumentPathFromCommandLine(c.line), c.path) << c.line;
    EXPECT_EQ(DocumentPathFromCommandLine(CommandLineOf({"/opt/my apps/plotwise", "a b.plw"})),
              "a b.plw");
    EXPECT_EQ(DialogFilterOf(kDocumentFilter), "Files of graphs  (*.plw);;All files (*.*)");
}

TEST(HelpFile, TopicsAreSplitAtTheirMarkersAndTheShippedFileHasEveryOne) {
    HelpFile help;
    help.Parse(
        "<!-- the file -->\n<!-- topic contents -->\n<h2>Help</h2>\n"
        "<!-- topic 12 -->\n<p>Standard</p>\n<!--topic 103-->last");
    EXPECT_EQ(help.Topic("contents"), "\n<h2>Help</h2>\n");
    EXPECT_EQ(help.Topic("12"), "\n<p>Standard</p>\n");
    EXPECT_EQ(help.Topic("103"), "last");
    EXPECT_TRUE(help.Topic("7").isEmpty());
    EXPECT_FALSE(help.Load("/nonexistent/Plotwise.hlp"));
    EXPECT_FALSE(help.Load("/dev/zero"));  // no regular file: never read
    // The shipped file has a topic for every command and dialog.
    ASSERT_TRUE(help.Load(PLOTWISE_HELP_FILE));
    EXPECT_FALSE(help.Topic(kContentsTopic).isEmpty());
    for (int i = 0; i < kCommandCount; ++i) {
        const int context = InfoOf(static_cast<Command>(i)).helpContext;
        if (context != 0) {
            EXPECT_FALSE(help.Topic(QString::number(context)).isEmpty()) << context;
        }
    }
    for (int context : {103, 201, 202, 203, 204, 207, 208, 215, 217, 218})
        EXPECT_FALSE(help.Topic(QString::number(context)).isEmpty()) << context;
}

TEST(HelpWindow, TopicsReadNoOtherFilesAndContextZeroShowsNothing) {
    QTemporaryDir dir;
    QFile file(dir.filePath("Plotwise.hlp"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "<!-- topic 1 --><img src=\"/dev/zero\"><link rel=\"stylesheet\" "
        "href=\"/dev/urandom\">New");
    file.close();
    testing_support::ScriptedMessages messages;
    HelpWindow help(file.fileName(), messages, nullptr);
    help.ShowTopic(0);
    EXPECT_FALSE(help.isVisible());
    help.ShowTopic(1);  // would read forever if the browser loaded the image
    EXPECT_EQ(help.CurrentTopic(), "1");
    help.ShowTopic(2);
    EXPECT_EQ(messages.shown, QStringList({"Error: The help file has no topic 2"}));
}

TEST(CommandTable, ShortcutsAreUniqueAndEveryCommandHasAHint) {
    QSet<QString> shortcuts;
    for (int i = 0; i < kCommandCount; ++i) {
        const CommandInfo& info = InfoOf(static_cast<Command>(i));
        EXPECT_TRUE(info.caption != nullptr || (info.shortHint != nullptr && info.icon)) << i;
        if (info.shortcut == nullptr) continue;
        EXPECT_FALSE(shortcuts.contains(info.shortcut)) << info.shortcut;
        shortcuts.insert(info.shortcut);
    }
    EXPECT_EQ(shortcuts.size(), 7);  // N O S P Z Y, F5
}

}  // namespace
}  // namespace plotwise
