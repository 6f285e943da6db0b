// OptionsRecord: a document's 1784-byte options, kept in the document, CurrentOptions,
// the undo history, the document file and Plotwise.cfg byte for byte.
#pragma once

#include <cstddef>
#include <cstdint>

#include "plot/graph_record.h"
#include "plot/record_types.h"

namespace plotwise {

struct FontRecord {
    Int32 Color;  // red + 256 green + 65536 blue
    Int32 Size;   // points
    String32 Name;
    std::uint8_t Style;  // 1 bold, 2 italic, 4 underline, 8 strikeout
    std::uint8_t reserved[2];
};

// One axis line (AxisX... at 168, AxisY... at 480).
struct AxisOptions {
    Bool8 Draw;      // DrawAxisX / DrawAxisY
    Bool8 Forward;   // AxisXRight / AxisYUp; false reverses the axis
    Bool8 NameShow;  // AxisXNameShow / AxisYNameShow
    std::uint8_t Style;
    std::uint8_t Pointer;
    std::uint8_t Color;
    String255 Name;
    Bool8 NameColorAsAxis;
    std::uint8_t reserved;
    FontRecord NameFont;
    Int32 Width;
};

// Tick marks along one axis (NumLinesX... at 792, NumLinesY... at 812).
struct MarksOptions {
    Bool8 Show;  // NumLinesX / NumLinesY
    Bool8 ColorAsAxis;
    Extended80 Step;
    std::uint8_t Color;
    std::uint8_t reserved[3];
    Int32 Length;  // pixels, 1..10
};

// Number labels along one axis (NumsX... at 832, NumsY... at 1148).
struct LabelsOptions {
    Bool8 Show;  // NumsX / NumsY
    Bool8 ColorAsAxis;
    Bool8 Direct;  // X: below the axis; Y: left of it
    std::uint8_t reserved1;
    Extended80 Step;
    String255 AddName;  // appended to every label
    std::uint8_t reserved2[2];
    FontRecord Font;
};

// What new graphs of each kind start with.
struct NewGraphDefaults {
    Int32 Kind;  // the kind preselected for a new graph, 0..6
    GraphInterval XFromY;
    GraphInterval YFromX;
    GraphInterval Polar;
    GraphInterval Param;
    std::uint8_t SortType;
    std::uint8_t reserved[3];
    GraphArea Equation;
    IntegralArea Integral;
    GraphArea SlopeField;  // MaxGap is the slope segment length
    GraphStyle Style;
};

struct OptionsRecord {
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
    AxisOptions AxisX;
    AxisOptions AxisY;
    MarksOptions NumLinesX;
    MarksOptions NumLinesY;
    LabelsOptions NumsX;
    LabelsOptions NumsY;
    NewGraphDefaults GraphDefaults;
};

// The options a program without a readable Plotwise.cfg starts with.
OptionsRecord StandardOptions();

static_assert(sizeof(FontRecord) == 44 && sizeof(AxisOptions) == 312);
static_assert(sizeof(MarksOptions) == 20 && sizeof(LabelsOptions) == 316);
static_assert(sizeof(NewGraphDefaults) == 320 && sizeof(OptionsRecord) == 1784);
static_assert(offsetof(FontRecord, Size) == 4 && offsetof(FontRecord, Name) == 8);
static_assert(offsetof(FontRecord, Style) == 41);
static_assert(offsetof(AxisOptions, Style) == 3 && offsetof(AxisOptions, Color) == 5);
static_assert(offsetof(AxisOptions, Name) == 6 && offsetof(AxisOptions, NameColorAsAxis) == 262);
static_assert(offsetof(AxisOptions, NameFont) == 264 && offsetof(AxisOptions, Width) == 308);
static_assert(offsetof(MarksOptions, Step) == 2 && offsetof(MarksOptions, Color) == 12);
static_assert(offsetof(MarksOptions, Length) == 16);
static_assert(offsetof(LabelsOptions, Step) == 4 && offsetof(LabelsOptions, AddName) == 14);
static_assert(offsetof(LabelsOptions, Font) == 272);
static_assert(offsetof(NewGraphDefaults, XFromY) == 4 && offsetof(NewGraphDefaults, YFromX) == 36);
static_assert(offsetof(NewGraphDefaults, Polar) == 68 && offsetof(NewGraphDefaults, Param) == 100);
static_assert(offsetof(NewGraphDefaults, SortType) == 132);
static_assert(offsetof(NewGraphDefaults, Equation) == 136);
static_assert(offsetof(NewGraphDefaults, Integral) == 192);
static_assert(offsetof(NewGraphDefaults, SlopeField) == 244);
static_assert(offsetof(NewGraphDefaults, Style) == 300);
static_assert(offsetof(OptionsRecord, MinY) == 10 && offsetof(OptionsRecord, MaxX) == 20);
static_assert(offsetof(OptionsRecord, MaxY) == 30 && offsetof(OptionsRecord, CoeffX) == 40);
static_assert(offsetof(OptionsRecord, CoeffY) == 50 && offsetof(OptionsRecord, LogXBase) == 60);
static_assert(offsetof(OptionsRecord, LogYBase) == 70);
static_assert(offsetof(OptionsRecord, StepsNum) == 80 && offsetof(OptionsRecord, MaxGap) == 84);
static_assert(offsetof(OptionsRecord, ReservedFlag) == 88);
static_assert(offsetof(OptionsRecord, PointsAlign) == 89 && offsetof(OptionsRecord, LogX) == 90);
static_assert(offsetof(OptionsRecord, LogY) == 91);
static_assert(offsetof(OptionsRecord, DrawVertLines) == 92);
static_assert(offsetof(OptionsRecord, DrawHorLines) == 93);
static_assert(offsetof(OptionsRecord, StepHor) == 94);
static_assert(offsetof(OptionsRecord, StepVert) == 104);
static_assert(offsetof(OptionsRecord, HorColor) == 114);
static_assert(offsetof(OptionsRecord, VertColor) == 115);
static_assert(offsetof(OptionsRecord, BackColor) == 116);
static_assert(offsetof(OptionsRecord, HorStyle) == 117);
static_assert(offsetof(OptionsRecord, VertStyle) == 118);
static_assert(offsetof(OptionsRecord, HorWidth) == 120);
static_assert(offsetof(OptionsRecord, VertWidth) == 124);
static_assert(offsetof(OptionsRecord, DrawRadius) == 128);
static_assert(offsetof(OptionsRecord, RadiusStep) == 130);
static_assert(offsetof(OptionsRecord, RadiusColor) == 140);
static_assert(offsetof(OptionsRecord, RadiusWidth) == 144);
static_assert(offsetof(OptionsRecord, DrawAngle) == 148);
static_assert(offsetof(OptionsRecord, AngleStep) == 150);
static_assert(offsetof(OptionsRecord, AngleColor) == 160);
static_assert(offsetof(OptionsRecord, AngleWidth) == 164);
static_assert(offsetof(OptionsRecord, AxisX) == 168 && offsetof(OptionsRecord, AxisY) == 480);
static_assert(offsetof(OptionsRecord, NumLinesX) == 792);
static_assert(offsetof(OptionsRecord, NumLinesY) == 812);
static_assert(offsetof(OptionsRecord, NumsX) == 832 && offsetof(OptionsRecord, NumsY) == 1148);
static_assert(offsetof(OptionsRecord, GraphDefaults) == 1464);

}  // namespace plotwise
