#include "graphics_manager.h"

#include <cmath>
#include <cstring>
#include <new>

#include "curve_sampler.h"
#include "grid_samplers.h"
#include "rounding.h"
#include "table_prepare.h"

namespace plotwise {

namespace {

// Plain rounding, halves to even (not the mantissa-first rounding of pixel positions).
int RoundEven(long double v) {
    return static_cast<int>(std::fmax(std::fmin(std::nearbyint(v), 1e6L), -1e6L));
}

int Margin(long double scale, int size) {
    return RoundEven(9 * scale) + size / 40 + RoundEven(5 * scale) + 3;
}

bool Usable(const TRect& plot) {
    return plot.Width() >= 10 && plot.Height() >= 10;
}

bool AxisChanged(bool oldLog, bool newLog, long double oldBase, long double newBase,
                 long double oldCoeff, long double newCoeff) {
    return oldCoeff != newCoeff || oldLog != newLog || (oldLog && newLog && oldBase != newBase);
}

bool XAxisChanged(const TOptionsRecord& a, const TOptionsRecord& b) {
    return AxisChanged(a.LogX, b.LogX, a.LogXBase, b.LogXBase, a.CoeffX, b.CoeffX);
}
bool YAxisChanged(const TOptionsRecord& a, const TOptionsRecord& b) {
    return AxisChanged(a.LogY, b.LogY, a.LogYBase, b.LogYBase, a.CoeffY, b.CoeffY);
}

}  // namespace

TFunction& TGraphicsManager::AddGraph(const TFunctionProps& props) {
    return InsertGraph(props, Graphs.size());
}

TFunction& TGraphicsManager::InsertGraph(const TFunctionProps& props, std::size_t index) {
    auto graph = std::make_unique<TFunction>(this);
    graph->Props = props;
    TFunction& added = *graph;
    Graphs.insert(Graphs.begin() + static_cast<std::ptrdiff_t>(std::min(index, Graphs.size())),
                  std::move(graph));
    return added;
}

TRect TGraphicsManager::GetPlotRect() const {
    const TRect r = OnScreen ? ClientRect : OutputRect;
    const int mx = Margin(ScaleX, r.Width());
    const int my = Margin(ScaleY, r.Height());
    return {r.left + mx, r.top + my, r.right - mx, r.bottom - my};
}

bool TGraphicsManager::PlotAreaUsable() const {
    return Usable(GetPlotRect());
}

long double TGraphicsManager::ScaleFactorX() const {
    return ScaleFactorX(GetPlotRect());
}

long double TGraphicsManager::ScaleFactorY() const {
    return ScaleFactorY(GetPlotRect());
}

long double TGraphicsManager::ScaleFactorX(const TRect& plot) const {
    return plot.Width() / (static_cast<long double>(Options.MaxX) - Options.MinX);
}

long double TGraphicsManager::ScaleFactorY(const TRect& plot) const {
    return plot.Height() / (static_cast<long double>(Options.MaxY) - Options.MinY);
}

TScreenMap TGraphicsManager::ScreenMap() const {
    TScreenMap map;
    map.plot = GetPlotRect();
    map.minX = Options.MinX;
    map.minY = Options.MinY;
    map.factorX = ScaleFactorX(map.plot);
    map.factorY = ScaleFactorY(map.plot);
    map.right = Options.AxleX.Forward;
    map.up = Options.AxleY.Forward;
    return map;
}

int TGraphicsManager::XToScreen(long double x) const {
    return ScreenMap().X(x);
}

int TGraphicsManager::YToScreen(long double y) const {
    return ScreenMap().Y(y);
}

long double TGraphicsManager::ScreenToX(int px) const {
    const TRect plot = GetPlotRect();
    if (!Usable(plot)) return Options.MinX;
    const int d = Options.AxleX.Forward ? px - plot.left : plot.right - px;
    return d / ScaleFactorX(plot) + Options.MinX;
}

long double TGraphicsManager::ScreenToY(int py) const {
    const TRect plot = GetPlotRect();
    if (!Usable(plot)) return Options.MinY;
    const int e = Options.AxleY.Forward ? plot.bottom - py : py - plot.top;
    return e / ScaleFactorY(plot) + Options.MinY;
}

bool TGraphicsManager::CalculateGraph(TFunction& graph, const TOptionsRecord& options, int index) {
    if (graph.Props.FuncStyle == fsIntegral) return true;
    graph.ClearValues();
    if (!CalcContinue) return graph.Props.FuncStyle != fsTable;
    // The samplers work on their own copy: nothing they call may change the options under them.
    const TOptionsRecord copy = options;
    try {
        switch (graph.Props.FuncStyle) {
            case fsYFromX:
            case fsXFromY:
                return CalcExplicit(graph, copy, index, *Feedback);
            case fsPolar:
            case fsParam:
                return CalcPolarParam(graph, copy, index, *Feedback);
            case fsEquation:
                return graph.Props.Relation() == 0 ? CalcEquation(graph, copy, index, *Feedback)
                                                   : CalcInequality(graph, copy, index, *Feedback);
            case fsDifField:
                return CalcDifField(graph, copy, index, *Feedback);
            case fsTable:
                PrepareTable(graph);
                return true;
            default:
                return true;
        }
    } catch (const std::bad_alloc&) {
        graph.ClearValues();
        Feedback->Refresh();
        Feedback->ShowError(kNotEnoughMemory);
        return true;
    }
}

void TGraphicsManager::CalculateGraphs() {
    Drawing = true;
    Repaint();
    SampleGraphs(std::vector<bool>(Graphs.size(), true));
    Drawing = false;
    Repaint();
}

void TGraphicsManager::CalculateUnsampledGraphs() {
    std::vector<bool> which(Graphs.size());
    for (std::size_t i = 0; i < Graphs.size(); ++i)
        which[i] = !Graphs[i]->HasValues();
    Drawing = true;
    Repaint();
    SampleGraphs(which);
    Drawing = false;
    Repaint();
}

void TGraphicsManager::CalculateGraphAlone(std::size_t index, const TOptionsRecord& options) {
    Drawing = true;
    CalcContinue = true;
    Repaint();
    CalculateGraph(*Graphs[index], options, static_cast<int>(index));
    Drawing = false;
    Repaint();
}

void TGraphicsManager::SampleGraphs(const std::vector<bool>& which) {
    CalcContinue = true;
    for (std::size_t i = 0; i < Graphs.size(); ++i) {
        if (!which[i]) continue;
        if (CalcContinue) {
            CalcContinue = CalculateGraph(*Graphs[i], Options, static_cast<int>(i));
        } else {
            Graphs[i]->ClearValues();  // the pass was interrupted: stale points would lie
        }
    }
}

void TGraphicsManager::SetOptions(const TOptionsRecord& options) {
    const bool changed = std::memcmp(&Options, &options, sizeof options) != 0;
    if (changed) {
        if (UndoRecorder != nullptr) UndoRecorder->RecordOptions(Options);
        Modified = true;
    }
    std::vector<bool> resample(Graphs.size());
    bool anyResample = false;
    for (std::size_t i = 0; i < Graphs.size(); ++i) {
        resample[i] = NeedsRecalc(*Graphs[i], Options, options);
        anyResample = anyResample || resample[i];
    }
    Drawing = true;
    Options = options;
    if (anyResample) Repaint();
    SampleGraphs(resample);
    Drawing = false;
    if (!changed) return;
    if (!anyResample) {
        Repaint();
        return;
    }
    for (const auto& graph : Graphs) {
        if (graph->Props.DrawGraphic && !graph->IsEmpty() && graph->HasValues()) DrawGraph(*graph);
    }
}

bool NeedsRecalc(const TFunction& graph, const TOptionsRecord& old, const TOptionsRecord& now) {
    const TFunctionProps& p = graph.Props;
    const bool sampling =
        old.PointsAlign != now.PointsAlign || old.ReservedFlag != now.ReservedFlag;
    const bool steps = old.StepsNum != now.StepsNum;
    const bool ownSteps = p.FuncStyle <= fsParam && !p.Interval().DefaultSteps;
    switch (p.FuncStyle) {
        case fsYFromX:
            return sampling || (steps && !ownSteps) || XAxisChanged(old, now) ||
                   EffectiveMinX(p, old) != EffectiveMinX(p, now) ||
                   EffectiveMaxX(p, old) != EffectiveMaxX(p, now);
        case fsXFromY:
            return sampling || (steps && !ownSteps) || YAxisChanged(old, now) ||
                   EffectiveMinY(p, old) != EffectiveMinY(p, now) ||
                   EffectiveMaxY(p, old) != EffectiveMaxY(p, now);
        case fsPolar:
        case fsParam:
            return sampling || (steps && !ownSteps);
        case fsEquation:
        case fsDifField:
            return sampling || XAxisChanged(old, now) || YAxisChanged(old, now) ||
                   EffectiveMinX(p, old) != EffectiveMinX(p, now) ||
                   EffectiveMaxX(p, old) != EffectiveMaxX(p, now) ||
                   EffectiveMinY(p, old) != EffectiveMinY(p, now) ||
                   EffectiveMaxY(p, old) != EffectiveMaxY(p, now);
        case fsTable:
            return sampling;
        default:
            return false;
    }
}

}  // namespace plotwise
