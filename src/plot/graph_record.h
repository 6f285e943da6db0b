// GraphRecord: the 2028-byte graph record, kept in the document, the properties
// dialog, the undo history and the document file byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plot/record_types.h"

namespace plotwise {

enum GraphKind : std::uint8_t {
    kYOfX = 0,
    kXOfY = 1,
    kPolarGraph = 2,
    kParametric = 3,
    kEquation = 4,
    kSlopeField = 5,
    kTable = 6,
    kIntegralGraph = 7,  // reserved: a layout and defaults, but no command creates it
};

// The sampling interval of kinds 0 to 3 (for polar graphs in units of pi).
struct GraphInterval {
    Bool8 DefaultSteps;     // use the document's StepsNum and MaxGap
    Bool8 DefaultInterval;  // kinds 0, 1: the whole visible range of the argument's axis
    Extended80 Min;
    Extended80 Max;
    std::uint8_t reserved[2];
    Int32 StepsNum;  // 1..20000
    Int32 MaxGap;    // percent of the visible range, 1..1000000
};

// The rectangle and grid of kinds 4 and 5.
struct GraphArea {
    Bool8 DefaultInterval;  // the whole visible plane
    std::uint8_t reserved1;
    Extended80 MinX;
    Extended80 MaxX;
    Extended80 MinY;
    Extended80 MaxY;
    std::uint8_t reserved2[2];
    Int32 StepsNumX;
    Int32 StepsNumY;
    Int32 MaxGap;  // kind 5: LinesLength, the slope segment length in pixels
};

// Kind 7 (reserved).
struct IntegralArea {
    Bool8 DefaultSteps;
    Bool8 DefaultInterval;
    Extended80 Min;
    Extended80 Max;
    Extended80 FirstX;
    Extended80 FirstY;
    std::uint8_t reserved[2];
    Int32 StepsNum;
    Int32 MaxGap;
};

// Bytes 4..23 of a graph record; also the style block of the default graph properties.
struct GraphStyle {
    Bool8 Lines;
    Bool8 DrawGraphic;
    Bool8 Points;
    std::uint8_t Color;       // colour index 0..15
    std::uint8_t PointStyle;  // 0..7
    std::uint8_t reserved1[3];
    Int32 LineWidth;     // 1..5
    Int32 PointWidth;    // 1, 3, ... 11
    std::uint8_t Brush;  // 0..6
    std::uint8_t reserved2[3];
};

struct TableRow {
    Extended80 X;  // +Infinity: empty cell
    Extended80 Y;
};

inline constexpr int kTableRows = 100;

// Bytes 280..2023 by kind.
union VariantPart {
    GraphInterval Interval;  // kinds 0, 1, 2
    struct {
        String255 FormulaY;
        GraphInterval Interval;
    } Param;  // kind 3
    struct {
        std::uint8_t Relation;
        std::uint8_t reserved[3];
        GraphArea Area;
    } Area;  // kinds 4, 5
    struct {
        std::uint8_t Relation;
        std::uint8_t reserved[3];
        IntegralArea Integral;
    } Integral;  // kind 7
    std::uint8_t bytes[1744];
};

struct GraphRecord {
    std::uint8_t Kind;
    std::uint8_t reserved1[3];
    Bool8 Lines;
    Bool8 DrawGraphic;
    Bool8 Points;
    std::uint8_t Color;
    std::uint8_t PointStyle;
    std::uint8_t reserved2[3];
    Int32 LineWidth;
    Int32 PointWidth;
    std::uint8_t Brush;
    std::uint8_t reserved3[3];
    union {
        struct {
            String255 Formula;  // kind 3: the X(t) formula
            VariantPart Variant;
        } Formulas;
        TableRow Table[kTableRows];  // kind 6
    } Body;
    std::uint8_t SortType;  // kind 6: 0 by X, 1 by Y, 2 as entered
    std::uint8_t reserved4[3];

    String255& Formula() { return Body.Formulas.Formula; }
    const String255& Formula() const { return Body.Formulas.Formula; }
    String255& FormulaY() { return Body.Formulas.Variant.Param.FormulaY; }
    const String255& FormulaY() const { return Body.Formulas.Variant.Param.FormulaY; }

    // The interval block of kinds 0 to 3 (kind 3 keeps it after FormulaY).
    GraphInterval& Interval() {
        return Kind == kParametric ? Body.Formulas.Variant.Param.Interval
                                   : Body.Formulas.Variant.Interval;
    }
    const GraphInterval& Interval() const {
        return Kind == kParametric ? Body.Formulas.Variant.Param.Interval
                                   : Body.Formulas.Variant.Interval;
    }
    std::uint8_t& Relation() { return Body.Formulas.Variant.Area.Relation; }
    std::uint8_t Relation() const { return Body.Formulas.Variant.Area.Relation; }
    GraphArea& Area() { return Body.Formulas.Variant.Area.Area; }
    const GraphArea& Area() const { return Body.Formulas.Variant.Area.Area; }
    IntegralArea& Integral() { return Body.Formulas.Variant.Integral.Integral; }
    const IntegralArea& Integral() const { return Body.Formulas.Variant.Integral.Integral; }
};

// The variable a kind's formulas are written in, upper case: Y for X(y), A for R(a), T for
// X(t) and Y(t), X for every other kind.
constexpr char KindVariable(int kind) {
    return kind == kXOfY ? 'Y' : kind == kPolarGraph ? 'A' : kind == kParametric ? 'T' : 'X';
}

// Style fields as a block, between a graph record and the default graph properties.
GraphStyle StyleOf(const GraphRecord& props);
void SetStyle(GraphRecord& props, const GraphStyle& style);

// A graph record with every byte zero, before the defaults of its kind are applied.
GraphRecord EmptyGraphRecord();

// Empties every table cell (+Infinity).
void ClearTable(GraphRecord& props);

static_assert(sizeof(GraphInterval) == 32 && sizeof(GraphArea) == 56);
static_assert(sizeof(IntegralArea) == 52 && sizeof(GraphStyle) == 20);
static_assert(sizeof(VariantPart) == 1744 && sizeof(GraphRecord) == 2028);
static_assert(offsetof(GraphInterval, Min) == 2 && offsetof(GraphInterval, Max) == 12);
static_assert(offsetof(GraphInterval, StepsNum) == 24 && offsetof(GraphInterval, MaxGap) == 28);
static_assert(offsetof(GraphArea, MinX) == 2 && offsetof(GraphArea, MaxX) == 12);
static_assert(offsetof(GraphArea, MinY) == 22 && offsetof(GraphArea, MaxY) == 32);
static_assert(offsetof(GraphArea, StepsNumX) == 44 && offsetof(GraphArea, StepsNumY) == 48);
static_assert(offsetof(GraphArea, MaxGap) == 52);
static_assert(offsetof(IntegralArea, Min) == 2 && offsetof(IntegralArea, Max) == 12);
static_assert(offsetof(IntegralArea, FirstX) == 22 && offsetof(IntegralArea, FirstY) == 32);
static_assert(offsetof(IntegralArea, StepsNum) == 44 && offsetof(IntegralArea, MaxGap) == 48);
static_assert(offsetof(GraphStyle, Color) == 3 && offsetof(GraphStyle, PointStyle) == 4);
static_assert(offsetof(GraphStyle, LineWidth) == 8 && offsetof(GraphStyle, PointWidth) == 12);
static_assert(offsetof(GraphStyle, Brush) == 16);
static_assert(offsetof(GraphRecord, Lines) == 4 && offsetof(GraphRecord, DrawGraphic) == 5);
static_assert(offsetof(GraphRecord, Points) == 6 && offsetof(GraphRecord, Color) == 7);
static_assert(offsetof(GraphRecord, PointStyle) == 8);
static_assert(offsetof(GraphRecord, LineWidth) == 12);
static_assert(offsetof(GraphRecord, PointWidth) == 16 && offsetof(GraphRecord, Brush) == 20);
static_assert(offsetof(GraphRecord, Body) == 24 && offsetof(GraphRecord, SortType) == 2024);
static_assert(offsetof(GraphRecord, Body.Formulas.Variant) == 280);
static_assert(offsetof(GraphRecord, Body.Formulas.Variant.Param.Interval) == 536);
static_assert(offsetof(GraphRecord, Body.Formulas.Variant.Area.Area) == 284);
static_assert(offsetof(GraphRecord, Body.Formulas.Variant.Integral.Integral) == 284);
static_assert(offsetof(GraphRecord, Body.Table[1].Y) == 24 + 20 + 10);

}  // namespace plotwise
