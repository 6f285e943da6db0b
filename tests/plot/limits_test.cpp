// What no file or formula may exceed: graphs in a document file, the memory of a
// document's samples, work between two looks for Esc, and links a save follows.
#include <gtest/gtest.h>

#include <filesystem>

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
    // clang-format off
    const struct { std::size_t graphs; bool partialTail, zeroOptions, valid; } cases[] = {
        {1000, true, false, true}, {1001, false, false, false},
        {1001, false, true, false},  // counted before the options are read
    };
    // clang-format on
    for (const auto& c : cases) {
        std::vector<unsigned char> bytes =
            c.zeroOptions ? std::vector<unsigned char>(kDocumentRecordSize) : options;
        for (std::size_t k = 0; k < c.graphs; ++k)
            bytes.insert(bytes.end(), line.begin(), line.end());
        if (c.partialTail) bytes.resize(bytes.size() + 2000, 1);
        const std::string path = folder.File("many.plw");
        WriteBytes(path, bytes);
        DocumentContents contents;
        for (const DocumentCheck& check :
             {CheckDocumentFile(path), LoadDocumentFile(path, contents)}) {
            EXPECT_EQ(check.valid, c.valid) << c.graphs;
            EXPECT_EQ(check.graphs, c.valid ? c.graphs : 0);
            EXPECT_EQ(check.Message(), c.valid ? "" : "Too many graphs in the file");
            EXPECT_TRUE(c.valid || check.formatError);
        }
        EXPECT_EQ(contents.graphs.size(), c.valid ? c.graphs : 0);
        EXPECT_EQ(FileBytes(path), bytes);
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

    // The degenerate curve crosses each of the 1281600 edges: a few bytes an edge.
    doc.SampleMemory().SetLimit(kDefaultSampleBudget);
    GraphRecord zero = GraphOfKind(kEquation, "0");
    zero.Area().StepsNumX = zero.Area().StepsNumY = 400;
    ASSERT_TRUE(doc.CalculateGraph(doc.AddGraph(zero), doc.Options, 0));
    EXPECT_EQ(doc.GraphAt(3).Crossings.edges.size(), 1281600u);
    EXPECT_LT(doc.SampleMemory().Used(), 8'000'000u);
}

// Says a poll is due whenever asked: how often a run asks is how much work may pass
// between two looks for Esc.
struct EagerFeedback : RecordingFeedback {
    int asked = 0;
    bool PollDue() override { return ++asked > 0; }
};

TEST(SamplingRun, AsksForAPollEveryFewSamplesHoweverSlowlyThePercentageGrows) {
    // clang-format off
    const struct { std::uint8_t kind; int relation; const char* formula; long long samples; } cases[] = {
        {kEquation, 0, "x*y-1", 801 * 801}, {kEquation, 1, "x*y-1", 2 * 400 * 400},
        {kSlopeField, 0, "x*y", 100 * 100}, {kYOfX, 0, "x", 20001},
    };
    // clang-format on
    for (const auto& c : cases) {
        Document doc(StandardOptions());
        EagerFeedback feedback;
        doc.Reporter = &feedback;
        GraphRecord props = GraphOfKind(c.kind, c.formula);
        if (c.kind == kYOfX) {
            props.Interval().DefaultSteps = false;
            props.Interval().StepsNum = 20000;
        } else {
            props.Relation() = static_cast<std::uint8_t>(c.relation);
            props.Area().StepsNumX = props.Area().StepsNumY = c.kind == kEquation ? 400 : 100;
        }
        Graph& graph = doc.AddGraph(props);
        ASSERT_TRUE(doc.CalculateGraph(graph, doc.Options, 0));
        EXPECT_GE(feedback.asked, c.samples / SamplingRun::kCallsPerPollCheck - 100) << c.formula;
        feedback.escAtPoll = feedback.polls + 3;  // Esc at the third look: no values kept
        EXPECT_FALSE(doc.CalculateGraph(graph, doc.Options, 0));
        EXPECT_FALSE(graph.HasValues());
    }
}

TEST(SafeFile, LinksThatLeadNowhereStayLinksAndNothingIsWritten) {
    ScratchFolder folder;
    const std::string file = folder.File("file");
    WriteBytes(file, {'o'});
    fs::create_symlink("loop2", folder.File("loop1"));
    fs::create_symlink("loop1", folder.File("loop2"));
    fs::create_symlink(folder.Path(), folder.File("to_folder"));
    fs::create_symlink("missing/new", folder.File("to_missing_folder"));
    fs::create_symlink("file", folder.File("chain0"));
    for (int k = 1; k <= 41; ++k)
        fs::create_symlink("chain" + std::to_string(k - 1),
                           folder.File("chain" + std::to_string(k)));
    // clang-format off
    const struct { const char* name; bool written; } cases[] = {
        {"loop1", false}, {"to_folder", false}, {"to_missing_folder", false},
        {"chain41", false}, {"chain40", true},  // 40 links are followed, as the system does
    };
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(ReplaceFile(folder.File(c.name), {'n'}), c.written) << c.name;
        EXPECT_TRUE(fs::is_symlink(folder.File(c.name))) << c.name;
        EXPECT_EQ(WriteTarget(folder.File(c.name)).empty(), !c.written) << c.name;
    }
    EXPECT_EQ(FileBytes(file), std::vector<unsigned char>{'n'});
    fs::create_hard_link(file, folder.File("hard"));
    EXPECT_TRUE(SameFile(file, folder.File("chain3")) && SameFile(file, folder.File("hard")));
    EXPECT_FALSE(SameFile(file, folder.File("loop1")) || SameFile(file, folder.File("none")));
}

}  // namespace
}  // namespace plotwise
