// Document and options files: every check, what reading normalises, byte-exact round
// trips, and writes that fail without harming the old file.
#include "plot/document_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <set>

#include "example_documents.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::BytesOf;
using testing_support::FileBytes;
using testing_support::GraphOfKind;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

std::vector<unsigned char> OptionsRecordBytes(const OptionsRecord& options) {
    std::vector<unsigned char> bytes = BytesOf(options);
    bytes.resize(kDocumentRecordSize, 0);
    return bytes;
}

std::vector<unsigned char> DocumentBytes(const OptionsRecord& options,
                                         const std::vector<GraphRecord>& graphs) {
    std::vector<unsigned char> bytes = OptionsRecordBytes(options);
    for (const GraphRecord& graph : graphs) {
        const std::vector<unsigned char> record = BytesOf(graph);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

TEST(CheckDocumentFile, EveryCheck) {
    const OptionsRecord standard = StandardOptions();
    const GraphRecord line = GraphOfKind(kYOfX, "sin(x)");
    OptionsRecord badOptions = standard;
    badOptions.MaxX = -10;
    GraphRecord emptyInterval = line;
    emptyInterval.Interval().Max = -10;
    const std::vector<GraphRecord> thirty(30, line);
    std::vector<GraphRecord> thirtyOne(31, line);
    std::vector<GraphRecord> badThirtyFirst = thirtyOne;
    badThirtyFirst[30].Kind = kIntegralGraph;
    std::vector<unsigned char> trailing = DocumentBytes(standard, {line});
    trailing.resize(trailing.size() + 100, 0xEE);  // a partial record is ignored
    std::vector<unsigned char> unusedBytes = DocumentBytes(standard, {line});
    std::fill(unusedBytes.begin() + 1784, unusedBytes.begin() + 2028, 0xEE);
    // clang-format off
    const struct {
        const char* what;
        std::vector<unsigned char> bytes;
        bool valid;
        std::size_t graphs;
    } cases[] = {
        {"empty file", {}, false, 0},
        {"short of one record", std::vector<unsigned char>(2027, 0), false, 0},
        {"options only", DocumentBytes(standard, {}), true, 0},
        {"one graph and a partial record", trailing, true, 1},
        {"record 0 past its options", unusedBytes, true, 1},
        {"invalid options", DocumentBytes(badOptions, {line}), false, 0},
        {"third graph with Min > Max", DocumentBytes(standard, {line, line, emptyInterval}), false, 0},
        {"reserved kind 7", DocumentBytes(standard, {line, GraphOfKind(kIntegralGraph, "x")}), false, 0},
        {"30 graphs", DocumentBytes(standard, thirty), true, 30},
        {"31 graphs", DocumentBytes(standard, thirtyOne), true, 31},
        {"invalid 31st graph", DocumentBytes(standard, badThirtyFirst), false, 0},
        {"one graph of each kind",
         DocumentBytes(standard, {line, GraphOfKind(kXOfY, "y"), GraphOfKind(kPolarGraph, "a"),
                                  GraphOfKind(kParametric, "t"), GraphOfKind(kEquation, "x-y"),
                                  GraphOfKind(kSlopeField, "x"), GraphOfKind(kTable)}), true, 7},
    };
    // clang-format on
    ScratchFolder folder;
    for (const auto& c : cases) {
        const std::string path = folder.File("case.plw");
        WriteBytes(path, c.bytes);
        const DocumentCheck check = CheckDocumentFile(path);
        EXPECT_EQ(check.valid, c.valid) << c.what;
        EXPECT_EQ(check.formatError, !c.valid) << c.what;
        EXPECT_EQ(check.Message(), c.valid ? "" : "Incorrect format of the file") << c.what;
        EXPECT_EQ(check.graphs, c.valid ? c.graphs : 0) << c.what;
        DocumentContents contents;
        EXPECT_EQ(LoadDocumentFile(path, contents).valid, c.valid) << c.what;
        EXPECT_EQ(contents.graphs.size(), c.valid ? c.graphs : 0) << c.what;
    }
}

TEST(CheckDocumentFile, InputOutputFailuresAndSpecialFiles) {
    ScratchFolder folder;
    const std::string fifo = folder.File("pipe.plw");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path :
         {folder.File("missing.plw"), folder.Path(), fifo, std::string("/dev/zero")}) {
        const DocumentCheck check = CheckDocumentFile(path);  // must not block on the FIFO
        EXPECT_FALSE(check.valid) << path;
        EXPECT_FALSE(check.formatError) << path;
        EXPECT_EQ(check.Message(), "Input-output error") << path;
    }
}

TEST(ReadDocument, NormalisesWhatItReads) {
    OptionsRecord options = StandardOptions();
    options.BackColor = 20;
    options.MinX = -9.87654321L;
    GraphRecord table = GraphOfKind(kTable);
    table.Body.Table[0].X = 1.000000001L;
    ScratchFolder folder;
    const std::string path = folder.File("doc.plw");
    WriteBytes(path, DocumentBytes(options, {table}));

    Document document(StandardOptions());
    document.AddGraph(GraphOfKind(kYOfX, "x"));  // replaced by what the file holds
    ASSERT_TRUE(ReadDocument(document, path).valid);
    EXPECT_EQ(document.Options.BackColor, 4);
    EXPECT_EQ(static_cast<long double>(document.Options.MinX), -9.8765432L);
    ASSERT_EQ(document.GraphCount(), 1u);
    EXPECT_EQ(static_cast<long double>(document.GraphAt(0).Record().Body.Table[0].X), 1.0L);
}

TEST(WriteDocument, ReadingBackGivesEveryByte) {
    Document document(StandardOptions());
    GraphRecord line = GraphOfKind(kYOfX, "x^2");
    // A record that changed kind keeps the old bytes it no longer uses; they travel as they are.
    std::memset(line.Body.Formulas.Variant.bytes + 40, 0xA5, 500);
    line.reserved1[0] = 7;
    document.AddGraph(line);
    document.AddGraph(GraphOfKind(kTable));
    document.AddGraph(GraphOfKind(kParametric, "cos(t)"));
    ScratchFolder folder;
    const std::string path = folder.File("doc.plw");
    ASSERT_TRUE(WriteDocument(document, path));

    std::vector<GraphRecord> graphs;
    for (const auto& graph : document.Graphs())
        graphs.push_back(graph->Record());
    EXPECT_EQ(FileBytes(path), DocumentBytes(document.Options, graphs));

    Document reread(StandardOptions());
    ASSERT_TRUE(ReadDocument(reread, path).valid);
    EXPECT_EQ(BytesOf(reread.Options), BytesOf(document.Options));
    ASSERT_EQ(reread.GraphCount(), 3u);
    for (std::size_t i = 0; i < 3; ++i)
        EXPECT_EQ(BytesOf(reread.GraphAt(i).Record()), BytesOf(graphs[i])) << i;
}

// Writes a document of three graphs over a file holding "old"; returns whether it worked.
bool WriteOver(const std::string& path) {
    Document document(StandardOptions());
    for (int i = 0; i < 3; ++i)
        document.AddGraph(GraphOfKind(kYOfX, "x"));
    return WriteDocument(document, path);
}

TEST(WriteDocument, AFailureHalfWayLeavesTheOldFile) {
    ScratchFolder folder;
    const std::string path = folder.File("doc.plw");
    const std::vector<unsigned char> old = {'o', 'l', 'd'};
    WriteBytes(path, old);

    // The device fills up after 3000 of the 8112 bytes.
    rlimit saved;
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 3000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteOver(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(FileBytes(path), old);
    // Nothing is left behind but the old file.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()), {}), 1);

    // Whatever could not be written into is not swapped for a new file either.
    EXPECT_FALSE(WriteOver(folder.File("no such folder/doc.plw")));
    const std::string fifo = folder.File("pipe.plw");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_FALSE(WriteOver(fifo));
    EXPECT_TRUE(std::filesystem::is_fifo(fifo));
    if (geteuid() != 0) {  // permissions do not bind root
        chmod(path.c_str(), 0444);
        EXPECT_FALSE(WriteOver(path));
        chmod(folder.Path().c_str(), 0500);
        EXPECT_FALSE(WriteOver(folder.File("new.plw")));
        EXPECT_EQ(FileBytes(path), old);
    }
}

TEST(WriteDocument, KeepsPermissionsAndWritesThroughLinks) {
    ScratchFolder folder;
    const std::string target = folder.File("target.plw");
    const std::string link = folder.File("link.plw");
    WriteBytes(target, {'o', 'l', 'd'});
    chmod(target.c_str(), 0640);
    std::filesystem::create_symlink(target, link);
    ASSERT_TRUE(WriteOver(link));
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(FileBytes(target).size(), 4 * kDocumentRecordSize);
    struct stat info;
    ASSERT_EQ(stat(target.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);

    const std::string dangling = folder.File("dangling.plw");  // its target is yet to come
    std::filesystem::create_symlink("later.plw", dangling);
    ASSERT_TRUE(WriteOver(dangling));
    EXPECT_TRUE(std::filesystem::is_symlink(dangling));
    EXPECT_EQ(FileBytes(folder.File("later.plw")).size(), 4 * kDocumentRecordSize);
}

TEST(OptionsFile, LoadsValidRecordsOnlyAndSavesSafely) {
    ScratchFolder folder;
    const std::string path = folder.File(kOptionsFileName);
    const std::vector<unsigned char> standard = BytesOf(StandardOptions());
    EXPECT_EQ(BytesOf(LoadOptionsFile(path)), standard);  // no file

    OptionsRecord options = StandardOptions();
    options.MaxY = 25;
    options.VertColor = 17;
    ASSERT_TRUE(SaveOptionsFile(options, path));
    EXPECT_EQ(FileBytes(path), BytesOf(options));
    OptionsRecord expected = options;
    expected.VertColor = 1;
    EXPECT_EQ(BytesOf(LoadOptionsFile(path)), BytesOf(expected));

    std::vector<unsigned char> longer = BytesOf(options);
    longer.resize(3000, 0xEE);  // only the first 1784 bytes count
    WriteBytes(path, longer);
    EXPECT_EQ(BytesOf(LoadOptionsFile(path)), BytesOf(expected));

    WriteBytes(path, std::vector<unsigned char>(standard.begin(), standard.end() - 1));
    EXPECT_EQ(BytesOf(LoadOptionsFile(path)), standard);  // short
    options.StepsNum = 0;
    WriteBytes(path, BytesOf(options));
    EXPECT_EQ(BytesOf(LoadOptionsFile(path)), standard);  // invalid

    EXPECT_FALSE(SaveOptionsFile(options, folder.File("missing/Plotwise.cfg")));
}

TEST(Examples, ShippedDocumentsAreWhatTheWriterMakes) {
    ScratchFolder folder;
    std::set<int> kinds;
    for (const auto& example : examples::ExampleDocuments()) {
        const std::string shipped = std::string(PLOTWISE_EXAMPLES) + "/" + example.fileName;
        ASSERT_TRUE(CheckDocumentFile(shipped).valid) << shipped;
        const std::string fresh = folder.File(example.fileName);
        ASSERT_TRUE(WriteDocument(*example.document, fresh));
        EXPECT_EQ(FileBytes(shipped), FileBytes(fresh))
            << shipped << " is stale: rebuild it with plotwise_make_examples";
        for (const auto& graph : example.document->Graphs())
            kinds.insert(graph->Record().Kind);
    }
    EXPECT_EQ(kinds.size(), 7u);  // kinds 0 to 6
}

}  // namespace
}  // namespace plotwise
