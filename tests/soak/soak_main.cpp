// plotwise_soak: a live main window, offscreen, driven through its commands by thousands of
// random operations on several documents for a set time. Every change must be taken back
// by Undo and done again by Redo exactly, every saved file must read back and save again to
// the same bytes, no message may appear that the operation does not allow, and the memory
// must stay flat once the run has warmed up.
//
//   plotwise_soak [--minutes M] [--seed S]
#include <malloc.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPixmapCache>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "../app/scripted_services.h"
#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/graph_controller.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "graph_dialog/default_graph_dialog.h"
#include "option_dialogs/axis_options_dialog.h"
#include "option_dialogs/background_options_dialog.h"
#include "option_dialogs/common_options_dialog.h"
#include "option_dialogs/plot_options_dialog.h"
#include "plot/document_file.h"
#include "plot/graph_entry_text.h"
#include "plot/record_checks.h"
#include "plot/view_interval.h"
#include "services/program_settings.h"
#include "soak_random.h"
#include "widgets/style_choosers.h"

namespace plotwise::soak {
namespace {

using Clock = std::chrono::steady_clock;
using C = Command;

constexpr int kMaxDocuments = 5;
constexpr int kFilePool = 12;   // names the saves reuse, so old files get replaced
constexpr int kRssEvery = 200;  // operations between memory samples
constexpr long kRssAllowanceKiB = 30 * 1024;

// A document as its file holds it: the options and the graph records, byte for byte.
struct DocState {
    OptionsRecord options;
    std::vector<GraphRecord> graphs;
};

DocState StateOf(const Document& document) {
    DocState state{document.Options, {}};
    for (const auto& graph : document.Graphs())
        state.graphs.push_back(graph->Record());
    return state;
}

std::string OptionsFieldAt(std::size_t offset) {
    const struct {
        const char* name;
        std::size_t offset;
    } fields[] = {
        {"MinX", offsetof(OptionsRecord, MinX)},
        {"MinY", offsetof(OptionsRecord, MinY)},
        {"MaxX", offsetof(OptionsRecord, MaxX)},
        {"MaxY", offsetof(OptionsRecord, MaxY)},
        {"CoeffX", offsetof(OptionsRecord, CoeffX)},
        {"CoeffY", offsetof(OptionsRecord, CoeffY)},
        {"LogXBase", offsetof(OptionsRecord, LogXBase)},
        {"LogYBase", offsetof(OptionsRecord, LogYBase)},
        {"StepHor", offsetof(OptionsRecord, StepHor)},
        {"StepVert", offsetof(OptionsRecord, StepVert)},
        {"RadiusStep", offsetof(OptionsRecord, RadiusStep)},
        {"AngleStep", offsetof(OptionsRecord, AngleStep)},
        {"NumLinesX.Step", offsetof(OptionsRecord, NumLinesX.Step)},
        {"NumLinesY.Step", offsetof(OptionsRecord, NumLinesY.Step)},
        {"NumsX.Step", offsetof(OptionsRecord, NumsX.Step)},
        {"NumsY.Step", offsetof(OptionsRecord, NumsY.Step)},
    };
    for (const auto& f : fields) {
        if (offset >= f.offset && offset < f.offset + sizeof(Extended80)) return f.name;
    }
    return {};
}

std::string LongDoubleText(const void* bytes) {
    Extended80 value;
    std::memcpy(&value, bytes, sizeof value);
    char text[64];
    std::snprintf(text, sizeof text, "%.20Lg", static_cast<long double>(value));
    return text;
}

std::ptrdiff_t FirstDifference(const void* a, const void* b, std::size_t size) {
    const auto* x = static_cast<const unsigned char*>(a);
    const auto* y = static_cast<const unsigned char*>(b);
    for (std::size_t i = 0; i < size; ++i) {
        if (x[i] != y[i]) return static_cast<std::ptrdiff_t>(i);
    }
    return -1;
}

// Empty when both are the same; else where they first differ (was: a, is: b).
std::string Difference(const DocState& a, const DocState& b) {
    const std::ptrdiff_t o = FirstDifference(&a.options, &b.options, sizeof a.options);
    if (o >= 0) {
        std::string text = "options byte " + std::to_string(o);
        const std::string field = OptionsFieldAt(static_cast<std::size_t>(o));
        if (!field.empty()) {
            const auto* pa = reinterpret_cast<const unsigned char*>(&a.options);
            const auto* pb = reinterpret_cast<const unsigned char*>(&b.options);
            std::size_t begin = static_cast<std::size_t>(o);
            while (begin > 0 && OptionsFieldAt(begin - 1) == field)
                --begin;
            text += " (" + field + ": " + LongDoubleText(pa + begin) + " then " +
                    LongDoubleText(pb + begin) + ")";
        }
        return text;
    }
    if (a.graphs.size() != b.graphs.size()) {
        return std::to_string(a.graphs.size()) + " graphs then " + std::to_string(b.graphs.size());
    }
    for (std::size_t i = 0; i < a.graphs.size(); ++i) {
        const std::ptrdiff_t g = FirstDifference(&a.graphs[i], &b.graphs[i], sizeof a.graphs[i]);
        if (g >= 0) {
            return "graph " + std::to_string(i + 1) + " (kind " + std::to_string(a.graphs[i].Kind) +
                   ", then " + std::to_string(b.graphs[i].Kind) + ") byte " + std::to_string(g);
        }
    }
    return {};
}

// Which records of a document a file check refuses, with their formulas.
std::string RecordsRefused(const DocState& state) {
    std::string text;
    if (!CheckOptionsRecord(state.options)) {
        const OptionsRecord& o = state.options;
        char numbers[400];
        std::snprintf(
            numbers, sizeof numbers,
            "; the options record is refused: X %.20Lg..%.20Lg, Y %.20Lg..%.20Lg, log "
            "%d %d, bases %.20Lg %.20Lg, steps %.20Lg %.20Lg %.20Lg %.20Lg %.20Lg %.20Lg",
            static_cast<long double>(o.MinX), static_cast<long double>(o.MaxX),
            static_cast<long double>(o.MinY), static_cast<long double>(o.MaxY),
            static_cast<int>(o.LogX.byte), static_cast<int>(o.LogY.byte),
            static_cast<long double>(o.LogXBase), static_cast<long double>(o.LogYBase),
            static_cast<long double>(o.StepHor), static_cast<long double>(o.StepVert),
            static_cast<long double>(o.NumLinesX.Step), static_cast<long double>(o.NumLinesY.Step),
            static_cast<long double>(o.NumsX.Step), static_cast<long double>(o.NumsY.Step));
        text += numbers;
    }
    for (std::size_t i = 0; i < state.graphs.size(); ++i) {
        const GraphRecord& p = state.graphs[i];
        if (CheckGraphRecord(p)) continue;
        text += "; graph " + std::to_string(i + 1) + " (kind " + std::to_string(p.Kind) +
                ") is refused: \"" + GraphEntryText(p) + "\"";
        if (p.Kind <= kParametric) {
            const GraphInterval& in = p.Interval();
            char numbers[160];
            std::snprintf(numbers, sizeof numbers, " interval %.20Lg..%.20Lg steps %d gap %d",
                          static_cast<long double>(in.Min), static_cast<long double>(in.Max),
                          static_cast<int>(in.StepsNum), static_cast<int>(in.MaxGap));
            text += numbers;
        }
    }
    return text;
}

// What the allocator hands out, free pages returned first: a leak grows it, while the
// resident size also carries what the allocator keeps for reuse.
long HeapKiB() {
    malloc_trim(0);
    return static_cast<long>(mallinfo2().uordblks / 1024);
}

long RssKiB() {
    std::FILE* file = std::fopen("/proc/self/statm", "r");
    if (file == nullptr) return 0;
    long size = 0;
    long resident = 0;
    const int read = std::fscanf(file, "%ld %ld", &size, &resident);
    std::fclose(file);
    return read == 2 ? resident * (sysconf(_SC_PAGESIZE) / 1024) : 0;
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMdiSubWindow* WindowOf(DocumentWindow* child) {
    return qobject_cast<QMdiSubWindow*>(child->parentWidget());
}

void Pump() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

template <typename Done>
bool PumpUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 5000)
        Pump();
    return done();
}

// A document's history as it must be: the states Undo and Redo go back to.
struct HistoryModel {
    std::deque<DocState> undo;
    std::deque<DocState> redo;
};

enum class Op {
    Add,
    Double,
    Edit,
    Delete,
    Chooser,
    Toggle,
    Select,
    View,
    StandardIntervals,
    StandardOptions,
    PlotOptions,
    AxisOptions,
    BackgroundOptions,
    CommonOptions,
    GraphDefaults,
    Undo,
    Redo,
    New,
    Save,
    SaveAs,
    Open,
    OpenDamaged,
    Close,
    Switch,
    Arrange,
    SaveOptions,
    FinishCounting,
};

struct WeightedOp {
    Op op;
    const char* name;
    int weight;
};

const WeightedOp kOps[] = {
    {Op::Add, "add graph", 16},
    {Op::Double, "double graph", 4},
    {Op::Edit, "edit graph", 10},
    {Op::Delete, "delete graph", 5},
    {Op::Chooser, "style chooser", 10},
    {Op::Toggle, "style toggle", 5},
    {Op::Select, "select graph", 4},
    {Op::View, "view command", 14},
    {Op::StandardIntervals, "standard intervals", 1},
    {Op::StandardOptions, "standard options", 1},
    {Op::PlotOptions, "plot options", 3},
    {Op::AxisOptions, "axis options", 2},
    {Op::BackgroundOptions, "background options", 2},
    {Op::CommonOptions, "common options", 1},
    {Op::GraphDefaults, "default graph properties", 1},
    {Op::Undo, "undo", 12},
    {Op::Redo, "redo", 7},
    {Op::New, "new", 2},
    {Op::Save, "save", 3},
    {Op::SaveAs, "save as", 2},
    {Op::Open, "open", 1},
    {Op::OpenDamaged, "open a cut file", 1},
    {Op::Close, "close", 2},
    {Op::Switch, "switch document", 4},
    {Op::Arrange, "arrange windows", 1},
    {Op::SaveOptions, "save options", 1},
    {Op::FinishCounting, "finish counting", 1},
};

const C kViewCommands[] = {C::IncreaseXY, C::IncreaseY, C::IncreaseX, C::ReduceXY, C::ReduceY,
                           C::ReduceX,    C::MoveLeft,  C::MoveRight, C::MoveUp,   C::MoveDown};

class Soak {
  public:
    Soak(std::uint64_t seed, double minutes) : seed_(seed), random_(seed), minutes_(minutes) {}

    int Run();

  private:
    [[noreturn]] void Fail(const std::string& what);
    void Note(const std::string& what);
    void Start();
    void Step();
    Op ChooseOp();
    void RunOp(Op op, DocumentWindow* active);
    void CheckAfter(Op op, const std::map<DocumentWindow*, DocState>& before,
                    DocumentWindow* active);
    void CheckMessages();
    void CheckWindow();
    void SampleMemory(double elapsedMinutes);
    void Progress(double elapsedMinutes);

    // Operations
    void MaybeSelectGraph();
    void Run(C command);
    void AddOrDouble(bool doubling);
    void Delete();
    void Chooser();
    void Toggle();
    void Select();
    void View();
    void PlotOptions();
    void AxisOptions();
    void BackgroundOptions();
    void CommonOptions();
    void GraphDefaults();
    void History(bool undo);
    void New();
    void Save(bool saveAs);
    void Open();
    void OpenDamaged();
    void Close();
    void Switch();
    void Arrange();
    void SaveOptions();
    // A change of the document since before must have recorded one step.
    void RecordChange(DocumentWindow* child, const DocState& before);

    // Runs command; its modal dialog of type Dialog gets user once it is up. The dialog is
    // cancelled when user left it open (OK refused a field: one error message allowed).
    template <typename Dialog>
    void WithDialog(C command, const std::function<void(Dialog&)>& user);
    // Presses OK; false when the dialog refused.
    bool PressOk(QDialog& dialog);
    // After a save of a document in state: the file reads back as that state, and saved
    // again from the window it opened in gives the same bytes.
    void VerifySaved(const QString& path, const DocState& state, DocumentWindow* live);
    void CheckOpened(DocumentWindow* child, const DocState& expected, const QString& what);
    QString PoolFile(const char* prefix) {
        return dir_.filePath(QString("%1%2.plw").arg(prefix).arg(random_.Int(0, kFilePool - 1)));
    }
    std::vector<QString> SavedFiles() const;
    void Allow(const QString& message) { allowed_.insert(message); }

    std::unique_ptr<MainWindow> form_;
    testing_support::ScriptedMessages messages_;
    testing_support::ScriptedDialogs dialogs_;
    QTemporaryDir dir_;
    std::uint64_t seed_;
    Random random_;
    double minutes_;
    long op_ = 0;
    std::deque<std::string> recent_;  // the last operations, for a failure report
    std::set<QString> allowed_;       // messages the current operation may show
    int dialogRefusals_ = 0;          // error messages allowed by a refusing dialog
    bool doubling_ = false;
    bool historyDone_ = false;  // the operation kept the history model itself
    std::map<DocumentWindow*, HistoryModel> history_;
    OptionsRecord newOptions_{};  // what New must start from
    EditorCounts editor_;
    std::map<std::string, long> opCounts_;
    std::map<QString, long> refusalCounts_;
    long saves_ = 0, reopened_ = 0, historySteps_ = 0;
    long rssBaseline_ = 0, rssPeak_ = 0, rssNow_ = 0, heapNow_ = 0;
    bool warm_ = false;
};

void Soak::Note(const std::string& what) {
    recent_.push_back("#" + std::to_string(op_) + " " + what);
    if (recent_.size() > 25) recent_.pop_front();
}

void Soak::Fail(const std::string& what) {
    std::fprintf(stderr, "\nplotwise_soak: FAILED at operation %ld (seed %llu): %s\n", op_,
                 static_cast<unsigned long long>(seed_), what.c_str());
    std::fprintf(stderr, "the last operations:\n");
    for (const std::string& line : recent_)
        std::fprintf(stderr, "  %s\n", line.c_str());
    std::fprintf(stderr, "reproduce: plotwise_soak --seed %llu\n",
                 static_cast<unsigned long long>(seed_));
    std::fflush(stderr);
    std::_Exit(1);
}

void Soak::Start() {
    if (!dir_.isValid()) Fail("no temporary folder");
    MainWindowSetup setup{dir_.path(), dir_.filePath("Plotwise.ini"), "plotwise", false};
    form_ = std::make_unique<MainWindow>(setup, &messages_, &dialogs_);
    form_->resize(900, 700);
    form_->show();
    if (!PumpUntil([this] { return form_->Started(); })) Fail("the main window did not start");
    form_->GraphCommands().GraphEditor = [this](GraphRecord& props, const QString& caption,
                                                GraphPage) {
        return EditGraphRecord(random_, props, form_->CurrentOptions(),
                               caption == "Add Graph" && !doubling_, editor_);
    };
    if (form_->Documents().size() != 1) Fail("the program did not start with one document");
    DocumentWindow* first = form_->Documents().front();
    history_[first] = {};
    newOptions_ = first->Doc().Options;
    messages_.shown.clear();
}

int Soak::Run() {
    Start();
    const auto begin = Clock::now();
    const auto end = begin + std::chrono::duration<double, std::ratio<60>>(minutes_);
    // Memory is judged after a quarter of the run, at most five minutes.
    const double warmUp = std::min(minutes_ / 4, 5.0);
    std::printf("plotwise_soak: seed %llu, %.1f minutes, warm-up %.1f minutes\n",
                static_cast<unsigned long long>(seed_), minutes_, warmUp);
    std::fflush(stdout);
    double elapsed = 0;
    while (Clock::now() < end) {
        Step();
        elapsed = std::chrono::duration<double, std::ratio<60>>(Clock::now() - begin).count();
        if (op_ % kRssEvery == 0) {
            if (!warm_ && elapsed >= warmUp) {
                warm_ = true;
                rssBaseline_ = std::max(rssPeak_, RssKiB());
            }
            SampleMemory(elapsed);
        }
        if (op_ % 1000 == 0) Progress(elapsed);
    }
    SampleMemory(elapsed);

    // Shut down without saving.
    for (int i = 0; i < 2 * kMaxDocuments; ++i)
        messages_.answers.push_back(Answer::No);
    form_->close();
    form_.reset();

    std::printf("\nplotwise_soak: passed, seed %llu\n", static_cast<unsigned long long>(seed_));
    std::printf("  %ld operations in %.1f minutes (%.0f per minute)\n", op_, elapsed,
                elapsed > 0 ? op_ / elapsed : 0.0);
    std::printf("  %ld saves verified by reopening, %ld files reopened, %ld undo/redo steps\n",
                saves_, reopened_, historySteps_);
    std::printf(
        "  graph dialog: %d confirmed, %d cancelled, %d refused on purpose, %d refused "
        "otherwise%s%s\n",
        editor_.confirmed, editor_.cancelled, editor_.refusedOnPurpose, editor_.refusedUnexpectedly,
        editor_.lastUnexpected.empty() ? "" : ", last: ", editor_.lastUnexpected.c_str());
    std::printf("  confirmed by kind (Y(x), X(y), R(a), X(t)/Y(t), f(x,y), slope field, table):");
    for (int count : editor_.kinds)
        std::printf(" %d", count);
    std::printf("\n  refusals shown:\n");
    for (auto [text, count] : refusalCounts_)
        std::printf("    %ld x %s\n", count,
                    QString(text).replace('\r', ' ').toLocal8Bit().constData());
    std::printf(
        "  RSS: baseline %.1f MB, peak %.1f MB, final %.1f MB; heap in use at the end "
        "%.1f MB\n",
        rssBaseline_ / 1024.0, rssPeak_ / 1024.0, rssNow_ / 1024.0, heapNow_ / 1024.0);
    std::printf("  operations:");
    for (const auto& [name, count] : opCounts_)
        std::printf(" %s %ld,", name.c_str(), count);
    std::printf("\n");
    return 0;
}

void Soak::SampleMemory(double elapsedMinutes) {
    // Qt's style paints the buttons of every document window's title bar from icons made
    // afresh for each paint, and each such paint files new pixmaps in Qt's pixmap cache.
    // The cache is bounded (QPixmapCache::cacheLimit), but it fills slowly, about half a
    // kilobyte an operation here, and would read as a steady leak: the figures leave it out.
    QPixmapCache::clear();
    heapNow_ = HeapKiB();
    rssNow_ = RssKiB();
    rssPeak_ = std::max(rssPeak_, rssNow_);
    if (warm_ && rssNow_ > rssBaseline_ + kRssAllowanceKiB) {
        char text[200];
        std::snprintf(text, sizeof text,
                      "memory grew: RSS %.1f MB after %.1f minutes, %.1f MB after the warm-up "
                      "(allowed: %.0f MB more); heap in use %.1f MB",
                      rssNow_ / 1024.0, elapsedMinutes, rssBaseline_ / 1024.0,
                      kRssAllowanceKiB / 1024.0, heapNow_ / 1024.0);
        Fail(text);
    }
}

void Soak::Progress(double elapsedMinutes) {
    std::size_t graphs = 0;
    for (DocumentWindow* child : form_->Documents())
        graphs += child->Doc().GraphCount();
    std::printf(
        "%7.2f min  ops %ld  documents %lld  graphs %zu  saves %ld  RSS %.1f MB  heap %.1f MB\n",
        elapsedMinutes, op_, static_cast<long long>(form_->Documents().size()), graphs, saves_,
        rssNow_ / 1024.0, heapNow_ / 1024.0);
    std::fflush(stdout);
}

Op Soak::ChooseOp() {
    const int documents = static_cast<int>(form_->Documents().size());
    if (documents == 0) return random_.Chance(0.8) ? Op::New : Op::Open;
    int total = 0;
    for (const auto& w : kOps)
        total += w.weight;
    int pick = random_.Int(0, total - 1);
    for (const auto& w : kOps) {
        if (pick < w.weight) {
            if (documents >= kMaxDocuments && (w.op == Op::New || w.op == Op::Open))
                return Op::Close;
            return w.op;
        }
        pick -= w.weight;
    }
    return Op::Undo;
}

void Soak::Step() {
    ++op_;
    messages_.shown.clear();
    messages_.answers.clear();
    dialogs_.names.clear();
    allowed_.clear();
    dialogRefusals_ = 0;
    historyDone_ = false;
    std::map<DocumentWindow*, DocState> before;
    for (DocumentWindow* child : form_->Documents())
        before[child] = StateOf(child->Doc());
    DocumentWindow* active = form_->ActiveDocument();
    const Op op = ChooseOp();
    std::string name;
    for (const auto& w : kOps) {
        if (w.op == op) name = w.name;
    }
    ++opCounts_[name];
    Note(name + (active != nullptr ? " on " + active->Caption().toStdString() + " (" +
                                         std::to_string(active->Doc().GraphCount()) + " graphs)"
                                   : std::string(" with no document")));
    RunOp(op, active);
    Pump();
    CheckMessages();
    CheckAfter(op, before, active);
    CheckWindow();
}

void Soak::RunOp(Op op, DocumentWindow* active) {
    const bool any = active != nullptr;
    switch (op) {
        case Op::Add:
            if (any) AddOrDouble(false);
            break;
        case Op::Double:
            if (any) AddOrDouble(true);
            break;
        case Op::Edit:
            MaybeSelectGraph();
            Run(random_.Chance(0.7) ? C::GraphProps : C::OtherProps);
            break;
        case Op::Delete:
            if (any) Delete();
            break;
        case Op::Chooser:
            if (any) Chooser();
            break;
        case Op::Toggle:
            if (any) Toggle();
            break;
        case Op::Select:
            Select();
            break;
        case Op::View:
            if (any) View();
            break;
        case Op::StandardIntervals:
            Allow(QString("Error: ") + kLogBoundMessage);
            Run(C::StandardIntervals);
            break;
        case Op::StandardOptions:
            Run(C::StandardOptions);
            break;
        case Op::PlotOptions:
            if (any) PlotOptions();
            break;
        case Op::AxisOptions:
            if (any) AxisOptions();
            break;
        case Op::BackgroundOptions:
            if (any) BackgroundOptions();
            break;
        case Op::CommonOptions:
            CommonOptions();
            break;
        case Op::GraphDefaults:
            if (any) GraphDefaults();
            break;
        case Op::Undo:
            if (any) History(true);
            break;
        case Op::Redo:
            if (any) History(false);
            break;
        case Op::New:
            New();
            break;
        case Op::Save:
            if (any) Save(false);
            break;
        case Op::SaveAs:
            if (any) Save(true);
            break;
        case Op::Open:
            Open();
            break;
        case Op::OpenDamaged:
            OpenDamaged();
            break;
        case Op::Close:
            Close();
            break;
        case Op::Switch:
            Switch();
            break;
        case Op::Arrange:
            Arrange();
            break;
        case Op::SaveOptions:
            if (any) SaveOptions();
            break;
        case Op::FinishCounting:
            Run(C::FinishCounting);
            break;
    }
}

// Only what a user can reach: the command's menu item or button must be enabled.
void Soak::Run(C command) {
    if (form_->Action(command)->isEnabled()) form_->RunCommand(command);
}

void Soak::MaybeSelectGraph() {
    if (random_.Chance(0.5)) Select();
}

void Soak::Select() {
    QComboBox* list = form_->GraphBar()->GraphList;
    if (list->count() == 0 || !list->isEnabled()) return;
    const int item = random_.Int(0, list->count() - 1);
    list->setCurrentIndex(item);
    emit list->activated(item);
}

void Soak::AddOrDouble(bool doubling) {
    if (doubling) MaybeSelectGraph();
    const std::size_t graphs = form_->ActiveDocument()->Doc().GraphCount();
    if (graphs >= kMaxGraphs) Allow("Error: Amount of the graphs must not exceed 30");
    doubling_ = doubling;
    Run(doubling ? C::DoubleGraph : C::AddGraph);
    doubling_ = false;
}

void Soak::Delete() {
    MaybeSelectGraph();
    if (form_->Settings().Common.ConfirmDelete) {
        Allow("Ask: Do you want to remove the graph?");
        messages_.answers.push_back(random_.Chance(0.8) ? Answer::Yes : Answer::No);
    }
    Run(C::DeleteGraph);
}

void Soak::Chooser() {
    MaybeSelectGraph();
    GraphToolbar* bar = form_->GraphBar();
    if (!form_->ToolbarShown(ToolbarId::Graph)) return;
    std::vector<QComboBox*> usable;
    for (QComboBox* box : std::initializer_list<QComboBox*>{
             bar->LineWidthChooser, bar->PointSizeChooser, bar->PointStyleChooser,
             bar->ColorChooser, bar->ShadingChooser}) {
        if (box->isEnabled() && box->isVisibleTo(bar) && box->count() > 0) usable.push_back(box);
    }
    if (usable.empty()) return;
    QComboBox* box = random_.Pick(usable);
    const int item = random_.Int(0, box->count() - 1);
    box->setCurrentIndex(item);
    emit box->activated(item);
}

void Soak::Toggle() {
    MaybeSelectGraph();
    const C toggles[] = {C::DrawGraphic, C::DrawLines, C::DrawPoints};
    Run(toggles[random_.Int(0, 2)]);
}

void Soak::View() {
    // The refusals of a view change that would leave the numbers the program holds.
    for (const char* text : {"Minimum of X must be a number\rfrom -1*10^100 up to 1*10^100",
                             "Maximum of X must be a number\rfrom -1*10^100 up to 1*10^100",
                             "Maximum of X must be more\rthan minimum of X",
                             "Minimum of Y must be a number\rfrom -1*10^100 up to 1*10^100",
                             "Maximum of Y must be a number\rfrom -1*10^100 up to 1*10^100",
                             "Maximum of Y must be more\rthan minimum of Y",
                             "Maximum of Y must be more\rthan minimum of Y", kLogBoundMessage}) {
        Allow(QString("Error: ") + QString::fromUtf8(text));
    }
    // Now and then a long run of one button, far enough to reach the limits.
    const int count = random_.Chance(0.01) ? 340 : random_.Chance(0.2) ? random_.Int(2, 8) : 1;
    const C command = kViewCommands[random_.Int(0, std::size(kViewCommands) - 1)];
    DocumentWindow* child = form_->ActiveDocument();
    Note(std::string("  ") + InfoOf(command).shortHint +
         (count > 1 ? " x" + std::to_string(count) : ""));
    for (int i = 0; i < count; ++i) {
        const DocState before = StateOf(child->Doc());
        Run(command);
        RecordChange(child, before);
    }
    historyDone_ = true;
}

void Soak::RecordChange(DocumentWindow* child, const DocState& before) {
    if (Difference(before, StateOf(child->Doc())).empty()) return;
    if (!child->Doc().Modified) Fail("a changed document is not marked changed");
    HistoryModel& model = history_[child];
    model.undo.push_back(before);
    if (model.undo.size() > UndoHistory::kUndoDepth) model.undo.pop_front();
    model.redo.clear();
}

template <typename Dialog>
void Soak::WithDialog(C command, const std::function<void(Dialog&)>& user) {
    if (!form_->Action(command)->isEnabled()) return;
    bool seen = false;
    QTimer::singleShot(0, form_.get(), [&] {
        auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) Fail("the command's dialog did not come up");
        seen = true;
        user(*dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    form_->RunCommand(command);
    if (!seen) Fail("the command returned without its dialog");
}

bool Soak::PressOk(QDialog& dialog) {
    if (random_.Chance(0.1)) return false;  // Cancel
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QAbstractButton* ok = buttons != nullptr ? buttons->button(QDialogButtonBox::Ok)
                                             : dialog.findChild<QPushButton*>("OKButton");
    if (ok == nullptr) Fail("the dialog has no OK button");
    const qsizetype shown = messages_.shown.size();
    ok->click();
    if (!dialog.isVisible()) return true;
    // Refused: the message names the field and the dialog stays open on it.
    if (messages_.shown.size() != shown + 1) Fail("a refusing dialog showed no single message");
    ++dialogRefusals_;
    return false;
}

QString StepText(Random& random) {
    if (random.Chance(0.7)) {
        return QString::fromStdString(random.Pick(
            std::vector<std::string>{"0.1", "0.5", "1", "2", "2.5", "5", "10", "25", "100"}));
    }
    std::string text = RandomNumberText(random, 4);
    if (text[0] == '-') text.erase(0, 1);
    return QString::fromStdString(text);
}

void Soak::PlotOptions() {
    WithDialog<PlotOptionsDialog>(C::PlotOptions, [this](PlotOptionsDialog& d) {
        if (random_.Chance(0.5)) {
            const auto x = RandomRangeTexts(random_, 5);
            d.Edits[pfMinX]->setText(QString::fromStdString(x.first));
            d.Edits[pfMaxX]->setText(QString::fromStdString(x.second));
        }
        if (random_.Chance(0.5)) {
            const auto y = RandomRangeTexts(random_, 5);
            d.Edits[pfMinY]->setText(QString::fromStdString(y.first));
            d.Edits[pfMaxY]->setText(QString::fromStdString(y.second));
        }
        if (random_.Chance(0.3)) d.Edits[pfSteps]->setText(QString::number(random_.Int(20, 2000)));
        if (random_.Chance(0.2))
            d.Edits[pfMaxGap]->setText(QString::number(random_.Int(1, 1000000)));
        const std::vector<std::string> coefficients = {"1",  "1",     "2",         "0.5",
                                                       "10", "0.001", "3.14159265"};
        if (random_.Chance(0.15))
            d.Edits[pfCoeffX]->setText(QString::fromStdString(random_.Pick(coefficients)));
        if (random_.Chance(0.15))
            d.Edits[pfCoeffY]->setText(QString::fromStdString(random_.Pick(coefficients)));
        const std::vector<std::string> bases = {"10", "2", "2.7182818", "1000", "1.5"};
        if (random_.Chance(0.1)) {
            d.LogXCheckBox->setChecked(!d.LogXCheckBox->isChecked());
            d.Edits[pfBaseX]->setText(QString::fromStdString(random_.Pick(bases)));
        }
        if (random_.Chance(0.1)) {
            d.LogYCheckBox->setChecked(!d.LogYCheckBox->isChecked());
            d.Edits[pfBaseY]->setText(QString::fromStdString(random_.Pick(bases)));
        }
        if (random_.Chance(0.1))
            d.PointsAlignCheckBox->setChecked(!d.PointsAlignCheckBox->isChecked());
        if (random_.Chance(0.05)) {
            d.Edits[random_.Int(0, kPlotFieldCount - 1)]->setText(QString::fromStdString(
                random_.Pick(std::vector<std::string>{"", "x", "1e5", "0", "-5", "2*10^101"})));
        }
        PressOk(d);
    });
}

void Soak::AxisOptions() {
    WithDialog<AxisOptionsDialog>(C::AxisOptions, [this](AxisOptionsDialog& d) {
        for (AxisControls& axis : d.Axes) {
            if (random_.Chance(0.1)) axis.Draw->setChecked(!axis.Draw->isChecked());
            if (random_.Chance(0.1)) {
                (axis.Forward->isChecked() ? axis.Backward : axis.Forward)->setChecked(true);
            }
            if (random_.Chance(0.1)) axis.NameShow->setChecked(!axis.NameShow->isChecked());
            if (random_.Chance(0.1)) {
                axis.Name->setText(QString::fromStdString(
                    random_.Pick(std::vector<std::string>{"X", "Y", "time, s", "", "v"})));
            }
            if (random_.Chance(0.1)) axis.Marks->setChecked(!axis.Marks->isChecked());
            if (random_.Chance(0.2)) axis.MarksStep->setText(StepText(random_));
            if (random_.Chance(0.1)) axis.Labels->setChecked(!axis.Labels->isChecked());
            if (random_.Chance(0.2)) axis.LabelsStep->setText(StepText(random_));
            if (random_.Chance(0.1)) {
                axis.AddName->setText(QString::fromStdString(
                    random_.Pick(std::vector<std::string>{"", " m", "%", " Pi"})));
            }
            if (random_.Chance(0.1)) axis.LabelsDirect->setChecked(!axis.LabelsDirect->isChecked());
            if (random_.Chance(0.02)) axis.MarksStep->setText("0");
        }
        PressOk(d);
    });
}

void Soak::BackgroundOptions() {
    WithDialog<BackgroundOptionsDialog>(C::BackgroundOptions, [this](BackgroundOptionsDialog& d) {
        for (QCheckBox* box :
             {d.HorLinesCheckBox, d.VertLinesCheckBox, d.AngleCheckBox, d.RadiusCheckBox}) {
            if (random_.Chance(0.15)) box->setChecked(!box->isChecked());
        }
        for (int i = 0; i < kGridFieldCount; ++i) {
            if (random_.Chance(0.2)) {
                d.StepEdits[i]->setText(
                    i == gfAngleStep ? QString::fromStdString(random_.Pick(std::vector<std::string>{
                                           "0.25", "0.5", "0.1", "1", "2"}))
                                     : StepText(random_));
            }
            if (random_.Chance(0.1))
                d.ColorBoxes[i]->setCurrentIndex(random_.Int(0, d.ColorBoxes[i]->count() - 1));
            if (random_.Chance(0.1))
                d.WidthBoxes[i]->setCurrentIndex(random_.Int(0, d.WidthBoxes[i]->count() - 1));
        }
        if (random_.Chance(0.05)) d.StepEdits[random_.Int(0, kGridFieldCount - 1)]->setText("-0");
        PressOk(d);
    });
}

void Soak::CommonOptions() {
    WithDialog<CommonOptionsDialog>(C::CommonOptions, [this](CommonOptionsDialog& d) {
        for (QCheckBox* box : {d.DeleteConfirmationCheckBox, d.NewColorCheckBox,
                               d.ChangeStepsCheckBox, d.AutoMaximizeCheckBox}) {
            if (random_.Chance(0.3)) box->setChecked(!box->isChecked());
        }
        PressOk(d);
    });
}

void Soak::GraphDefaults() {
    WithDialog<DefaultGraphDialog>(C::GraphProperties, [this](DefaultGraphDialog& d) {
        d.KindEditor = [this](GraphRecord& props, const OptionsRecord& options) {
            return EditKindDefaults(random_, props, options, editor_);
        };
        const int buttons = random_.Int(0, 3);
        for (int i = 0; i < buttons; ++i)
            d.KindButton(random_.Int(kYOfX, kTable))->click();
        if (random_.Chance(0.5)) {
            d.findChild<QComboBox*>("FuncStyleComboBox")->setCurrentIndex(random_.Int(0, kTable));
        }
        PressOk(d);
    });
}

void Soak::History(bool undo) {
    DocumentWindow* child = form_->ActiveDocument();
    HistoryModel& model = history_[child];
    std::deque<DocState>& from = undo ? model.undo : model.redo;
    std::deque<DocState>& to = undo ? model.redo : model.undo;
    const C command = undo ? C::Undo : C::Redo;
    if (form_->Action(command)->isEnabled() != !from.empty()) {
        Fail(std::string(undo ? "Undo" : "Redo") + " is " +
             (from.empty() ? "enabled with nothing to take back" : "disabled with steps to take"));
    }
    if (from.empty()) return;
    const DocState before = StateOf(child->Doc());
    form_->RunCommand(command);
    const DocState expected = from.back();
    from.pop_back();
    const std::string difference = Difference(expected, StateOf(child->Doc()));
    if (!difference.empty()) {
        Fail(std::string(undo ? "Undo" : "Redo") +
             " did not give back the state of before: " + difference);
    }
    to.push_back(before);
    if (to.size() > UndoHistory::kUndoDepth) to.pop_front();
    if (!child->Doc().Modified) Fail("the document is not marked changed after a history step");
    ++historySteps_;
}

void Soak::New() {
    Run(C::New);
    DocumentWindow* child = form_->ActiveDocument();
    if (child == nullptr || !child->Caption().startsWith("Noname"))
        Fail("New left no new document active");
    history_[child] = {};
    const DocState expected{newOptions_, {}};
    const std::string difference = Difference(expected, StateOf(child->Doc()));
    if (!difference.empty()) Fail("New did not start from the saved options: " + difference);
}

std::vector<QString> Soak::SavedFiles() const {
    std::vector<QString> files;
    for (const QString& name : QDir(dir_.path()).entryList({"*.plw"}, QDir::Files, QDir::Name)) {
        if (name != "cut.plw") files.push_back(dir_.filePath(name));  // damaged on purpose
    }
    return files;
}

void Soak::Save(bool saveAs) {
    DocumentWindow* child = form_->ActiveDocument();
    Document& document = child->Doc();
    const bool dialog = saveAs || !document.Named;
    const QString target = random_.Chance(0.05) ? QString() : PoolFile("s");
    if (dialog) dialogs_.names.push_back(target);
    const std::string oldName = document.FileName;
    const int asked = dialogs_.asked;
    Run(saveAs ? C::SaveAs : C::Save);
    if ((dialogs_.asked != asked) != dialog)
        Fail("the save dialog came up when it should not, or not when it should");
    if (dialog && target.isEmpty()) {
        if (document.FileName != oldName) Fail("a cancelled Save As changed the file name");
        return;
    }
    const QString path = dialog ? target : QString::fromStdString(document.FileName);
    if (document.Modified) Fail("the document is still marked changed after saving");
    if (QString::fromStdString(document.FileName) != QFileInfo(path).absoluteFilePath())
        Fail("the document does not name the file it was saved to");
    VerifySaved(path, StateOf(document), child);
}

void Soak::VerifySaved(const QString& path, const DocState& state, DocumentWindow* live) {
    ++saves_;
    const QByteArray saved = FileBytes(path);
    const auto expectedSize =
        static_cast<qsizetype>((state.graphs.size() + 1) * kDocumentRecordSize);
    if (saved.size() != expectedSize) {
        Fail("the saved file has " + std::to_string(saved.size()) + " bytes, not " +
             std::to_string(expectedSize));
    }
    if (live != nullptr) {
        const QString again = dir_.filePath("live.plw");
        if (!WriteDocument(live->Doc(), again.toStdString()))
            Fail("the live document could not be written");
        if (FileBytes(again) != saved) Fail("writing the document again gave other bytes");
    }
    const qsizetype shown = messages_.shown.size();
    DocumentWindow* reopened = form_->DocumentCommands().Open(path);
    if (reopened == nullptr || messages_.shown.size() != shown) {
        Fail("the saved file did not open again: " +
             messages_.shown.mid(shown).join(" / ").toStdString() + RecordsRefused(state));
    }
    CheckOpened(reopened, state, "the saved file");
    const QString second = PoolFile("r");
    dialogs_.names = {second};
    if (form_->ActiveDocument() != reopened) Fail("the reopened document is not the active one");
    form_->RunCommand(C::SaveAs);
    const QByteArray resaved = FileBytes(second);
    if (resaved != saved) {
        const qsizetype n = std::min(saved.size(), resaved.size());
        qsizetype at = 0;
        while (at < n && saved[at] == resaved[at])
            ++at;
        Fail("reopened and saved again, the file differs at byte " + std::to_string(at) +
             " (record " + std::to_string(at / static_cast<qsizetype>(kDocumentRecordSize)) +
             ", offset " + std::to_string(at % static_cast<qsizetype>(kDocumentRecordSize)) + ")");
    }
    if (reopened->Doc().Modified) Fail("the reopened document is marked changed");
    ++reopened_;
    history_[reopened] = {};
    if (form_->Documents().size() > kMaxDocuments || random_.Chance(0.7)) {
        QPointer<DocumentWindow> watched(reopened);
        WindowOf(reopened)->close();
        if (!PumpUntil([&] { return watched == nullptr; }))
            Fail("the reopened document did not close");
        history_.erase(reopened);
    }
}

// A document just opened: its records as expected, no history, not changed.
void Soak::CheckOpened(DocumentWindow* child, const DocState& expected, const QString& what) {
    const std::string difference = Difference(expected, StateOf(child->Doc()));
    if (!difference.empty()) {
        Fail(what.toStdString() + " opened with other records than were saved: " + difference);
    }
    if (!child->History().UndoList().empty() || child->Doc().Modified)
        Fail(what.toStdString() + " opened with a history or marked changed");
}

void Soak::Open() {
    const std::vector<QString> files = SavedFiles();
    const bool missing = files.empty() || random_.Chance(0.1);
    const QString path = missing ? dir_.filePath("missing.plw") : random_.Pick(files);
    if (missing) Allow(QString("Error: ") + kInputOutputError);
    dialogs_.names.push_back(path);
    const int before = static_cast<int>(form_->Documents().size());
    form_->RunCommand(C::Open);
    const int after = static_cast<int>(form_->Documents().size());
    if (after != before + (missing ? 0 : 1)) Fail("Open did not open exactly one window");
    if (missing) return;
    DocumentWindow* child = form_->ActiveDocument();
    history_[child] = {};
    ++reopened_;
    // Every file here was written by the program: writing it back gives its bytes.
    const QString again = dir_.filePath("live.plw");
    if (!WriteDocument(child->Doc(), again.toStdString()) || FileBytes(again) != FileBytes(path)) {
        Fail("a file written by the program opened into other records: " +
             QFileInfo(path).fileName().toStdString());
    }
    CheckOpened(child, StateOf(child->Doc()), QFileInfo(path).fileName());
}

void Soak::OpenDamaged() {
    const std::vector<QString> files = SavedFiles();
    if (files.empty() || form_->Documents().size() >= kMaxDocuments) return;
    const QString source = random_.Pick(files);
    const QByteArray bytes = FileBytes(source);
    DocumentContents contents;
    if (!LoadDocumentFile(source.toStdString(), contents).valid) Fail("a saved file is not valid");
    const int records = static_cast<int>(bytes.size() / kDocumentRecordSize);
    // A cut inside the options record leaves no document; a cut later, the whole records.
    const int kept = random_.Int(0, records - 1);
    const int partial = random_.Int(kept == 0 ? 0 : 1, static_cast<int>(kDocumentRecordSize) - 1);
    const QString path = dir_.filePath("cut.plw");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.left(kept * static_cast<qsizetype>(kDocumentRecordSize) + partial)) < 0)
        Fail("could not write the cut file");
    file.close();
    dialogs_.names.push_back(path);
    if (kept == 0) Allow(QString("Error: ") + kIncorrectFormat);
    const int before = static_cast<int>(form_->Documents().size());
    form_->RunCommand(C::Open);
    const int after = static_cast<int>(form_->Documents().size());
    if (after != before + (kept == 0 ? 0 : 1))
        Fail("a file cut at byte " + std::to_string(kept * kDocumentRecordSize + partial) +
             " opened " + std::to_string(after - before) + " windows");
    if (kept == 0) return;
    DocumentWindow* child = form_->ActiveDocument();
    history_[child] = {};
    DocState expected{contents.options, contents.graphs};
    expected.graphs.resize(static_cast<std::size_t>(kept - 1));
    CheckOpened(child, expected, "a file cut in its last record");
}

void Soak::Close() {
    const QList<DocumentWindow*> documents = form_->Documents();
    if (documents.isEmpty()) return;
    DocumentWindow* child = documents[random_.Int(0, static_cast<int>(documents.size()) - 1)];
    Document& document = child->Doc();
    const DocState state = StateOf(document);
    const bool modified = document.Modified;
    const bool named = document.Named;
    const Answer answer =
        random_.Pick(std::vector<Answer>{Answer::Yes, Answer::No, Answer::No, Answer::Cancel});
    QString target;
    if (modified) {
        Allow("Ask: Save changes to " + child->Caption() + "?");
        messages_.answers.push_back(answer);
        if (answer == Answer::Yes && !named) {
            target = random_.Chance(0.1) ? QString() : PoolFile("s");
            dialogs_.names.push_back(target);
        }
    }
    const QString path = named ? QString::fromStdString(document.FileName) : target;
    QPointer<DocumentWindow> watched(child);
    WindowOf(child)->close();
    const bool stays =
        modified && (answer == Answer::Cancel || (answer == Answer::Yes && path.isEmpty()));
    PumpUntil([&] { return stays || watched == nullptr; });
    if (stays != (watched != nullptr)) {
        Fail(stays ? "a document closed although the question was cancelled"
                   : "a document did not close");
    }
    if (stays) return;
    history_.erase(child);
    if (modified && answer == Answer::Yes) VerifySaved(path, state, nullptr);
}

void Soak::Switch() {
    const QList<DocumentWindow*> documents = form_->Documents();
    if (documents.size() < 2) return;
    DocumentWindow* child = documents[random_.Int(0, static_cast<int>(documents.size()) - 1)];
    form_->MdiArea()->setActiveSubWindow(WindowOf(child));
    Pump();
    if (form_->ActiveDocument() != child) Fail("the chosen document did not become the active one");
}

void Soak::Arrange() {
    const C commands[] = {C::Cascade, C::Tile, C::ArrangeIcons, C::MinimizeAll};
    const C command = commands[random_.Int(0, 3)];
    Run(command);
    if (command == C::MinimizeAll || random_.Chance(0.3)) {
        // Back to a usable window, as a user would.
        if (DocumentWindow* child = form_->ActiveDocument()) WindowOf(child)->showNormal();
    }
}

void Soak::SaveOptions() {
    Run(C::SaveOptions);
    newOptions_ = form_->ActiveDocument()->Doc().Options;
}

void Soak::CheckMessages() {
    int refusals = dialogRefusals_;
    for (const QString& message : messages_.shown) {
        if (allowed_.count(message) != 0) {
            if (message.startsWith("Error: ")) ++refusalCounts_[message];
            continue;
        }
        if (refusals > 0 && message.startsWith("Error: ")) {
            --refusals;
            ++refusalCounts_["(dialog) " + message];
            continue;
        }
        QString text = message;
        Fail("unexpected message: " + text.replace('\r', ' ').toStdString());
    }
}

void Soak::CheckAfter(Op op, const std::map<DocumentWindow*, DocState>& before,
                      DocumentWindow* active) {
    const bool historyOp = op == Op::Undo || op == Op::Redo;
    for (DocumentWindow* child : form_->Documents()) {
        auto was = before.find(child);
        if (was == before.end()) {
            if (history_.count(child) == 0) Fail("a document appeared that no operation opened");
            continue;
        }
        const DocState now = StateOf(child->Doc());
        const std::string difference = Difference(was->second, now);
        HistoryModel& model = history_[child];
        if (child != active && !difference.empty()) {
            Fail("a document that was not the active one changed: " +
                 child->Caption().toStdString() + ": " + difference);
        }
        if (child == active && !historyOp && !historyDone_) RecordChange(child, was->second);
        // Whatever a document holds, its file must be readable again.
        if (child == active && !difference.empty()) {
            const std::string refused = RecordsRefused(now);
            if (!refused.empty())
                Fail("the document holds records its file would not pass" + refused);
        }
        const UndoHistory& history = child->History();
        if (history.UndoList().size() != model.undo.size() ||
            history.RedoList().size() != model.redo.size()) {
            Fail("the history of " + child->Caption().toStdString() + " holds " +
                 std::to_string(history.UndoList().size()) + " undo and " +
                 std::to_string(history.RedoList().size()) + " redo steps, expected " +
                 std::to_string(model.undo.size()) + " and " + std::to_string(model.redo.size()) +
                 (difference.empty() ? " (the operation changed nothing)" : ""));
        }
    }
    for (auto it = history_.begin(); it != history_.end();) {
        if (!form_->Documents().contains(it->first))
            Fail("a document went away without being closed");
        ++it;
    }
}

void Soak::CheckWindow() {
    DocumentWindow* active = form_->ActiveDocument();
    QComboBox* list = form_->GraphBar()->GraphList;
    if (active == nullptr) {
        if (list->count() != 0) Fail("the graph list shows graphs with no document open");
        return;
    }
    const Document& document = active->Doc();
    if (std::memcmp(&form_->CurrentOptions(), &document.Options, sizeof form_->CurrentOptions()) !=
        0)
        Fail("the current options are not those of the active document");
    if (document.GraphCount() > kMaxGraphs) Fail("a document holds more than 30 graphs");
    if (list->count() != static_cast<int>(document.GraphCount())) {
        Fail("the graph list shows " + std::to_string(list->count()) + " graphs of " +
             std::to_string(document.GraphCount()));
    }
    for (int i = 0; i < list->count(); ++i) {
        if (list->itemText(i) != QString::fromLatin1(GraphEntryText(document.GraphAt(i).Record())))
            Fail("the graph list names graph " + std::to_string(i + 1) + " wrongly");
    }
    if (list->count() > 0 && (list->currentIndex() < 0 || list->currentIndex() >= list->count()))
        Fail("the graph list selects no graph");
    const UndoHistory& history = active->History();
    if (form_->Action(C::Undo)->isEnabled() == history.UndoList().empty() ||
        form_->Action(C::Redo)->isEnabled() == history.RedoList().empty())
        Fail("Undo or Redo is enabled against the history");
}

}  // namespace
}  // namespace plotwise::soak

namespace {

// Qt's own warnings, each shown once; the offscreen platform's note about size hints is
// no news.
void QtMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    static std::set<QString> seen;
    if (text.contains("propagateSizeHints") || !seen.insert(text).second) return;
    std::fprintf(stderr, "Qt: %s\n", text.toLocal8Bit().constData());
}

}  // namespace

int main(int argc, char** argv) {
    double minutes = 1;
    std::optional<std::uint64_t> seed;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--minutes" && i + 1 < argc) {
            minutes = std::atof(argv[++i]);
        } else if (arg == "--seed" && i + 1 < argc) {
            seed = std::strtoull(argv[++i], nullptr, 10);
        } else {
            std::fprintf(stderr, "usage: plotwise_soak [--minutes M] [--seed S]\n");
            return 2;
        }
    }
    if (!(minutes > 0)) {
        std::fprintf(stderr, "plotwise_soak: --minutes wants a positive number\n");
        return 2;
    }
    if (!seed) {
        seed = static_cast<std::uint64_t>(
            std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
    }
    qInstallMessageHandler(QtMessage);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return plotwise::soak::Soak(*seed, minutes).Run();
}
