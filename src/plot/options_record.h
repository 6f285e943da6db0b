// TOptionsRecord: a document's 1784-byte options, kept in the document, CurrentOptions,
// the undo history, the document file and Plotwise.cfg byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "function_props.h"
#include "record_types.h"

namespace plotwise {

struct TFontRecord {
    Int32 Color;  // red + 256 green + 65536 blue
    Int32 Size;   // points
    String32 Name;
    std::uint8_t Style;  // 1 bold, 2 italic, 4 underline, 8 strikeout
    std::uint8_t reserved[2];
};

// One axis line (AxleX... at 168, AxleY... at 480).
struct TAxleProps {
    Bool8 Draw;      // DrawAxleX / DrawAxleY
    Bool8 Forward;   // AxleXRight / AxleYUp; false reverses the axis
    Bool8 NameShow;  // AxleXNameShow / AxleYNameShow
    std::uint8_t Style;
    std::uint8_t Pointer;
    std::uint8_t Color;
    String255 Name;
    Bool8 NameColAsAxle;
    std::uint8_t reserved;
    TFontRecord NameFont;
    Int32 Width;
};

// Tick marks along one axis (NumLinesX... at 792, NumLinesY... at 812).
struct TMarksProps {
    Bool8 Show;  // NumLinesX / NumLinesY
    Bool8 ColAsAxle;
    Extended80 Step;
    std::uint8_t Color;
    std::uint8_t reserved[3];
    Int32 Length;  // pixels, 1..10
};

// Number labels along one axis (NumsX... at 832, NumsY... at 1148).
struct TLabelsProps {
    Bool8 Show;  // NumsX / NumsY
    Bool8 ColAsAxle;
    Bool8 Direct;  // X: below the axis; Y: left of it
    std::uint8_t reserved1;
    Extended80 Step;
    String255 AddName;  // appended to every label
    std::uint8_t reserved2[2];
    TFontRecord Font;
};

// What new graphs of each kind start with.
struct TStandartProps {
    Int32 FuncStyle;  // the kind preselected for a new graph, 0..6
    TIntervalProps XFromY;
    TIntervalProps YFromX;
    TIntervalProps Polar;
    TIntervalProps Param;
    std::uint8_t SortType;
    std::uint8_t reserved[3];
    TAreaProps Equation;
    TIntegralProps Integral;
    TAreaProps DifField;  // MaxGap is the slope segment length
    TGraphStyle Style;
};

struct TOptionsRecord {
    Extended80 MinX;
    Extended80 MinY;
    Extended80 MaxX;
    Extended80 MaxY;
    Extended80 CoeffX;
    Extended80 CoeffY;
    Extended80 LogXBase;
    Extended80 LogYBase;
    Int32 StepsNum;
    Int32 MaxGap;
    Bool8 ReservedFlag;  // no control; a change counts as a sampling change
    Bool8 PointsAlign;
    Bool8 LogX;
    Bool8 LogY;
    Bool8 DrawVertLines;
    Bool8 DrawHorLines;
    Extended80 StepHor;
    Extended80 StepVert;
    std::uint8_t HorColor;
    std::uint8_t VertColor;
    std::uint8_t BackColor;
    std::uint8_t HorStyle;
    std::uint8_t VertStyle;
    std::uint8_t reserved1;
    Int32 HorWidth;
    Int32 VertWidth;
    Bool8 DrawRadius;
    std::uint8_t reserved2;
    Extended80 RadiusStep;
    Int32 RadiusColor;
    Int32 RadiusWidth;
    Bool8 DrawAngle;
    std::uint8_t reserved3;
    Extended80 AngleStep;  // units of pi
    Int32 AngleColor;
    Int32 AngleWidth;
    TAxleProps AxleX;
    TAxleProps AxleY;
    TMarksProps NumLinesX;
    TMarksProps NumLinesY;
    TLabelsProps NumsX;
    TLabelsProps NumsY;
    TStandartProps StandartProps;
};

// The options a program without a readable Plotwise.cfg starts with.
TOptionsRecord StandardOptions();

static_assert(sizeof(TFontRecord) == 44 && sizeof(TAxleProps) == 312);
static_assert(sizeof(TMarksProps) == 20 && sizeof(TLabelsProps) == 316);
static_assert(sizeof(TStandartProps) == 320 && sizeof(TOptionsRecord) == 1784);
static_assert(offsetof(TFontRecord, Size) == 4 && offsetof(TFontRecord, Name) == 8);
static_assert(offsetof(TFontRecord, Style) == 41);
static_assert(offsetof(TAxleProps, Style) == 3 && offsetof(TAxleProps, Color) == 5);
static_assert(offsetof(TAxleProps, Name) == 6 && offsetof(TAxleProps, NameColAsAxle) == 262);
static_assert(offsetof(TAxleProps, NameFont) == 264 && offsetof(TAxleProps, Width) == 308);
static_assert(offsetof(TMarksProps, Step) == 2 && offsetof(TMarksProps, Color) == 12);
static_assert(offsetof(TMarksProps, Length) == 16);
static_assert(offsetof(TLabelsProps, Step) == 4 && offsetof(TLabelsProps, AddName) == 14);
static_assert(offsetof(TLabelsProps, Font) == 272);
static_assert(offsetof(TStandartProps, XFromY) == 4 && offsetof(TStandartProps, YFromX) == 36);
static_assert(offsetof(TStandartProps, Polar) == 68 && offsetof(TStandartProps, Param) == 100);
static_assert(offsetof(TStandartProps, SortType) == 132);
static_assert(offsetof(TStandartProps, Equation) == 136);
static_assert(offsetof(TStandartProps, Integral) == 192);
static_assert(offsetof(TStandartProps, DifField) == 244);
static_assert(offsetof(TStandartProps, Style) == 300);
static_assert(offsetof(TOptionsRecord, MinY) == 10 && offsetof(TOptionsRecord, MaxX) == 20);
static_assert(offsetof(TOptionsRecord, MaxY) == 30 && offsetof(TOptionsRecord, CoeffX) == 40);
static_assert(offsetof(TOptionsRecord, CoeffY) == 50 && offsetof(TOptionsRecord, LogXBase) == 60);
static_assert(offsetof(TOptionsRecord, LogYBase) == 70);
static_assert(offsetof(TOptionsRecord, StepsNum) == 80 && offsetof(TOptionsRecord, MaxGap) == 84);
static_assert(offsetof(TOptionsRecord, ReservedFlag) == 88);
static_assert(offsetof(TOptionsRecord, PointsAlign) == 89 && offsetof(TOptionsRecord, LogX) == 90);
static_assert(offsetof(TOptionsRecord, LogY) == 91);
static_assert(offsetof(TOptionsRecord, DrawVertLines) == 92);
static_assert(offsetof(TOptionsRecord, DrawHorLines) == 93);
static_assert(offsetof(TOptionsRecord, StepHor) == 94);
static_assert(offsetof(TOptionsRecord, StepVert) == 104);
static_assert(offsetof(TOptionsRecord, HorColor) == 114);
static_assert(offsetof(TOptionsRecord, VertColor) == 115);
static_assert(offsetof(TOptionsRecord, BackColor) == 116);
static_assert(offsetof(TOptionsRecord, HorStyle) == 117);
static_assert(offsetof(TOptionsRecord, VertStyle) == 118);
static_assert(offsetof(TOptionsRecord, HorWidth) == 120);
static_assert(offsetof(TOptionsRecord, VertWidth) == 124);
static_assert(offsetof(TOptionsRecord, DrawRadius) == 128);
static_assert(offsetof(TOptionsRecord, RadiusStep) == 130);
static_assert(offsetof(TOptionsRecord, RadiusColor) == 140);
static_assert(offsetof(TOptionsRecord, RadiusWidth) == 144);
static_assert(offsetof(TOptionsRecord, DrawAngle) == 148);
static_assert(offsetof(TOptionsRecord, AngleStep) == 150);
static_assert(offsetof(TOptionsRecord, AngleColor) == 160);
static_assert(offsetof(TOptionsRecord, AngleWidth) == 164);
static_assert(offsetof(TOptionsRecord, AxleX) == 168 && offsetof(TOptionsRecord, AxleY) == 480);
static_assert(offsetof(TOptionsRecord, NumLinesX) == 792);
static_assert(offsetof(TOptionsRecord, NumLinesY) == 812);
static_assert(offsetof(TOptionsRecord, NumsX) == 832 && offsetof(TOptionsRecord, NumsY) == 1148);
static_assert(offsetof(TOptionsRecord, StandartProps) == 1464);

}  // namespace plotwise
