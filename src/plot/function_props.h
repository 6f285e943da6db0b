// TFunctionProps: the 2028-byte graph record, kept in the document, the properties
// dialog, the undo history and the document file byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "record_types.h"

namespace plotwise {

enum FuncStyle : std::uint8_t {
    fsYFromX = 0,
    fsXFromY = 1,
    fsPolar = 2,
    fsParam = 3,
    fsEquation = 4,
    fsDifField = 5,
    fsTable = 6,
    fsIntegral = 7,  // reserved: a layout and defaults, but no command creates it
};

// The sampling interval of kinds 0 to 3 (for polar graphs in units of pi).
struct TIntervalProps {
    Bool8 DefaultSteps;     // use the document's StepsNum and MaxGap
    Bool8 DefaultInterval;  // kinds 0, 1: the whole visible range of the argument's axis
    Extended80 Min;
    Extended80 Max;
    std::uint8_t reserved[2];
    Int32 StepsNum;  // 1..20000
    Int32 MaxGap;    // percent of the visible range, 1..1000000
};

// The rectangle and grid of kinds 4 and 5.
struct TAreaProps {
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
struct TIntegralProps {
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
struct TGraphStyle {
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

struct TTableRow {
    Extended80 X;  // +Infinity: empty cell
    Extended80 Y;
};

inline constexpr int kTableRows = 100;

// Bytes 280..2023 by kind.
union TVariantPart {
    TIntervalProps Interval;  // kinds 0, 1, 2
    struct {
        String255 FormulaY;
        TIntervalProps Interval;
    } Param;  // kind 3
    struct {
        std::uint8_t Relation;
        std::uint8_t reserved[3];
        TAreaProps Area;
    } Area;  // kinds 4, 5
    struct {
        std::uint8_t Relation;
        std::uint8_t reserved[3];
        TIntegralProps Integral;
    } Integral;  // kind 7
    std::uint8_t bytes[1744];
};

struct TFunctionProps {
    std::uint8_t FuncStyle;
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
            TVariantPart Variant;
        } Formulas;
        TTableRow Table[kTableRows];  // kind 6
    } Body;
    std::uint8_t SortType;  // kind 6: 0 by X, 1 by Y, 2 as entered
    std::uint8_t reserved4[3];

    String255& Formula() { return Body.Formulas.Formula; }
    const String255& Formula() const { return Body.Formulas.Formula; }
    String255& FormulaY() { return Body.Formulas.Variant.Param.FormulaY; }
    const String255& FormulaY() const { return Body.Formulas.Variant.Param.FormulaY; }

    // The interval block of kinds 0 to 3 (kind 3 keeps it after FormulaY).
    TIntervalProps& Interval() {
        return FuncStyle == fsParam ? Body.Formulas.Variant.Param.Interval
                                    : Body.Formulas.Variant.Interval;
    }
    const TIntervalProps& Interval() const {
        return FuncStyle == fsParam ? Body.Formulas.Variant.Param.Interval
                                    : Body.Formulas.Variant.Interval;
    }
    std::uint8_t& Relation() { return Body.Formulas.Variant.Area.Relation; }
    std::uint8_t Relation() const { return Body.Formulas.Variant.Area.Relation; }
    TAreaProps& Area() { return Body.Formulas.Variant.Area.Area; }
    const TAreaProps& Area() const { return Body.Formulas.Variant.Area.Area; }
    TIntegralProps& Integral() { return Body.Formulas.Variant.Integral.Integral; }
    const TIntegralProps& Integral() const { return Body.Formulas.Variant.Integral.Integral; }
};

// Style fields as a block, between a graph record and the default graph properties.
TGraphStyle StyleOf(const TFunctionProps& props);
void SetStyle(TFunctionProps& props, const TGraphStyle& style);

// A graph record with every byte zero, before the defaults of its kind are applied.
TFunctionProps EmptyFunctionProps();

// Empties every table cell (+Infinity).
void ClearTable(TFunctionProps& props);

static_assert(sizeof(TIntervalProps) == 32 && sizeof(TAreaProps) == 56);
static_assert(sizeof(TIntegralProps) == 52 && sizeof(TGraphStyle) == 20);
static_assert(sizeof(TVariantPart) == 1744 && sizeof(TFunctionProps) == 2028);
static_assert(offsetof(TIntervalProps, Min) == 2 && offsetof(TIntervalProps, Max) == 12);
static_assert(offsetof(TIntervalProps, StepsNum) == 24 && offsetof(TIntervalProps, MaxGap) == 28);
static_assert(offsetof(TAreaProps, MinX) == 2 && offsetof(TAreaProps, MaxX) == 12);
static_assert(offsetof(TAreaProps, MinY) == 22 && offsetof(TAreaProps, MaxY) == 32);
static_assert(offsetof(TAreaProps, StepsNumX) == 44 && offsetof(TAreaProps, StepsNumY) == 48);
static_assert(offsetof(TAreaProps, MaxGap) == 52);
static_assert(offsetof(TIntegralProps, Min) == 2 && offsetof(TIntegralProps, Max) == 12);
static_assert(offsetof(TIntegralProps, FirstX) == 22 && offsetof(TIntegralProps, FirstY) == 32);
static_assert(offsetof(TIntegralProps, StepsNum) == 44 && offsetof(TIntegralProps, MaxGap) == 48);
static_assert(offsetof(TGraphStyle, Color) == 3 && offsetof(TGraphStyle, PointStyle) == 4);
static_assert(offsetof(TGraphStyle, LineWidth) == 8 && offsetof(TGraphStyle, PointWidth) == 12);
static_assert(offsetof(TGraphStyle, Brush) == 16);
static_assert(offsetof(TFunctionProps, Lines) == 4 && offsetof(TFunctionProps, DrawGraphic) == 5);
static_assert(offsetof(TFunctionProps, Points) == 6 && offsetof(TFunctionProps, Color) == 7);
static_assert(offsetof(TFunctionProps, PointStyle) == 8);
static_assert(offsetof(TFunctionProps, LineWidth) == 12);
static_assert(offsetof(TFunctionProps, PointWidth) == 16 && offsetof(TFunctionProps, Brush) == 20);
static_assert(offsetof(TFunctionProps, Body) == 24 && offsetof(TFunctionProps, SortType) == 2024);
static_assert(offsetof(TFunctionProps, Body.Formulas.Variant) == 280);
static_assert(offsetof(TFunctionProps, Body.Formulas.Variant.Param.Interval) == 536);
static_assert(offsetof(TFunctionProps, Body.Formulas.Variant.Area.Area) == 284);
static_assert(offsetof(TFunctionProps, Body.Formulas.Variant.Integral.Integral) == 284);
static_assert(offsetof(TFunctionProps, Body.Table[1].Y) == 24 + 20 + 10);

}  // namespace plotwise
