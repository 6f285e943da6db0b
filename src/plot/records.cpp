// The standard options and the blank graph record.
#include <cstddef>
#include <cstring>

#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {
namespace {

constexpr std::size_t kStyleOffset = offsetof(GraphRecord, Lines);

void SetInterval(GraphInterval& block, bool defaultInterval, long double min, long double max,
                 int steps) {
    block.DefaultSteps = true;
    block.DefaultInterval = defaultInterval;
    block.Min = min;
    block.Max = max;
    block.StepsNum = steps;
    block.MaxGap = 10000;
}

void SetArea(GraphArea& block, int stepsX, int stepsY, int gapOrLength) {
    block.DefaultInterval = true;
    block.MinX = -10;
    block.MaxX = 10;
    block.MinY = -10;
    block.MaxY = 10;
    block.StepsNumX = stepsX;
    block.StepsNumY = stepsY;
    block.MaxGap = gapOrLength;
}

void SetFont(FontRecord& font) {
    font.Color = 0;
    font.Size = 8;
    font.Name.SetText("MS Sans Serif");
    font.Style = 0;
}

void SetAxis(AxisOptions& axis, const char* name) {
    axis.Draw = true;
    axis.Forward = true;
    axis.NameShow = true;
    axis.Style = 0;
    axis.Pointer = 0;
    axis.Color = 0;
    axis.Name.SetText(name);
    axis.NameColorAsAxis = true;
    SetFont(axis.NameFont);
    axis.Width = 1;
}

void SetMarks(MarksOptions& marks) {
    marks.Show = true;
    marks.ColorAsAxis = true;
    marks.Step = 1;
    marks.Color = 0;
    marks.Length = 2;
}

void SetLabels(LabelsOptions& labels) {
    labels.Show = true;
    labels.ColorAsAxis = true;
    labels.Direct = true;
    labels.Step = 1;
    labels.AddName.SetText("");
    SetFont(labels.Font);
}

}  // namespace

// The style fields are the bytes from Lines on, laid out as GraphStyle.
GraphStyle StyleOf(const GraphRecord& props) {
    GraphStyle style;
    std::memcpy(&style, reinterpret_cast<const unsigned char*>(&props) + kStyleOffset,
                sizeof style);
    return style;
}

void SetStyle(GraphRecord& props, const GraphStyle& style) {
    std::memcpy(reinterpret_cast<unsigned char*>(&props) + kStyleOffset, &style, sizeof style);
}

GraphRecord EmptyGraphRecord() {
    GraphRecord props;
    std::memset(&props, 0, sizeof props);
    return props;
}

void ClearTable(GraphRecord& props) {
    for (TableRow& row : props.Body.Table) {
        row.X = kNoPoint;
        row.Y = kNoPoint;
    }
}

OptionsRecord StandardOptions() {
    OptionsRecord o;
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
    SetAxis(o.AxisX, "X");
    SetAxis(o.AxisY, "Y");
    SetMarks(o.NumLinesX);
    SetMarks(o.NumLinesY);
    SetLabels(o.NumsX);
    SetLabels(o.NumsY);

    NewGraphDefaults& s = o.GraphDefaults;
    s.Kind = kYOfX;
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
    SetArea(s.SlopeField, 15, 15, 25);
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
