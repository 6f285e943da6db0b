// The standard options and the blank graph record.
#include <cstddef>
#include <cstring>

#include "function_props.h"
#include "options_record.h"

namespace plotwise {
namespace {

constexpr std::size_t kStyleOffset = offsetof(TFunctionProps, Lines);

void SetInterval(TIntervalProps& block, bool defaultInterval, long double min, long double max,
                 int steps) {
    block.DefaultSteps = true;
    block.DefaultInterval = defaultInterval;
    block.Min = min;
    block.Max = max;
    block.StepsNum = steps;
    block.MaxGap = 10000;
}

void SetArea(TAreaProps& block, int stepsX, int stepsY, int gapOrLength) {
    block.DefaultInterval = true;
    block.MinX = -10;
    block.MaxX = 10;
    block.MinY = -10;
    block.MaxY = 10;
    block.StepsNumX = stepsX;
    block.StepsNumY = stepsY;
    block.MaxGap = gapOrLength;
}

void SetFont(TFontRecord& font) {
    font.Color = 0;
    font.Size = 8;
    font.Name.SetText("MS Sans Serif");
    font.Style = 0;
}

void SetAxle(TAxleProps& axle, const char* name) {
    axle.Draw = true;
    axle.Forward = true;
    axle.NameShow = true;
    axle.Style = 0;
    axle.Pointer = 0;
    axle.Color = 0;
    axle.Name.SetText(name);
    axle.NameColAsAxle = true;
    SetFont(axle.NameFont);
    axle.Width = 1;
}

void SetMarks(TMarksProps& marks) {
    marks.Show = true;
    marks.ColAsAxle = true;
    marks.Step = 1;
    marks.Color = 0;
    marks.Length = 2;
}

void SetLabels(TLabelsProps& labels) {
    labels.Show = true;
    labels.ColAsAxle = true;
    labels.Direct = true;
    labels.Step = 1;
    labels.AddName.SetText("");
    SetFont(labels.Font);
}

}  // namespace

// The style fields are the bytes from Lines on, laid out as TGraphStyle.
TGraphStyle StyleOf(const TFunctionProps& props) {
    TGraphStyle style;
    std::memcpy(&style, reinterpret_cast<const unsigned char*>(&props) + kStyleOffset,
                sizeof style);
    return style;
}

void SetStyle(TFunctionProps& props, const TGraphStyle& style) {
    std::memcpy(reinterpret_cast<unsigned char*>(&props) + kStyleOffset, &style, sizeof style);
}

TFunctionProps EmptyFunctionProps() {
    TFunctionProps props;
    std::memset(&props, 0, sizeof props);
    return props;
}

void ClearTable(TFunctionProps& props) {
    for (TTableRow& row : props.Body.Table) {
        row.X = kNoPoint;
        row.Y = kNoPoint;
    }
}

TOptionsRecord StandardOptions() {
    TOptionsRecord o;
    std::memset(&o, 0, sizeof o);
    o.MinX = -10;
    o.MinY = -10;
    o.MaxX = 10;
    o.MaxY = 10;
    o.CoeffX = 1;
    o.CoeffY = 1;
    o.LogXBase = 10;
    o.LogYBase = 10;
    o.StepsNum = 200;
    o.MaxGap = 10000;
    o.ReservedFlag = true;
    o.PointsAlign = true;
    o.StepHor = 1;
    o.StepVert = 1;
    o.BackColor = 15;
    o.HorWidth = 1;
    o.VertWidth = 1;
    o.RadiusStep = 1;
    o.RadiusColor = 8;
    o.RadiusWidth = 1;
    o.AngleStep = 0.25L;
    o.AngleColor = 8;
    o.AngleWidth = 1;
    SetAxle(o.AxleX, "X");
    SetAxle(o.AxleY, "Y");
    SetMarks(o.NumLinesX);
    SetMarks(o.NumLinesY);
    SetLabels(o.NumsX);
    SetLabels(o.NumsY);

    TStandartProps& s = o.StandartProps;
    s.FuncStyle = fsYFromX;
    SetInterval(s.XFromY, true, -10, 10, 100);
    SetInterval(s.YFromX, true, -10, 10, 100);
    SetInterval(s.Polar, false, -1, 1, 100);
    SetInterval(s.Param, false, -10, 10, 100);
    s.SortType = 0;
    SetArea(s.Equation, 50, 50, 10000);
    s.Integral.DefaultSteps = true;
    s.Integral.DefaultInterval = true;
    s.Integral.Min = -10;
    s.Integral.Max = 10;
    s.Integral.FirstX = 0;
    s.Integral.FirstY = 0;
    s.Integral.StepsNum = 200;
    s.Integral.MaxGap = 10000;
    SetArea(s.DifField, 15, 15, 25);
    s.Style.Lines = true;
    s.Style.DrawGraphic = true;
    s.Style.Points = false;
    s.Style.Color = 2;
    s.Style.PointStyle = 3;
    s.Style.LineWidth = 1;
    s.Style.PointWidth = 1;
    s.Style.Brush = 1;
    return o;
}

}  // namespace plotwise
