// Random valid documents come back byte for byte; damaged ones are either valid in every
// record or refused as "Incorrect format of the file", never anything worse.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "formula/number_input.h"
#include "plot/document_file.h"
#include "plot/record_checks.h"
#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::BytesOf;
using testing_support::FileBytes;
using testing_support::GraphOfKind;
using testing_support::ScratchFolder;
using testing_support::WriteBytes;

class RecordGenerator {
  public:
    explicit RecordGenerator(std::uint64_t seed) : rng_(seed) {}

    int Int(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }
    std::uint8_t Byte() { return static_cast<std::uint8_t>(Int(0, 255)); }

    // A value as the program would have stored it: already as displayed.
    long double Value(long double low, long double high) {
        const long double exponent = std::uniform_real_distribution<double>(-3, 3)(rng_);
        const long double v = std::pow(10.0L, exponent) * (Int(0, 1) ? 1 : -1);
        return RoundTo8(std::fmin(std::fmax(v, low), high));
    }

    void Bounds(Extended80& min, Extended80& max) {
        const long double a = Value(-1e3L, 1e3L);
        min = a;
        max = RoundTo8(a + std::abs(Value(1e-3L, 1e3L)) + 1);
    }

    void Interval(GraphInterval& block) {
        block.DefaultSteps.byte = Byte();
        block.DefaultInterval.byte = Byte();
        Bounds(block.Min, block.Max);
        block.StepsNum = Int(1, 20000);
        block.MaxGap = Int(1, 1000000);
    }

    void Area(GraphArea& area, int minSteps, int maxSteps, int minGap, int maxGap) {
        area.DefaultInterval.byte = Byte();
        Bounds(area.MinX, area.MaxX);
        Bounds(area.MinY, area.MaxY);
        area.StepsNumX = Int(minSteps, maxSteps);
        area.StepsNumY = Int(minSteps, maxSteps);
        area.MaxGap = Int(minGap, maxGap);
    }

    OptionsRecord Options() {
        OptionsRecord o = StandardOptions();
        Bounds(o.MinX, o.MaxX);
        Bounds(o.MinY, o.MaxY);
        o.CoeffX = Value(-1e3L, 1e3L);
        o.StepsNum = Int(1, 20000);
        o.PointsAlign.byte = Byte();
        o.BackColor = static_cast<std::uint8_t>(Int(0, 15));
        o.AxisY.Style = static_cast<std::uint8_t>(Int(0, 3));
        o.VertWidth = Int(1, 5);
        o.NumsX.Step = std::abs(Value(1e-3L, 1e3L));
        o.AxisX.Name.SetText(std::string(static_cast<std::size_t>(Int(0, 255)), 'n'));
        o.reserved3 = Byte();
        Interval(o.GraphDefaults.Polar);
        return o;
    }

    GraphRecord MakeGraph() {
        const auto kind = static_cast<std::uint8_t>(Int(kYOfX, kTable));
        const std::string var = kind == kXOfY         ? "y"
                                : kind == kPolarGraph ? "a"
                                : kind == kParametric ? "t"
                                                      : "x";
        GraphRecord p = GraphOfKind(kind);
        // Bytes the kind does not use keep whatever they held.
        for (std::uint8_t& byte : p.Body.Formulas.Variant.bytes)
            byte = Byte();
        const std::string formulas[] = {var, "", "2*" + var + "^2-sin(" + var + ")", "x*y-1"};
        if (kind != kTable) p.Formula().SetText(formulas[Int(0, kind >= kEquation ? 3 : 2)]);
        p.Color = Byte();
        p.LineWidth = Int(1, 5);
        switch (kind) {
            case kParametric:
                p.FormulaY().SetText("t");
                [[fallthrough]];
            case kYOfX:
            case kXOfY:
            case kPolarGraph:
                Interval(p.Interval());
                break;
            case kEquation:
                p.Relation() = static_cast<std::uint8_t>(Int(0, 2));
                Area(p.Area(), 1, 400, 1, 1000000);
                break;
            case kSlopeField:
                p.Relation() = static_cast<std::uint8_t>(Int(0, 1));
                Area(p.Area(), 1, 100, 4, 100);
                break;
            default:
                for (TableRow& row : p.Body.Table) {
                    row.X = Int(0, 3) ? Value(-1e100L, 1e100L) : kNoPoint;
                    row.Y = Int(0, 3) ? Value(-1e100L, 1e100L) : kNoPoint;
                }
                p.SortType = static_cast<std::uint8_t>(Int(0, 3));
        }
        return p;
    }

  private:
    std::mt19937_64 rng_;
};

TEST(DocumentProperty, RandomValidDocumentsComeBackByteForByte) {
    RecordGenerator gen(11);
    ScratchFolder folder;
    const std::string path = folder.File("random.plw");
    for (int n = 0; n < 200; ++n) {
        Document document(gen.Options());
        ASSERT_TRUE(CheckOptionsRecord(document.Options)) << n;
        const int count = gen.Int(0, 31);
        for (int g = 0; g < count; ++g) {
            document.AddGraph(gen.MakeGraph());
            ASSERT_TRUE(CheckGraphRecord(document.Graphs().back()->Record())) << n << " " << g;
        }
        ASSERT_TRUE(WriteDocument(document, path));
        Document reread(StandardOptions());
        ASSERT_TRUE(ReadDocument(reread, path).valid) << n;
        ASSERT_EQ(BytesOf(reread.Options), BytesOf(document.Options)) << n;
        ASSERT_EQ(reread.GraphCount(), document.GraphCount());
        for (std::size_t g = 0; g < reread.GraphCount(); ++g)
            ASSERT_EQ(BytesOf(reread.GraphAt(g).Record()), BytesOf(document.GraphAt(g).Record()))
                << n;
    }
}

TEST(DocumentProperty, DamagedFilesAreValidThroughoutOrRefused) {
    RecordGenerator gen(12);
    std::mt19937_64 rng(13);
    ScratchFolder folder;
    const std::string path = folder.File("damaged.plw");
    int refused = 0, accepted = 0;
    for (int n = 0; n < 1500; ++n) {
        std::vector<unsigned char> bytes = BytesOf(gen.Options());
        bytes.resize(kDocumentRecordSize, 0);
        for (int g = gen.Int(0, 4); g > 0; --g) {
            const std::vector<unsigned char> record = BytesOf(gen.MakeGraph());
            bytes.insert(bytes.end(), record.begin(), record.end());
        }
        switch (n % 3) {
            case 0:  // flipped bytes
                for (int k = gen.Int(1, 8); k > 0; --k)
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
