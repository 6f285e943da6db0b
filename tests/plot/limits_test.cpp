// What no file or formula may exceed: graphs in a document file, the memory of a
// document's samples, work between two looks for Esc, and links a save follows.
#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "plot/document_file.h"
#include "plot/safe_file.h"
#include "plot/sampling_run.h"
#include "plot_test_support.h"
#include "recording_feedback.h"

namespace plotwise {
namespace {

using namespace testing_support;
namespace fs = std::filesystem;

TEST(DocumentLimits, AThousandGraphsOpenAndOneMoreIsRefusedUnread) {
    ScratchFolder folder;
    const std::vector<unsigned char> line = BytesOf(GraphOfKind(kYOfX, "x"));
    std::vector<unsigned char> options = BytesOf(StandardOptions());
    options.resize(kDocumentRecordSize, 0);
    // 1000 graphs and a partial record; 1001; 1001 after unreadable options (counted first).
    for (const auto& [graphs, tail, zeroOptions] :
         {std::tuple{1000u, 2000u, false}, {1001u, 0u, false}, {1001u, 0u, true}}) {
        std::vector<unsigned char> bytes =
            zeroOptions ? std::vector<unsigned char>(kDocumentRecordSize) : options;
        for (std::size_t k = 0; k < graphs; ++k)
            bytes.insert(bytes.end(), line.begin(), line.end());
        bytes.resize(bytes.size() + tail, 1);
        WriteBytes(folder.File("many.plw"), bytes);
        DocumentContents contents;
        const DocumentCheck check = LoadDocumentFile(folder.File("many.plw"), contents);
        const bool valid = graphs == 1000;
        EXPECT_EQ(CheckDocumentFile(folder.File("many.plw")).Message(), check.Message());
        EXPECT_EQ(check.Message(), valid ? "" : "Too many graphs in the file");
        EXPECT_EQ(contents.graphs.size(), valid ? 1000u : 0u);
        EXPECT_EQ(check.formatError, !valid);
        EXPECT_EQ(FileBytes(folder.File("many.plw")), bytes);
    }
}

TEST(SampleBudget, AGraphBeyondItStaysUndrawnOnceSaidAndTheRestGoOn) {
    Document doc(StandardOptions());
    RecordingFeedback feedback;
    doc.Reporter = &feedback;
    const std::size_t small = 1001 * sizeof(long double);  // 1000 steps
    doc.SampleMemory().SetLimit(2 * small + 1000);
    for (int steps : {1000, 20000, 1000, 20000}) {
        GraphRecord props = GraphOfKind(kYOfX, "x");
        props.Interval().DefaultSteps = false;
        props.Interval().StepsNum = steps;
        doc.AddGraph(props);
    }
    doc.CalculateGraphs();
    const std::string over = kGraphOverBudget;
    for (std::size_t k = 0; k < 4; ++k)
        EXPECT_EQ(doc.GraphAt(k).HasValues(), k % 2 == 0) << k;
    EXPECT_EQ(std::count(feedback.events.begin(), feedback.events.end(), "error:" + over), 1);
    EXPECT_EQ(feedback.events.back(), "1:" + over);  // in sight after the pass
    EXPECT_EQ(doc.SampleMemory().Used(), 2 * small);
    doc.RemoveGraph(0);
    doc.GraphAt(1).ClearValues();
    EXPECT_EQ(doc.SampleMemory().Used(), 0u);
    EXPECT_EQ(doc.GraphAt(1).Values.capacity(), 0u);  // given back, and freed

    // The degenerate curve crosses each of the 1281600 edges: a few bytes an edge.
    doc.SampleMemory().SetLimit(kDefaultSampleBudget);
    GraphRecord zero = GraphOfKind(kEquation, "0");
    zero.Area().StepsNumX = zero.Area().StepsNumY = 400;
    ASSERT_TRUE(doc.CalculateGraph(doc.AddGraph(zero), doc.Options, 0));
    EXPECT_EQ(doc.GraphAt(3).Crossings.edges.size(), 1281600u);
    EXPECT_LT(doc.SampleMemory().Used(), 8'000'000u);
}

// Due whenever asked: how often a run asks is how much work passes between looks for Esc.
struct EagerFeedback : RecordingFeedback {
    long long asked = 0;
    bool PollDue() override { return ++asked > 0; }
};

TEST(SamplingRun, AsksForAPollEveryFewSamplesHoweverSlowlyThePercentageGrows) {
    // Equation nodes, inequality cells in two passes, slope field cells.
    for (const auto& [relation, kind, samples] : {std::tuple{0, kEquation, 801 * 801},
                                                  {1, kEquation, 2 * 400 * 400},
                                                  {0, kSlopeField, 100 * 100}}) {
        Document doc(StandardOptions());
        EagerFeedback feedback;
        doc.Reporter = &feedback;
        GraphRecord props = GraphOfKind(kind, "x*y-1");
        props.Relation() = static_cast<std::uint8_t>(relation);
        props.Area().StepsNumX = props.Area().StepsNumY = kind == kEquation ? 400 : 100;
        Graph& graph = doc.AddGraph(props);
        ASSERT_TRUE(doc.CalculateGraph(graph, doc.Options, 0));
        EXPECT_GE(feedback.asked, samples / SamplingRun::kCallsPerPollCheck - 100) << samples;
        feedback.escAtPoll = feedback.polls + 3;  // Esc at the third look: no values kept
        EXPECT_FALSE(doc.CalculateGraph(graph, doc.Options, 0));
        EXPECT_FALSE(graph.HasValues());
    }
}

TEST(SafeFile, LinksThatLeadNowhereStayLinksAndNothingIsWritten) {
    ScratchFolder folder;
    const auto link = [&](const std::string& to, const std::string& name) {
        fs::create_symlink(to, folder.File(name));
    };
    WriteBytes(folder.File("file"), {'o'});
    link("loop2", "loop1");
    link("loop1", "loop2");
    link(folder.Path(), "to_folder");
    link("missing/new", "to_missing_folder");
    link("file", "chain0");
    for (int k = 1; k <= 40; ++k)
        link("chain" + std::to_string(k - 1), "chain" + std::to_string(k));
    // 40 links are followed, as the system does.
    for (const char* name : {"loop1", "to_folder", "to_missing_folder", "chain40", "chain39"}) {
        const bool written = std::string(name) == "chain39";
        EXPECT_EQ(ReplaceFile(folder.File(name), {'n'}), written) << name;
        EXPECT_EQ(WriteTarget(folder.File(name)).empty(), !written) << name;
        EXPECT_TRUE(fs::is_symlink(folder.File(name))) << name;
    }
    EXPECT_EQ(FileBytes(folder.File("file")), std::vector<unsigned char>{'n'});
    fs::create_hard_link(folder.File("file"), folder.File("hard"));
    EXPECT_TRUE(SameFile(folder.File("file"), folder.File("chain3")));
    EXPECT_TRUE(SameFile(folder.File("file"), folder.File("hard")));
    EXPECT_FALSE(SameFile(folder.File("file"), folder.File("loop1")));
}

}  // namespace
}  // namespace plotwise
