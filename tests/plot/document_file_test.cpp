// Document and options files: every check, what reading normalises, byte-exact round
// trips, damaged files, and writes that fail without harming the old file.
#include "plot/document_file.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <cstring>
#include <filesystem>
#include <iostream>
#include <random>
#include <set>

#include "example_documents.h"
#include "plot/record_checks.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using namespace testing_support;

// A file's bytes: the options in a record of a graph's size, then the graphs.
std::vector<unsigned char> DocumentBytes(const OptionsRecord& options,
                                         const std::vector<GraphRecord>& graphs) {
    std::vector<unsigned char> bytes = BytesOf(options);
    bytes.resize(kDocumentRecordSize, 0);
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
    std::vector<GraphRecord> badThirtyFirst(31, line);
    badThirtyFirst[30].Kind = kIntegralGraph;
    std::vector<unsigned char> trailing = DocumentBytes(standard, {line});
    std::vector<unsigned char> unusedBytes = trailing;
    trailing.resize(trailing.size() + 100, 0xEE);  // a partial record is ignored
    std::fill(unusedBytes.begin() + 1784, unusedBytes.begin() + 2028, 0xEE);
    // clang-format off
    const struct { const char* what; std::vector<unsigned char> bytes; bool valid; std::size_t graphs; } cases[] = {
        {"empty file", {}, false, 0},
        {"short of one record", std::vector<unsigned char>(2027, 0), false, 0},
        {"options only", DocumentBytes(standard, {}), true, 0},
        {"one graph and a partial record", trailing, true, 1},
        {"record 0 past its options", unusedBytes, true, 1},
        {"invalid options", DocumentBytes(badOptions, {line}), false, 0},
        {"third graph with Min > Max", DocumentBytes(standard, {line, line, emptyInterval}), false, 0},
        {"reserved kind 7", DocumentBytes(standard, {line, GraphOfKind(kIntegralGraph, "x")}), false, 0},
        {"31 graphs", DocumentBytes(standard, std::vector<GraphRecord>(31, line)), true, 31},
        {"invalid 31st graph", DocumentBytes(standard, badThirtyFirst), false, 0},
    };
    // clang-format on
    ScratchFolder folder;
    const std::string path = folder.File("case.plw");
    for (const auto& c : cases) {
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
    const std::string fifo = folder.File("pipe.plw");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& bad :
         {folder.File("missing.plw"), folder.Path(), fifo, std::string("/dev/zero")}) {
        const DocumentCheck check = CheckDocumentFile(bad);  // must not block on the FIFO
        EXPECT_FALSE(check.valid || check.formatError) << bad;
        EXPECT_EQ(check.Message(), "Input-output error") << bad;
    }
}

TEST(ReadDocument, ReplacesTheDocumentAndNormalisesWhatItReads) {
    OptionsRecord options = StandardOptions();
    options.BackColor = 20;
    options.MinX = -9.87654321L;
    options.NumsY.Step = 0.1234567891L;
    options.AxisY.Pointer = 6;
    options.HorWidth = 7;
    options.VertWidth = -7;            // truncating modulo, as everywhere; drawing clamps widths
    options.RadiusStep = 1.23456789L;  // not among the rounded fields
    GraphRecord line = GraphOfKind(kYOfX, "x");
    // Bytes a kind does not use keep what they held, as after a change of kind.
    std::memset(line.Body.Formulas.Variant.bytes + 40, 0xA5, 500);
    line.reserved1[0] = 7;
    line.Interval().Min = -1.000000049L;
    line.Body.Formulas.Variant.Param.Interval.Min = 0.123456789L;  // not rounded: not kind 0's
    GraphRecord field = GraphOfKind(kSlopeField, "x");
    field.Area().MaxY = 3.333333333L;
    GraphRecord table = GraphOfKind(kTable);
    table.Body.Table[3].Y = 2.0000000049L;
    ScratchFolder folder;
    WriteBytes(folder.File("doc.plw"), DocumentBytes(options, {line, field, table}));

    Document document(StandardOptions());
    document.AddGraph(GraphOfKind(kYOfX, "x"));
    ASSERT_TRUE(ReadDocument(document, folder.File("doc.plw")).valid);
    options.BackColor = 4;
    options.MinX = -9.8765432L;
    options.NumsY.Step = 0.1234568L;  // as displayed: 7 decimals
    options.AxisY.Pointer = 2;
    options.HorWidth = 1;
    options.VertWidth = -1;
    line.Interval().Min = -1;
    field.Area().MaxY = 3.3333333L;
    table.Body.Table[3].Y = 2;
    EXPECT_EQ(BytesOf(document.Options), BytesOf(options));
    ASSERT_EQ(document.GraphCount(), 3u);
    EXPECT_EQ(BytesOf(document.GraphAt(0).Record()), BytesOf(line));
    EXPECT_EQ(BytesOf(document.GraphAt(1).Record()), BytesOf(field));
    EXPECT_EQ(BytesOf(document.GraphAt(2).Record()), BytesOf(table));
    ASSERT_TRUE(WriteDocument(document, folder.File("doc.plw")));
    EXPECT_EQ(FileBytes(folder.File("doc.plw")), DocumentBytes(options, {line, field, table}));
}

// Writes a document of three graphs; returns whether it worked.
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

TEST(DocumentProperty, DamagedFilesAreValidThroughoutOrRefused) {
    std::vector<std::vector<unsigned char>> sound;
    for (const auto& example : examples::ExampleDocuments())
        sound.push_back(FileBytes(std::string(PLOTWISE_EXAMPLES) + "/" + example.fileName));
    std::mt19937_64 rng(13);
    ScratchFolder folder;
    const std::string path = folder.File("damaged.plw");
    int refused = 0, accepted = 0;
    for (int n = 0; n < 1500; ++n) {
        std::vector<unsigned char> bytes = sound[rng() % sound.size()];
        switch (n % 3) {
            case 0:  // flipped bytes
                for (int k = 1 + rng() % 8; k > 0; --k)
                    bytes[rng() % bytes.size()] ^= static_cast<unsigned char>(1 + rng() % 255);
                break;
            case 1:  // cut short
                bytes.resize(rng() % bytes.size());
                break;
            default:  // a garbage record appended
                for (std::size_t k = 0; k < kDocumentRecordSize; ++k)
                    bytes.push_back(static_cast<unsigned char>(rng()));
        }
        WriteBytes(path, bytes);
        DocumentContents contents;
        const DocumentCheck check = LoadDocumentFile(path, contents);
        ASSERT_TRUE(check.valid || check.formatError) << n;  // never an I/O failure
        ASSERT_EQ(CheckDocumentFile(path).valid, check.valid) << n;
        if (!check.valid) {
            ++refused;
            continue;
        }
        ++accepted;
        ASSERT_EQ(contents.graphs.size(), bytes.size() / kDocumentRecordSize - 1) << n;
        ASSERT_TRUE(CheckOptionsRecord(contents.options)) << n;
        for (const GraphRecord& props : contents.graphs)
            ASSERT_TRUE(CheckGraphRecord(props)) << n;
    }
    std::cout << "damaged documents: " << accepted << " valid throughout, " << refused
              << " refused\n";
    // Both outcomes must actually occur, or the test proves nothing.
    EXPECT_GT(refused, 250);
    EXPECT_GT(accepted, 250);
}

}  // namespace
}  // namespace plotwise
