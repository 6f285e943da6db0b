// The main window at the limits of what it takes: documents of too many graphs, a graph
// beyond the sample budget, and a settings file behind links that lead nowhere.
#include <gtest/gtest.h>

#include <QLabel>
#include <filesystem>

#include "../plot/plot_test_support.h"
#include "main_window_fixture.h"
#include "plot/document_file.h"

namespace plotwise {
namespace {

using testing_support::GraphOfKind;
using testing_support::MainFormTest;

TEST_F(MainFormTest, TooManyGraphsAndGraphsBeyondTheBudgetAreSaidAndTheRestWorks) {
    Start();
    Document doc(StandardOptions());
    for (int k = 0; k <= 1000; ++k)
        doc.AddGraph(GraphOfKind(kYOfX, k == 0 ? "x" : "x^2"));
    ASSERT_TRUE(WriteDocument(doc, Path("many.plw").toStdString()));
    EXPECT_EQ(form->DocumentCommands().Open(Path("many.plw")), nullptr);
    EXPECT_EQ(messages.shown, QStringList({"Error: Too many graphs in the file"}));

    while (doc.GraphCount() > 3)
        doc.RemoveGraph(3);
    ASSERT_TRUE(WriteDocument(doc, Path("three.plw").toStdString()));
    DocumentWindow* child = form->DocumentCommands().Open(Path("three.plw"));
    ASSERT_NE(child, nullptr);
    Document& open = child->Doc();
    open.GraphAt(1).ClearValues();  // two of three sampled alike: room for one more but a byte
    open.SampleMemory().SetLimit(open.SampleMemory().Used() * 3 / 2 - 1);
    open.CalculateUnsampledGraphs();
    EXPECT_FALSE(open.GraphAt(1).HasValues());
    EXPECT_EQ(messages.shown.last(), "Error: Not enough memory to calculate the graph");
    EXPECT_EQ(form->StatusPanel(1)->text(), kGraphOverBudget);
}

TEST_F(MainFormTest, SettingsBehindALinkLoopAreNeitherReadNorReplaced) {
    const std::string ini = Path("Plotwise.ini").toStdString();
    std::filesystem::create_symlink(ini + ".loop", ini);
    std::filesystem::create_symlink(ini, ini + ".loop");
    Start();
    ASSERT_TRUE(form->close());
    form.reset();
    EXPECT_TRUE(std::filesystem::is_symlink(ini));
    EXPECT_TRUE(std::filesystem::is_symlink(ini + ".loop"));
}

}  // namespace
}  // namespace plotwise
