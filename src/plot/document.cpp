#include "plot/document.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <new>

#include "formula/rounding.h"
#include "plot/curve_sampler.h"
#include "plot/grid_samplers.h"
#include "plot/sampling_pool.h"
#include "plot/table_prepare.h"
#include "plot/view_interval.h"

namespace plotwise {

namespace {

// Plain rounding, halves to even (not the mantissa-first rounding of pixel positions).
int RoundEven(long double v) {
    return static_cast<int>(std::fmax(std::fmin(std::nearbyint(v), 1e6L), -1e6L));
}

int Margin(long double scale, int size) {
    return RoundEven(9 * scale) + size / 40 + RoundEven(5 * scale) + 3;
}

bool AxisChanged(bool oldLog, bool newLog, long double oldBase, long double newBase,
                 long double oldCoeff, long double newCoeff) {
    return oldCoeff != newCoeff || oldLog != newLog || (oldLog && newLog && oldBase != newBase);
}

bool XAxisChanged(const OptionsRecord& a, const OptionsRecord& b) {
    return AxisChanged(a.LogX, b.LogX, a.LogXBase, b.LogXBase, a.CoeffX, b.CoeffX);
}
bool YAxisChanged(const OptionsRecord& a, const OptionsRecord& b) {
    return AxisChanged(a.LogY, b.LogY, a.LogYBase, b.LogYBase, a.CoeffY, b.CoeffY);
}

}  // namespace

Document::~Document() {
    Notify([](DocumentObserver& o) { o.DocumentDestroyed(); });
}

std::size_t Document::IndexOf(const Graph& graph) const {
    for (std::size_t i = 0; i < graphs_.size(); ++i)
        if (graphs_[i].get() == &graph) return i;
    return graphs_.size();
}

Graph& Document::AddGraph(const GraphRecord& record) {
    return InsertGraph(record, graphs_.size());
}

Graph& Document::InsertGraph(const GraphRecord& record, std::size_t index) {
    index = std::min(index, graphs_.size());
    auto graph = std::make_unique<Graph>(this, record);
    Graph& added = *graph;
    graphs_.insert(graphs_.begin() + static_cast<std::ptrdiff_t>(index), std::move(graph));
    Modified = true;
    Notify([index](DocumentObserver& o) { o.GraphInserted(index); });
    return added;
}

void Document::RemoveGraph(std::size_t index) {
    if (index >= graphs_.size()) return;
    const GraphRecord removed = graphs_[index]->record_;
    graphs_.erase(graphs_.begin() + static_cast<std::ptrdiff_t>(index));
    Modified = true;
    Notify([&](DocumentObserver& o) { o.GraphRemoved(index, removed); });
}

void Document::ReplaceRecord(std::size_t index, const GraphRecord& record) {
    if (index >= graphs_.size()) return;
    GraphRecord& current = graphs_[index]->record_;
    if (std::memcmp(&current, &record, sizeof record) == 0) return;
    const GraphRecord previous = current;
    current = record;
    Modified = true;
    Notify([&](DocumentObserver& o) { o.GraphReplaced(index, previous); });
}

void Document::ReplaceGraphs(const std::vector<GraphRecord>& records) {
    graphs_.clear();
    for (const GraphRecord& record : records)
        graphs_.push_back(std::make_unique<Graph>(this, record));
    Notify([](DocumentObserver& o) { o.GraphsReset(); });
}

void Document::AddObserver(DocumentObserver& observer) {
    observers_.push_back(&observer);
}

void Document::RemoveObserver(DocumentObserver& observer) {
    std::erase(observers_, &observer);
}

PixelRect PlotRectOf(const PixelRect& area, const DeviceScale& scale) {
    const int mx = Margin(scale.X(), area.Width());
    const int my = Margin(scale.Y(), area.Height());
    return {area.left + mx, area.top + my, area.right - mx, area.bottom - my};
}

bool PlotRectUsable(const PixelRect& plot) {
    return plot.Width() >= 10 && plot.Height() >= 10;
}

PixelRect Document::GetPlotRect() const {
    return PlotRectOf(OnScreen ? ClientRect : OutputRect, DeviceScale{});
}

bool Document::PlotAreaUsable() const {
    return PlotRectUsable(GetPlotRect());
}

long double Document::ScaleFactorX() const {
    return ScreenMap().factorX;
}

long double Document::ScaleFactorY() const {
    return ScreenMap().factorY;
}

ScreenMapping Document::ScreenMap() const {
    return ScreenMap(GetPlotRect());
}

ScreenMapping Document::ScreenMap(const PixelRect& plot) const {
    const OptionsRecord shown = Shown();
    ScreenMapping map;
    map.plot = plot;
    map.minX = shown.MinX;
    map.minY = shown.MinY;
    map.factorX = plot.Width() / (static_cast<long double>(shown.MaxX) - shown.MinX);
    map.factorY = plot.Height() / (static_cast<long double>(shown.MaxY) - shown.MinY);
    map.right = shown.AxisX.Forward;
    map.up = shown.AxisY.Forward;
    return map;
}

int Document::XToScreen(long double x) const {
    return ScreenMap().X(x);
}

int Document::YToScreen(long double y) const {
    return ScreenMap().Y(y);
}

long double Document::ScreenToX(int px) const {
    const ScreenMapping map = ScreenMap();
    if (!PlotRectUsable(map.plot)) return map.minX;
    const int d = map.right ? px - map.plot.left : map.plot.right - px;
    return d / map.factorX + map.minX;
}

long double Document::ScreenToY(int py) const {
    const ScreenMapping map = ScreenMap();
    if (!PlotRectUsable(map.plot)) return map.minY;
    const int e = map.up ? map.plot.bottom - py : py - map.plot.top;
    return e / map.factorY + map.minY;
}

OptionsRecord Document::ShownOf(const OptionsRecord& options) const {
    OptionsRecord shown = options;
    if (equalScales_) {
        const PixelRect plot = PlotRectOf(equalArea_, DeviceScale{});
        if (PlotRectUsable(plot)) WidenToEqualScales(shown, plot.Width(), plot.Height());
    }
    return shown;
}

void Document::SetEqualScales(bool on) {
    const OptionsRecord before = Shown();
    equalScales_ = on;
    equalArea_ = ClientRect;
    const OptionsRecord now = Shown();
    std::vector<bool> resample(GraphCount());
    for (std::size_t i = 0; i < GraphCount(); ++i)
        resample[i] = NeedsRecalc(GraphAt(i), before, now);
    ResampleGraphs(resample);
}

void Document::SetBreakAtJumps(bool on) {
    if (on == BreakAtJumps) return;
    BreakAtJumps = on;
    std::vector<bool> curves(GraphCount());
    for (std::size_t i = 0; i < GraphCount(); ++i)
        curves[i] = GraphAt(i).Record().Kind <= kParametric;
    ResampleGraphs(curves);
}

bool Document::CalculateGraph(Graph& graph, const OptionsRecord& options, int index) {
    if (graph.Record().Kind == kIntegralGraph) return true;
    graph.ClearValues();
    if (!ContinueSampling) return graph.Record().Kind != kTable;
    return Reported(SampleGraph(graph, options, index, *Reporter));
}

SampleOutcome Document::SampleGraph(Graph& graph, const OptionsRecord& options, int index,
                                    Feedback& feedback) const {
    // The samplers work on their own copy: nothing they call may change the options under them.
    const OptionsRecord copy = options;
    try {
        bool done = true;
        switch (graph.Record().Kind) {
            case kYOfX:
            case kXOfY:
                done = SampleExplicit(graph, copy, index, feedback, BreakAtJumps);
                break;
            case kPolarGraph:
            case kParametric:
                done = SamplePolarOrParametric(graph, copy, index, feedback, BreakAtJumps);
                break;
            case kEquation:
                done = graph.Record().Relation() == 0
                           ? SampleEquation(graph, copy, index, feedback)
                           : SampleInequality(graph, copy, index, feedback);
                break;
            case kSlopeField:
                done = SampleSlopeField(graph, copy, index, feedback);
                break;
            case kTable:
                PrepareTable(graph);
                break;
            default:
                break;
        }
        return done ? SampleOutcome::Done : SampleOutcome::Interrupted;
    } catch (const SampleBudgetExceeded&) {
        graph.ClearValues();
        return SampleOutcome::OverBudget;
    } catch (const std::bad_alloc&) {
        graph.ClearValues();
        return SampleOutcome::OutOfMemory;
    }
}

bool Document::Reported(SampleOutcome outcome) {
    switch (outcome) {
        case SampleOutcome::OverBudget:
            ReportOverBudget();
            return true;
        case SampleOutcome::OutOfMemory:
            Reporter->Refresh();
            Reporter->ShowError(kNotEnoughMemory);
            return true;
        case SampleOutcome::Done:
            return true;
        default:
            return false;
    }
}

void Document::ReportOverBudget() {
    Reporter->ShowStatus(kHintPanel, kGraphOverBudget);
    Reporter->Refresh();
    if (refusedInPass_ <= 0) Reporter->ShowError(kGraphOverBudget);
    if (refusedInPass_ >= 0) ++refusedInPass_;
}

template <typename Sample>
void Document::InPass(Sample sample) {
    refusedInPass_ = 0;
    sample();
    // Later graphs' runs clear the hint panel: the refusal stays in sight until the next hint.
    if (refusedInPass_ > 0) Reporter->ShowStatus(kHintPanel, kGraphOverBudget);
    refusedInPass_ = -1;
}

void Document::CalculateGraphs() {
    ResampleGraphs(std::vector<bool>(GraphCount(), true));
}

void Document::CalculateUnsampledGraphs() {
    std::vector<bool> which(GraphCount());
    for (std::size_t i = 0; i < GraphCount(); ++i)
        which[i] = !GraphAt(i).HasValues();
    ResampleGraphs(which);
}

void Document::ResampleGraphs(const std::vector<bool>& which) {
    Drawing = true;
    Repaint();
    SampleGraphs(which);
    Drawing = false;
    Repaint();
    Notify([](DocumentObserver& o) { o.GraphsResampled(); });
}

void Document::CalculateGraphAlone(std::size_t index, const OptionsRecord& options) {
    Drawing = true;
    ContinueSampling = true;
    Repaint();
    InPass([&] { CalculateGraph(GraphAt(index), ShownOf(options), static_cast<int>(index)); });
    Drawing = false;
    Repaint();
}

void Document::SampleGraphs(const std::vector<bool>& which,
                            const std::function<void(std::size_t)>& final) {
    ContinueSampling = true;
    const OptionsRecord shown = Shown();
    std::vector<std::size_t> tasks;
    for (std::size_t i = 0; i < GraphCount(); ++i) {
        if (which[i] && GraphAt(i).Record().Kind != kIntegralGraph) tasks.push_back(i);
    }
    InPass([&] {
        if (SamplingThreads > 1 && tasks.size() > 1 && SampleOnPool(tasks, shown, final)) return;
        for (std::size_t i = 0; i < GraphCount(); ++i) {
            if (!which[i]) continue;
            if (ContinueSampling) {
                ContinueSampling = CalculateGraph(GraphAt(i), shown, static_cast<int>(i));
            } else {
                GraphAt(i).ClearValues();  // the pass was interrupted: stale points would lie
            }
        }
    });
}

bool Document::SampleOnPool(const std::vector<std::size_t>& tasks, const OptionsRecord& shown,
                            const std::function<void(std::size_t)>& final) {
    for (std::size_t i : tasks)
        GraphAt(i).ClearValues();
    const auto outcomes = RunSamplingPool(
        tasks.size(), static_cast<int>(tasks.front()), SamplingThreads, *Reporter,
        [&](std::size_t task, Feedback& worker) {
            Graph& graph = GraphAt(tasks[task]);
            const SampleOutcome outcome =
                SampleGraph(graph, shown, static_cast<int>(tasks[task]), worker);
            if (outcome == SampleOutcome::Interrupted) graph.ClearValues();  // partial points lie
            return outcome;
        },
        [&](std::size_t finished) {
            if (final) final(finished < tasks.size() ? tasks[finished] : GraphCount());
        });
    if (!outcomes) return false;
    // Messages in list order, on this thread; an interrupted graph and those never reached
    // keep no values, since stale or partial points would lie.
    for (std::size_t k = 0; k < tasks.size(); ++k) {
        if (!Reported((*outcomes)[k])) {
            ContinueSampling = false;
            GraphAt(tasks[k]).ClearValues();
        }
    }
    return true;
}

void Document::SetOptions(const OptionsRecord& options) {
    const bool changed = std::memcmp(&Options, &options, sizeof options) != 0;
    if (changed) {
        if (UndoRecorder != nullptr) UndoRecorder->RecordOptions(Options);
        Modified = true;
    }
    std::vector<bool> resample(GraphCount());
    bool anyResample = false;
    const OptionsRecord shownBefore = Shown();
    const OptionsRecord shownAfter = ShownOf(options);
    for (std::size_t i = 0; i < GraphCount(); ++i) {
        resample[i] = NeedsRecalc(GraphAt(i), shownBefore, shownAfter);
        anyResample = anyResample || resample[i];
    }
    Drawing = true;
    Options = options;
    if (anyResample) Repaint();
    // Graphs are drawn in list order, each on top of those before it; sampled on workers, the
    // first ones are drawn while the rest are still being sampled.
    std::size_t drawn = 0;
    const auto drawUpTo = [&](std::size_t end) {
        for (; drawn < end; ++drawn) {
            Graph& graph = *graphs_[drawn];
            if (graph.Record().DrawGraphic && !graph.IsEmpty() && graph.HasValues())
                DrawGraph(graph);
        }
    };
    SampleGraphs(resample,
                 changed && anyResample ? std::function<void(std::size_t)>(drawUpTo) : nullptr);
    Drawing = false;
    if (!changed) return;
    if (!anyResample) {
        Repaint();
        return;
    }
    drawUpTo(GraphCount());
    Notify([](DocumentObserver& o) { o.GraphsResampled(); });
}

bool NeedsRecalc(const Graph& graph, const OptionsRecord& old, const OptionsRecord& now) {
    const GraphRecord& p = graph.Record();
    const bool sampling =
        old.PointsAlign != now.PointsAlign || old.ReservedFlag != now.ReservedFlag;
    const bool steps = old.StepsNum != now.StepsNum;
    const bool ownSteps = p.Kind <= kParametric && !p.Interval().DefaultSteps;
    switch (p.Kind) {
        case kYOfX:
            return sampling || (steps && !ownSteps) || XAxisChanged(old, now) ||
                   EffectiveMinX(p, old) != EffectiveMinX(p, now) ||
                   EffectiveMaxX(p, old) != EffectiveMaxX(p, now);
        case kXOfY:
            return sampling || (steps && !ownSteps) || YAxisChanged(old, now) ||
                   EffectiveMinY(p, old) != EffectiveMinY(p, now) ||
                   EffectiveMaxY(p, old) != EffectiveMaxY(p, now);
        case kPolarGraph:
        case kParametric:
            return sampling || (steps && !ownSteps);
        case kEquation:
        case kSlopeField:
            return sampling || XAxisChanged(old, now) || YAxisChanged(old, now) ||
                   EffectiveMinX(p, old) != EffectiveMinX(p, now) ||
                   EffectiveMaxX(p, old) != EffectiveMaxX(p, now) ||
                   EffectiveMinY(p, old) != EffectiveMinY(p, now) ||
                   EffectiveMaxY(p, old) != EffectiveMaxY(p, now);
        case kTable:
            return sampling;
        default:
            return false;
    }
}

}  // namespace plotwise
