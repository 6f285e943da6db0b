// The records' byte images: field types, the standard options and new graph records.
#include <gtest/gtest.h>

#include <cstring>

#include "plot_test_support.h"

namespace plotwise {
namespace {

using testing_support::BytesOf;

TEST(RecordTypes, FieldsReadAndWriteTheirBytes) {
    Extended80 value;
    value = -10;  // sign and exponent C002, mantissa A000000000000000
    EXPECT_EQ(BytesOf(value), (std::vector<unsigned char>{0, 0, 0, 0, 0, 0, 0, 0xA0, 0x02, 0xC0}));
    value = kNoPoint;
    EXPECT_EQ(BytesOf(value), (std::vector<unsigned char>{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x7F}));
    EXPECT_EQ(static_cast<long double>(value), kNoPoint);

    Int32 count;
    count = 20000;
    EXPECT_EQ(BytesOf(count), (std::vector<unsigned char>{0x20, 0x4E, 0, 0}));

    Bool8 flag{5};  // any non-zero byte is true, and the byte stays as it was
    EXPECT_TRUE(flag);
    EXPECT_EQ(flag.byte, 5);

    String32 name;
    std::memset(&name, 'A', sizeof name);
    name.length = 200;  // a hostile length reads as the capacity
    EXPECT_EQ(name.Text(), std::string(32, 'A'));
    name.SetText(std::string(40, 'b'));
    EXPECT_EQ(name.length, 32);
    name.SetText("ab");
    EXPECT_EQ(BytesOf(name)[3], 0);  // past the length: zero
}

TEST(StandardOptions, BytesAtTheirOffsets) {
    const OptionsRecord o = StandardOptions();
    const std::vector<unsigned char> bytes = BytesOf(o);
    EXPECT_EQ(static_cast<long double>(o.MaxY), 10);
    EXPECT_EQ(static_cast<long double>(o.AngleStep), 0.25L);
    // clang-format off
    const struct {
        std::size_t offset;
        unsigned char byte;
    } cases[] = {
        {80, 200}, {84, 0x10}, {85, 0x27}, {88, 1}, {89, 1}, {90, 0}, {116, 15}, {120, 1},
        {140, 8}, {160, 8}, {168, 1}, {169, 1}, {174, 1}, {175, 'X'}, {430, 1}, {436, 8},
        {440, 13}, {441, 'M'}, {481, 1}, {486, 1}, {487, 'Y'}, {792, 1}, {808, 2}, {832, 1},
        {834, 1}, {1464, 0}, {1492, 100}, {1596, 0}, {1600, 1}, {1600 + 44, 50}, {1656 + 44, 200},
        {1708 + 44, 15}, {1708 + 52, 25}, {1764, 1}, {1765, 1}, {1766, 0}, {1767, 2}, {1768, 3},
        {1772, 1}, {1776, 1}, {1780, 1},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(bytes[c.offset], c.byte) << c.offset;
}

TEST(NewGraphRecord, DefaultsOfEachKind) {
    OptionsRecord o = StandardOptions();
    o.GraphDefaults.Kind = kPolarGraph;
    o.GraphDefaults.Style.Color = 12;
    GraphRecord polar = NewGraphRecord(o);
    EXPECT_EQ(polar.Kind, kPolarGraph);
    EXPECT_EQ(polar.Color, 12);
    EXPECT_EQ(static_cast<long double>(polar.Interval().Min), -1);
    EXPECT_FALSE(polar.Interval().DefaultInterval);

    o.GraphDefaults.Kind = 9;  // no kind: a Y(x) graph
    EXPECT_EQ(NewGraphRecord(o).Kind, kYOfX);

    GraphRecord table = polar;
    table.Kind = kTable;
    o.GraphDefaults.SortType = 2;
    SetNewProps(table, o);
    EXPECT_EQ(table.SortType, 2);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[0].X), kNoPoint);
    EXPECT_EQ(static_cast<long double>(table.Body.Table[99].Y), kNoPoint);
    EXPECT_EQ(table.Color, 12);  // style stays

    GraphRecord field = polar;
    field.Kind = kSlopeField;
    SetNewProps(field, o);
    EXPECT_EQ(field.Area().MaxGap, 25);
    EXPECT_EQ(field.Relation(), 0);
    EXPECT_EQ(field.Formula().Text(), "");
}

}  // namespace
}  // namespace plotwise
