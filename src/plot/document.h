// Document: one document's graphs, options and world-to-pixel mapping, and the
// application of new options. Sampling and drawing are its hooks; the plot engine's
// samplers and renderers complete them.
#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "draw/device_scale.h"
#include "plot/feedback.h"
#include "plot/graph.h"
#include "plot/options_record.h"
#include "plot/sampling_pool.h"
#include "plot/screen_map.h"

class QPaintDevice;

namespace plotwise {

// A document may hold this many graphs; the commands that add graphs refuse more.
inline constexpr std::size_t kMaxGraphs = 30;

// Receives the options a SetOptions call is about to replace, for the undo history.
class OptionsUndoRecorder {
  public:
    virtual ~OptionsUndoRecorder() = default;
    virtual void RecordOptions(const OptionsRecord& previous) = 0;
};

// Told of every change of a document's graph list, after it is made, with what it replaced
// (the undo history keeps that).
class DocumentObserver {
  public:
    virtual ~DocumentObserver() = default;
    virtual void GraphInserted(std::size_t index) = 0;
    virtual void GraphRemoved(std::size_t index, const GraphRecord& removed) = 0;
    virtual void GraphReplaced(std::size_t index, const GraphRecord& previous) = 0;
    virtual void GraphsReset() = 0;        // every graph at once: a file read into the document
    virtual void GraphsResampled() {}      // the same graphs with new samples (a view change)
    virtual void DocumentDestroyed() = 0;  // the last word: forget the document
};

class Document {
  public:
    explicit Document(const OptionsRecord& options) : Options(options) {}
    virtual ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    std::string FileName;
    bool Named = false;
    bool Modified = false;
    bool Drawing = false;  // repaints draw no graphs while the graphs are being resampled
    bool ContinueSampling = true;
    bool OnScreen = true;  // false: the plot area comes from OutputRect
    // Curves leave a gap at poles and jumps between samples (the program's setting).
    bool BreakAtJumps = true;
    // Worker threads a pass of several graphs is sampled on, one graph per task (1: all on
    // the calling thread, in list order). The windows and plotwise-cli give it the cores.
    int SamplingThreads = 1;
    // Repaint and DrawGraph draw curves, the polar grid and region edges anti-aliased:
    // the window's picture as the program's setting says, never a 16-colour bitmap.
    bool SmoothLines = false;
    PixelRect ClientRect;  // the window's client area
    PixelRect OutputRect;  // printer page or bitmap
    OptionsRecord Options;
    OptionsUndoRecorder* UndoRecorder = nullptr;
    Feedback* Reporter = &SilentFeedback();  // never null
    QPaintDevice* Canvas = nullptr;          // where Repaint draws; nothing when null

    const std::vector<std::unique_ptr<Graph>>& Graphs() const { return graphs_; }
    std::size_t GraphCount() const { return graphs_.size(); }
    Graph& GraphAt(std::size_t index) { return *graphs_.at(index); }
    const Graph& GraphAt(std::size_t index) const { return *graphs_.at(index); }
    // The position of a graph of this document.
    std::size_t IndexOf(const Graph& graph) const;

    // Every change of the list goes through these; each marks the document modified and
    // tells every observer. A new graph has no values yet; replacing a record by the same
    // bytes changes nothing. ReplaceGraphs, for a document just read, leaves Modified alone.
    Graph& AddGraph(const GraphRecord& record);
    Graph& InsertGraph(const GraphRecord& record, std::size_t index);
    void RemoveGraph(std::size_t index);
    void ReplaceRecord(std::size_t index, const GraphRecord& record);
    void ReplaceGraphs(const std::vector<GraphRecord>& records);

    void AddObserver(DocumentObserver& observer);
    void RemoveObserver(DocumentObserver& observer);

    // Equal scales, a window's choice for the run: the picture and the samples take the view
    // widened on one axis about its middle, so that a unit of X spans as many pixels of the
    // client area's plot rectangle as a unit of Y (circles are round). Options keep the
    // stored view. Switching, or calling again after the client area changed, resamples
    // what the widened view changes and redraws.
    void SetEqualScales(bool on);
    bool EqualScales() const { return equalScales_; }
    // The options the picture is drawn and the graphs sampled with: these (or Options) with
    // the view widened while EqualScales.
    OptionsRecord ShownOf(const OptionsRecord& options) const;
    OptionsRecord Shown() const { return ShownOf(Options); }

    // The plot rectangle of the client (or output) rectangle. The document's own surfaces,
    // the window's picture, the full-screen view and bitmaps, are at the screen's scale; a
    // printed page works out its own (PrintDocument).
    PixelRect GetPlotRect() const;
    bool PlotAreaUsable() const;
    long double ScaleFactorX() const;
    long double ScaleFactorY() const;
    ScreenMapping ScreenMap() const;
    // The view mapped onto any plot rectangle.
    ScreenMapping ScreenMap(const PixelRect& plot) const;
    int XToScreen(long double x) const;
    int YToScreen(long double y) const;
    long double ScreenToX(int px) const;
    long double ScreenToY(int py) const;

    // Applies new options: records the old ones and marks the document modified when
    // anything differs, resamples the graphs that need it in list order (an interruption
    // stops the pass), and redraws.
    void SetOptions(const OptionsRecord& options);

    // Samples every graph in list order, the picture showing no graphs meanwhile. After an
    // interruption the graphs not yet sampled keep no values.
    void CalculateGraphs();
    // The same for the graphs that have no values yet (after an interruption): the rest keep
    // theirs.
    void CalculateUnsampledGraphs();
    // Samples one graph (a new or changed one) alone, with the rest of the picture shown
    // meanwhile, then draws the whole picture.
    void CalculateGraphAlone(std::size_t index, const OptionsRecord& options);
    // Switches the gaps at poles and jumps; the curves (kinds 0 to 3) are sampled again when
    // it changes.
    void SetBreakAtJumps(bool on);

    // Samples one graph (index is its 0-based position) by its kind; false only when the
    // user interrupted. Running out of memory shows "Not enough memory" and leaves the
    // graph without values; so does a graph the sample budget refuses, with
    // kGraphOverBudget in the status bar and as a message (once per pass).
    virtual bool CalculateGraph(Graph& graph, const OptionsRecord& options, int index);

    // The memory the samples of all graphs may take together.
    SampleBudget& SampleMemory() { return sampleMemory_; }

    // The whole picture on Canvas (no graphs while Drawing), and one graph on top of it.
    virtual void Repaint();
    virtual void DrawGraph(Graph& graph);

  private:
    template <typename Call>
    void Notify(Call call) {
        for (DocumentObserver* observer : std::vector<DocumentObserver*>(observers_))
            call(*observer);
    }

    SampleBudget sampleMemory_;  // before the graphs, which give their shares back to it
    std::vector<std::unique_ptr<Graph>> graphs_;
    std::vector<DocumentObserver*> observers_;
    // Graphs the budget refused in the pass under way; -1 outside a pass, where each
    // refusal is a message of its own.
    int refusedInPass_ = -1;

    // Samples the graphs marked in `which` while ContinueSampling holds; the rest of them lose
    // their values once it is cleared.
    // On workers, final(n) says whenever the graphs before index n are sampled for good.
    void SampleGraphs(const std::vector<bool>& which,
                      const std::function<void(std::size_t)>& final = nullptr);
    // The pass on SamplingThreads workers; false when none could start.
    bool SampleOnPool(const std::vector<std::size_t>& tasks, const OptionsRecord& shown,
                      const std::function<void(std::size_t)>& final);
    // One graph by its kind, reporting only to `feedback` (a worker's, or Reporter).
    SampleOutcome SampleGraph(Graph& graph, const OptionsRecord& options, int index,
                              Feedback& feedback) const;
    // Shows what an outcome needs shown; false for an interruption.
    bool Reported(SampleOutcome outcome);
    void ReportOverBudget();
    // A pass shows the budget's message once and leaves it in the status bar at its end.
    template <typename Sample>
    void InPass(Sample sample);
    // Pixels per world unit for a plot rectangle already at hand.
    long double ScaleFactorX(const PixelRect& plot) const;
    long double ScaleFactorY(const PixelRect& plot) const;
    // SampleGraphs with the picture showing no graphs meanwhile, then the whole picture.
    void ResampleGraphs(const std::vector<bool>& which);

    bool equalScales_ = false;
    PixelRect equalArea_;  // the client area whose shape the widened view follows
};

// A surface's area less the margins around the plot, which grow with the device scale.
PixelRect PlotRectOf(const PixelRect& area, const DeviceScale& scale);
// Smaller than 10 pixels either way means there is nothing to draw.
bool PlotRectUsable(const PixelRect& plot);

// Whether a graph must be resampled when the document's options change from old to now.
bool NeedsRecalc(const Graph& graph, const OptionsRecord& old, const OptionsRecord& now);

}  // namespace plotwise
