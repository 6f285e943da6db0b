// plotwise_soak: a live main window, offscreen, driven through its commands by thousands of
// random operations on several documents for a set time. Every change must be taken back
// by Undo and done again by Redo exactly, every saved file must read back and save again to
// the same bytes, no message may appear that the operation does not allow, and the memory
// must stay flat once the run has warmed up.
//
//   plotwise_soak [--minutes M] [--seed S]
#include <malloc.h>
#include <unistd.h>

#include <QtWidgets>
#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <fstream>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "../app/scripted_services.h"
#include "app/document_controller.h"
#include "app/document_window.h"
#include "app/graph_controller.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "formula/number_input.h"
#include "graph_dialog/graph_fields.h"
#include "option_dialogs/common_options_dialog.h"
#include "option_dialogs/plot_options_dialog.h"
#include "plot/document_file.h"
#include "plot/graph_entry_text.h"
#include "plot/record_checks.h"
#include "plot/view_interval.h"
#include "services/program_settings.h"

namespace plotwise::soak {
namespace {

// ---- The random user: formulas and numbers as typed, and the graph properties dialog.

class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    int Int(int low, int high) {  // both included
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
    template <typename T>
    T Pick(std::initializer_list<T> items) {
        return items.begin()[Int(0, static_cast<int>(items.size()) - 1)];
    }
    std::string Pick(std::initializer_list<const char*> texts) { return Pick<const char*>(texts); }

  private:
    std::mt19937_64 engine_;
};

std::string Term(Random& random, const std::string& variables, int depth) {
    if (depth <= 0 || random.Chance(0.25)) {
        if (random.Chance(0.6))
            return std::string(1, variables[random.Int(0, variables.size() - 1)]);
        return random.Pick({"1", "2", "3", "0.5", "10", "pi", "3.", "0.001"});
    }
    switch (random.Int(0, 3)) {
        case 0:
            return random.Pick({"sin",  "cos",  "tan",  "cot",   "asin",  "acos",  "atan",  "sinh",
                                "cosh", "tanh", "coth", "asinh", "acosh", "atanh", "acoth", "exp",
                                "ln",   "lg",   "sqrt", "abs",   "int",   "frac"}) +
                   "(" + Term(random, variables, depth - 1) + ")";
        case 1:  // a minus right after "(" negates the whole term
            return "(-" + Term(random, variables, depth - 1) + ")";
        default:
            return "(" + Term(random, variables, depth - 1) +
                   random.Pick({"+", "-", "*", "/", "^"}) + Term(random, variables, depth - 1) +
                   ")";
    }
}

// A formula in the given variables ("x", "xy", ...): nested functions, operators,
// constants, and now and then one without a value anywhere (1/0, ln(0), exp(1000)).
std::string RandomFormula(Random& random, const std::string& variables) {
    if (random.Chance(0.03)) return random.Chance(0.5) ? "" : " ";
    if (random.Chance(0.05))
        return random.Pick({"1/0", "ln(0)", "sqrt(-1)", "exp(1000)", "10^600"}) + "+" +
               variables[0];
    std::string text;
    do {
        text = Term(random, variables, random.Int(1, 5));
    } while (text.size() > 200);
    return text;
}

// A number as typed: "3", "-0.125", "3.14159265" (more digits than are kept),
// "1.5*10^3", "2*10^(-4)"; magnitudes mostly near 1, up to 10^maxExponent.
std::string RandomNumberText(Random& random, int maxExponent) {
    std::string text = random.Chance(0.4) ? "-" : "";
    switch (random.Int(0, 3)) {
        case 0:
            return text + std::to_string(random.Int(0, 20));
        case 1:
            return text + std::to_string(random.Int(0, 99)) + "." +
                   std::to_string(random.Int(0, 999));
        case 2:  // nine digits: one more than a field keeps
            return text + std::to_string(random.Int(1, 9)) + "." +
                   std::to_string(random.Int(10000000, 99999999));
        default:
            const int exponent = random.Int(-maxExponent - 3, maxExponent);
            return text + std::to_string(random.Int(1, 9)) + "." +
                   std::to_string(random.Int(0, 99)) + "*10^" +
                   (exponent < 0 ? "(" + std::to_string(exponent) + ")" : std::to_string(exponent));
    }
}

// Two number texts with the first below the second as the program reads them.
std::pair<std::string, std::string> RandomRangeTexts(Random& random, int maxExponent) {
    for (int attempt = 0; attempt < 10; ++attempt) {
        std::string a = RandomNumberText(random, maxExponent);
        std::string b = RandomNumberText(random, maxExponent);
        long double va = 0;
        long double vb = 0;
        if (!ReadFieldNumber(a, va) || !ReadFieldNumber(b, vb) || va == vb) continue;
        if (va > vb) std::swap(a, b);
        return {a, b};
    }
    return {"-1", "1"};
}

// What the scripted graph properties dialog did. Its checks refusing the user's fields
// means the user typed something wrong: the last such refusal is kept.
struct EditorCounts {
    int confirmed = 0, refused = 0;
    std::string lastRefusal;
};

// The interval and the steps of a kind with formulas, now and then changed; steps and gaps
// a soak can afford thousands of times.
void RandomIntervalAndSteps(Random& random, GraphFields& f, const OptionsRecord& options) {
    const bool area = f.Kind == kEquation || f.Kind == kSlopeField;
    if (random.Chance(0.4)) {
        if ((area || f.Kind == kYOfX || f.Kind == kXOfY) && random.Chance(0.3)) {
            UncheckInterval(f, options);
        } else {
            f.IntervalChecked = true;
            std::tie(f.Min, f.Max) = RandomRangeTexts(random, area                    ? 4
                                                              : f.Kind == kPolarGraph ? 0
                                                                                      : 6);
            if (area) std::tie(f.MinY, f.MaxY) = RandomRangeTexts(random, 4);
        }
    }
    if (!random.Chance(0.4)) return;
    const int gap = random.Chance(0.5) ? random.Int(1, 100) : random.Int(1, 1000000);
    if (f.Kind == kEquation) {
        f.Steps = std::to_string(random.Int(10, random.Chance(0.1) ? 150 : 60));
        f.StepsY = std::to_string(random.Int(10, random.Chance(0.1) ? 150 : 60));
        f.MaxGap = std::to_string(gap);
    } else if (f.Kind == kSlopeField) {
        f.Steps = std::to_string(random.Int(2, 30));
        f.StepsY = std::to_string(random.Int(2, 30));
        f.LinesLength = std::to_string(random.Int(4, 100));
    } else if (random.Chance(0.3)) {
        UncheckSteps(f, options);
    } else {
        f.StepsChecked = true;
        f.Steps = std::to_string(random.Chance(0.1) ? random.Int(1, 10) : random.Int(20, 1500));
        f.MaxGap = std::to_string(gap);
    }
}

// OK as the dialog does it: the fields checked, then stored; now and then Cancel instead.
bool Confirm(Random& random, const GraphFields& f, GraphRecord& work, GraphRecord& props,
             EditorCounts& counts) {
    if (const auto failure = CheckFields(f)) {
        ++counts.refused;
        counts.lastRefusal = failure->Message + " (kind " + std::to_string(f.Kind) + ": \"" +
                             f.Formula + "\", \"" + f.FormulaY + "\")";
        return false;
    }
    if (random.Chance(0.05)) return false;  // Cancel
    StoreFields(f, work);
    props = work;
    ++counts.confirmed;
    return true;
}

// The graph properties dialog as a user fills it: a new kind now and then, new formulas,
// intervals, steps, table cells and style. fresh: the "Add Graph" dialog. False when the
// user cancelled or OK refused a field (the user then gave up).
bool EditGraphRecord(Random& random, GraphRecord& props, const OptionsRecord& options, bool fresh,
                     EditorCounts& counts) {
    GraphRecord work = props;
    GraphFields f = FieldsFromProps(work, options);
    const int oldKind = f.Kind;
    if (random.Chance(fresh ? 0.7 : 0.15)) ChangeKind(f, work, random.Int(kYOfX, kTable), options);
    const int kind = f.Kind;
    // A formula carried to another kind may name the wrong variable: typed anew.
    const char* const variables[] = {"x", "y", "a", "t", "xy", "xy"};
    if (kind <= kSlopeField && (fresh || kind != oldKind || random.Chance(0.5))) {
        f.Formula = RandomFormula(random, variables[kind]);
        if (kind == kParametric) f.FormulaY = RandomFormula(random, variables[kind]);
    }
    if ((kind == kEquation || kind == kSlopeField) && random.Chance(0.5))
        f.Relation = random.Int(0, kind == kEquation ? 2 : 1);
    if (kind <= kSlopeField) {
        RandomIntervalAndSteps(random, f, options);
    } else if (kind == kTable && (fresh || random.Chance(0.6))) {
        for (int edits = random.Chance(0.05) ? 100 : random.Int(0, 20); edits > 0; --edits) {
            for (std::string& cell :
                 f.Table[static_cast<std::size_t>(random.Int(0, kTableRows - 1))])
                cell = random.Chance(0.1) ? std::string() : RandomNumberText(random, 3);
        }
        f.SortType = random.Int(0, 2);
    }
    if (random.Chance(fresh ? 0.3 : 0.4)) {
        f.Style = {random.Chance(0.8), random.Chance(0.3), random.Int(0, 4), random.Int(0, 5),
                   random.Int(0, 7),   random.Int(0, 15),  random.Int(0, 6)};
        f.DrawGraphic = random.Chance(0.9);
    }
    return Confirm(random, f, work, props, counts);
}

// ---- The soak: operations on a live main window and the checks after each.

using Clock = std::chrono::steady_clock;
using C = Command;

constexpr int kMaxDocuments = 5;
constexpr int kFilePool = 12;   // names the saves reuse, so old files get replaced
constexpr int kRssEvery = 200;  // operations between memory samples
constexpr long kRssAllowanceKiB = 30 * 1024;

// A document as its file holds it: the options and the graph records, byte for byte.
using DocState = DocumentContents;

DocState StateOf(const Document& document) {
    DocState state{document.Options, {}};
    for (const auto& graph : document.Graphs())
        state.graphs.push_back(graph->Record());
    return state;
}

// The first byte in which two records differ, or -1.
template <typename Record>
long FirstDifference(const Record& a, const Record& b) {
    const auto* x = reinterpret_cast<const unsigned char*>(&a);
    const auto* y = reinterpret_cast<const unsigned char*>(&b);
    const long at = std::mismatch(x, x + sizeof a, y).first - x;
    return at == static_cast<long>(sizeof a) ? -1 : at;
}

// Empty when both are the same; else where they first differ.
std::string Difference(const DocState& a, const DocState& b) {
    if (const long o = FirstDifference(a.options, b.options); o >= 0)
        return "options byte " + std::to_string(o);
    if (a.graphs.size() != b.graphs.size())
        return std::to_string(a.graphs.size()) + " graphs then " + std::to_string(b.graphs.size());
    for (std::size_t i = 0; i < a.graphs.size(); ++i) {
        if (const long g = FirstDifference(a.graphs[i], b.graphs[i]); g >= 0)
            return "graph " + std::to_string(i + 1) + " byte " + std::to_string(g);
    }
    return {};
}

// The records of a document a file check refuses, by number (0: the options).
std::string RecordsRefused(const DocState& state) {
    std::string refused = CheckOptionsRecord(state.options) ? "" : " 0";
    for (std::size_t i = 0; i < state.graphs.size(); ++i) {
        if (!CheckGraphRecord(state.graphs[i]))
            refused += " " + std::to_string(i + 1) + " \"" + GraphEntryText(state.graphs[i]) + "\"";
    }
    return refused;
}

// The resident size, free heap pages returned first.
long RssKiB() {
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long size = 0;
    long resident = 0;
    statm >> size >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
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
    const auto end = Clock::now() + std::chrono::seconds(5);
    while (!done() && Clock::now() < end)
        Pump();
    return done();
}

// A document's history as it must be: the states Undo and Redo go back to, and the steps
// taken less those undone, now and at the last save (-1: out of reach).
struct HistoryModel {
    std::deque<DocState> undo, redo;
    long position = 0, saved = 0;
};

// A step kept as the history keeps it: the oldest goes beyond the depth.
void PushStep(std::deque<DocState>& steps, const DocState& state) {
    steps.push_back(state);
    if (steps.size() > UndoHistory::kUndoDepth) steps.pop_front();
}

class Soak;

// What a user can do, and how often the soak does it.
struct Operation {
    const char* name;
    int weight;
    enum Needs { Anything, ADocument, RoomForAWindow } needs;
    void (*run)(Soak&);
};

class Soak {
  public:
    Soak(std::uint64_t seed, double minutes) : seed_(seed), random_(seed), minutes_(minutes) {}

    int Run();
    void Step();
    const Operation& ChooseOperation();

    [[noreturn]] void Fail(const std::string& what) {
        std::fprintf(stderr, "\nplotwise_soak: FAILED at operation %ld (seed %llu): %s\n", op_,
                     seed_, what.c_str());
        for (const std::string& line : recent_)
            std::fprintf(stderr, "  %s\n", line.c_str());
        std::fprintf(stderr, "reproduce: plotwise_soak --seed %llu\n", seed_);
        std::_Exit(1);
    }
    void Note(const std::string& what) {
        recent_.push_back("#" + std::to_string(op_) + " " + what);
        if (recent_.size() > 25) recent_.pop_front();
    }
    void Allow(const QString& message) { allowed_.insert(message); }
    QString PoolFile(const char* prefix) {
        return dir_.filePath(QString("%1%2.plw").arg(prefix).arg(random_.Int(0, kFilePool - 1)));
    }
    QString AnyOf(std::initializer_list<const char*> texts) {
        return QString::fromStdString(random_.Pick(texts));
    }
    void Start() {
        if (!dir_.isValid()) Fail("no temporary folder");
        MainWindowSetup setup{dir_.path(), dir_.filePath("Plotwise.ini"), "plotwise", false};
        window_ = std::make_unique<MainWindow>(setup, &messages_, &dialogs_);
        window_->resize(900, 700);
        window_->show();
        if (!PumpUntil([this] { return window_->Started(); })) Fail("the window did not start");
        window_->GraphCommands().GraphEditor = [this](GraphRecord& props, const QString& caption,
                                                      GraphPage) {
            return EditGraphRecord(random_, props, window_->CurrentOptions(),
                                   caption == "Add Graph" && !doubling_, editor_);
        };
        if (window_->Documents().size() != 1) Fail("the program did not start with one document");
        history_[window_->Documents().front()] = {};
        newOptions_ = window_->Documents().front()->Doc().Options;
        messages_.shown.clear();
    }

    void SampleMemory(double elapsedMinutes) {
        // Each paint of a document window's title bar files new pixmaps in Qt's bounded pixmap
        // cache: filling slowly, it would read as a steady leak, so the figures leave it out.
        QPixmapCache::clear();
        rssNow_ = RssKiB();
        rssPeak_ = std::max(rssPeak_, rssNow_);
        if (warm_ && rssNow_ > rssBaseline_ + kRssAllowanceKiB) {
            Fail("memory grew: RSS " + std::to_string(rssNow_ / 1024) + " MB after " +
                 std::to_string(elapsedMinutes) + " minutes, " +
                 std::to_string(rssBaseline_ / 1024) + " MB after the warm-up");
        }
    }

    void Summary(double elapsed) {
        std::printf(
            "\nplotwise_soak: passed, seed %llu: %ld operations in %.1f minutes, %ld saves "
            "verified by reopening, %ld files reopened, %ld undo/redo steps; RSS %.1f MB "
            "after the warm-up, peak %.1f MB; graph dialog %d confirmed, %d refused %s\n",
            seed_, op_, elapsed, saves_, reopened_, historySteps_, rssBaseline_ / 1024.0,
            rssPeak_ / 1024.0, editor_.confirmed, editor_.refused, editor_.lastRefusal.c_str());
    }

    // Every message must be one the operation allows, or an error of a dialog's refusal.
    void CheckMessages() {
        int refusals = dialogRefusals_;
        for (QString message : messages_.shown) {
            if (allowed_.count(message) != 0) continue;
            if (refusals-- <= 0 || !message.startsWith("Error: "))
                Fail("unexpected message: " + message.replace('\r', ' ').toStdString());
        }
    }

    // Only the active document may have changed, into records its file would pass, and every
    // history holds what the model says.
    void CheckAfter(const std::map<DocumentWindow*, DocState>& before, DocumentWindow* active) {
        for (DocumentWindow* child : window_->Documents()) {
            const std::string caption = child->Caption().toStdString();
            auto was = before.find(child);
            if (was == before.end()) {
                if (history_.count(child) == 0) Fail(caption + " appeared, opened by no operation");
                continue;
            }
            const DocState now = StateOf(child->Doc());
            const std::string difference = Difference(was->second, now);
            if (child != active && !difference.empty())
                Fail(caption + " changed, not being the active document: " + difference);
            if (child == active && !historyDone_) RecordChange(child, was->second);
            if (!difference.empty() && !RecordsRefused(now).empty())
                Fail("the document holds records its file would not pass:" + RecordsRefused(now));
            const HistoryModel& model = history_[child];
            const UndoHistory& history = child->History();
            const std::string held = std::to_string(history.UndoList().size()) + "+" +
                                     std::to_string(history.RedoList().size());
            const std::string expected =
                std::to_string(model.undo.size()) + "+" + std::to_string(model.redo.size());
            if (held != expected) {
                Fail("the history of " + caption + " holds " + held + " undo+redo steps, not " +
                     expected + (difference.empty() ? " (the operation changed nothing)" : ""));
            }
        }
        for (const auto& entry : history_) {
            if (!window_->Documents().contains(entry.first))
                Fail("a document went away without being closed");
        }
    }

    // The Graph toolbar, the current options and Undo and Redo follow the active document.
    void CheckWindow() {
        DocumentWindow* active = window_->ActiveDocument();
        QComboBox* list = window_->GraphBar()->GraphList;
        if (active == nullptr) {
            if (list->count() != 0) Fail("the graph list shows graphs with no document open");
            return;
        }
        const Document& document = active->Doc();
        if (FirstDifference(window_->CurrentOptions(), document.Options) >= 0)
            Fail("the current options are not those of the active document");
        if (document.GraphCount() > kMaxGraphs) Fail("a document holds more than 30 graphs");
        if (list->count() != static_cast<int>(document.GraphCount()))
            Fail("the graph list shows " + std::to_string(list->count()) + " graphs");
        for (int i = 0; i < list->count(); ++i) {
            if (list->itemText(i) !=
                QString::fromLatin1(GraphEntryText(document.GraphAt(i).Record())))
                Fail("the graph list names graph " + std::to_string(i + 1) + " wrongly");
        }
        if (list->count() > 0 &&
            (list->currentIndex() < 0 || list->currentIndex() >= list->count()))
            Fail("the graph list selects no graph");
        if (window_->Action(C::Undo)->isEnabled() == active->History().UndoList().empty() ||
            window_->Action(C::Redo)->isEnabled() == active->History().RedoList().empty())
            Fail("Undo or Redo is enabled against the history");
    }

    // A change of the document since before must have recorded one step.
    void RecordChange(DocumentWindow* child, const DocState& before) {
        if (Difference(before, StateOf(child->Doc())).empty()) return;
        if (!child->Doc().Modified) Fail("a changed document is not marked changed");
        HistoryModel& model = history_[child];
        PushStep(model.undo, before);
        model.redo.clear();
        if (model.saved > model.position) model.saved = -1;  // it was on the redo side
        ++model.position;
    }

    // Only what a user can reach: the command's menu item or button must be enabled.
    void Run(C command) {
        if (window_->Action(command)->isEnabled()) window_->RunCommand(command);
    }

    void Select() {
        QComboBox* list = window_->GraphBar()->GraphList;
        if (list->count() == 0 || !list->isEnabled()) return;
        const int item = random_.Int(0, list->count() - 1);
        list->setCurrentIndex(item);
        emit list->activated(item);
    }
    void MaybeSelectGraph() {
        if (random_.Chance(0.5)) Select();
    }

    void AddOrDouble(bool doubling) {
        if (doubling) MaybeSelectGraph();
        if (window_->ActiveDocument()->Doc().GraphCount() >= kMaxGraphs)
            Allow("Error: Amount of the graphs must not exceed 30");
        doubling_ = doubling;
        Run(doubling ? C::DoubleGraph : C::AddGraph);
        doubling_ = false;
    }

    void Delete() {
        MaybeSelectGraph();
        if (window_->Settings().Common.ConfirmDelete) {
            Allow("Ask: Do you want to remove the graph?");
            messages_.answers.push_back(random_.Chance(0.8) ? Answer::Yes : Answer::No);
        }
        Run(C::DeleteGraph);
    }

    void View() {
        // The refusals of a view change that would leave the numbers the program holds.
        for (const QString axis : {"X", "Y"}) {
            for (const QString bound : {"Minimum", "Maximum"})
                Allow("Error: " + bound + " of " + axis +
                      " must be a number\rfrom -1*10^100 up to 1*10^100");
            Allow("Error: Maximum of " + axis + " must be more\rthan minimum of " + axis);
        }
        Allow(QString("Error: ") + kLogBoundMessage);
        // Now and then a long run of one button, far enough to reach the limits.
        const int count = random_.Chance(0.01) ? 340 : random_.Chance(0.2) ? random_.Int(2, 8) : 1;
        const C views[] = {C::IncreaseXY, C::IncreaseY, C::IncreaseX, C::ReduceXY, C::ReduceY,
                           C::ReduceX,    C::MoveLeft,  C::MoveRight, C::MoveUp,   C::MoveDown};
        const C command = views[random_.Int(0, std::size(views) - 1)];
        DocumentWindow* child = window_->ActiveDocument();
        Note(std::string("  ") + InfoOf(command).shortHint + " x" + std::to_string(count));
        for (int i = 0; i < count; ++i) {
            const DocState before = StateOf(child->Doc());
            Run(command);
            RecordChange(child, before);
        }
        historyDone_ = true;
    }

    // Runs command; its modal dialog of type Dialog gets user once it is up. The dialog is
    // cancelled when user left it open (OK refused a field: one error message allowed).
    template <typename Dialog>
    void WithDialog(C command, const std::function<void(Dialog&)>& user) {
        if (!window_->Action(command)->isEnabled()) return;
        bool seen = false;
        QTimer::singleShot(0, window_.get(), [&] {
            auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) Fail("the command's dialog did not come up");
            seen = true;
            user(*dialog);
            PressOk(*dialog);
            if (dialog->isVisible()) dialog->reject();
        });
        window_->RunCommand(command);
        if (!seen) Fail("the command returned without its dialog");
    }

    // Presses OK now and then Cancel; a refusal names the field and leaves the dialog open.
    void PressOk(QDialog& dialog) {
        if (random_.Chance(0.1)) return;  // Cancel
        auto* buttons = dialog.findChild<QDialogButtonBox*>();
        QAbstractButton* ok = buttons != nullptr ? buttons->button(QDialogButtonBox::Ok)
                                                 : dialog.findChild<QPushButton*>("OKButton");
        if (ok == nullptr) Fail("the dialog has no OK button");
        const qsizetype shown = messages_.shown.size();
        ok->click();
        if (!dialog.isVisible()) return;
        if (messages_.shown.size() != shown + 1) Fail("a refusing dialog showed no single message");
        ++dialogRefusals_;
    }

    // Boxes ticked or cleared and other items chosen in lists, as a user might.
    void FiddleWithBoxes(QDialog& d, double chance) {
        for (QCheckBox* box : d.findChildren<QCheckBox*>()) {
            if (random_.Chance(chance)) box->setChecked(!box->isChecked());
        }
        for (QRadioButton* radio : d.findChildren<QRadioButton*>()) {
            if (random_.Chance(chance)) radio->setChecked(true);
        }
        for (QComboBox* list : d.findChildren<QComboBox*>()) {
            if (list->count() > 0 && random_.Chance(chance))
                list->setCurrentIndex(random_.Int(0, list->count() - 1));
        }
    }
    void Type(QLineEdit* edit, double chance, const QString& text) {
        if (random_.Chance(chance)) edit->setText(text);
    }

    void PlotOptions(PlotOptionsDialog& d) {
        FiddleWithBoxes(d, 0.1);  // the logarithmic scales and the points' alignment
        for (const PlotField min : {pfMinX, pfMinY}) {
            if (!random_.Chance(0.5)) continue;
            const auto [low, high] = RandomRangeTexts(random_, 5);
            d.Edits[min]->setText(QString::fromStdString(low));
            d.Edits[min == pfMinX ? pfMaxX : pfMaxY]->setText(QString::fromStdString(high));
        }
        Type(d.Edits[pfSteps], 0.3, QString::number(random_.Int(20, 2000)));
        Type(d.Edits[pfMaxGap], 0.2, QString::number(random_.Int(1, 1000000)));
        for (const PlotField coefficient : {pfCoeffX, pfCoeffY})
            Type(d.Edits[coefficient], 0.15,
                 AnyOf({"1", "1", "2", "0.5", "10", "0.001", "3.14159265"}));
        for (const PlotField base : {pfBaseX, pfBaseY})
            Type(d.Edits[base], 0.1, AnyOf({"10", "2", "2.7182818", "1000", "1.5"}));
        Type(d.Edits[random_.Int(0, kPlotFieldCount - 1)], 0.05,
             AnyOf({"", "x", "1e5", "0", "-5", "2*10^101"}));
    }

    // Undo or Redo must give back the exact records the model holds.
    void History(bool undo) {
        DocumentWindow* child = window_->ActiveDocument();
        HistoryModel& model = history_[child];
        std::deque<DocState>& from = undo ? model.undo : model.redo;
        std::deque<DocState>& to = undo ? model.redo : model.undo;
        const std::string name = undo ? "Undo" : "Redo";
        historyDone_ = true;
        if (window_->Action(undo ? C::Undo : C::Redo)->isEnabled() == from.empty())
            Fail(name + " is enabled against the history");
        if (from.empty()) return;
        const DocState before = StateOf(child->Doc());
        window_->RunCommand(undo ? C::Undo : C::Redo);
        const std::string difference = Difference(from.back(), StateOf(child->Doc()));
        if (!difference.empty())
            Fail(name + " did not give back the state of before: " + difference);
        from.pop_back();
        PushStep(to, before);
        model.position += undo ? -1 : 1;
        // Back at the saved state the document is unchanged again.
        if (child->Doc().Modified == (model.position == model.saved))
            Fail(name +
                 (child->Doc().Modified ? " to the saved state left the document marked"
                                        : " left the document unmarked") +
                 " changed");
        ++historySteps_;
    }

    void New() {
        Run(C::New);
        DocumentWindow* child = window_->ActiveDocument();
        if (child == nullptr || !child->Caption().startsWith("Noname"))
            Fail("New left no new document active");
        history_[child] = {};
        const std::string difference = Difference({newOptions_, {}}, StateOf(child->Doc()));
        if (!difference.empty()) Fail("New did not start from the saved options: " + difference);
    }

    void Save(bool saveAs) {
        DocumentWindow* child = window_->ActiveDocument();
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
        history_[child].saved = history_[child].position;
        if (QString::fromStdString(document.FileName) != QFileInfo(path).absoluteFilePath())
            Fail("the document does not name the file it was saved to");
        VerifySaved(path, StateOf(document), child);
    }

    // Writing live's document gives bytes; fails with what otherwise.
    void CheckRewrite(DocumentWindow* live, const QByteArray& bytes, const std::string& what) {
        const QString again = dir_.filePath("live.plw");
        if (!WriteDocument(live->Doc(), again.toStdString()) || FileBytes(again) != bytes)
            Fail(what);
    }

    // After a save of a document in state: the file reads back as that state, and saved
    // again from the window it opened in gives the same bytes.
    void VerifySaved(const QString& path, const DocState& state, DocumentWindow* live) {
        ++saves_;
        const QByteArray saved = FileBytes(path);
        if (static_cast<std::size_t>(saved.size()) !=
            (state.graphs.size() + 1) * kDocumentRecordSize)
            Fail("the saved file has " + std::to_string(saved.size()) + " bytes");
        if (live != nullptr)
            CheckRewrite(live, saved, "writing the document again gave other bytes");
        const qsizetype shown = messages_.shown.size();
        DocumentWindow* reopened = window_->DocumentCommands().Open(path);
        if (reopened == nullptr || messages_.shown.size() != shown) {
            Fail("the saved file did not open again: " +
                 messages_.shown.mid(shown).join(" / ").toStdString() +
                 "; refused:" + RecordsRefused(state));
        }
        CheckOpened(reopened, state, "the saved file");
        const QString second = PoolFile("r");
        dialogs_.names = {second};
        if (window_->ActiveDocument() != reopened)
            Fail("the reopened document is not the active one");
        window_->RunCommand(C::SaveAs);
        const QByteArray resaved = FileBytes(second);
        if (resaved != saved) {
            const auto at =
                std::mismatch(saved.begin(), saved.end(), resaved.begin(), resaved.end()).first -
                saved.begin();
            Fail("reopened and saved again, the file differs at byte " + std::to_string(at));
        }
        ++reopened_;
        history_[reopened] = {};
        if (window_->Documents().size() > kMaxDocuments || random_.Chance(0.7)) {
            QPointer<DocumentWindow> watched(reopened);
            WindowOf(reopened)->close();
            if (!PumpUntil([&] { return watched == nullptr; }))
                Fail("the reopened document did not close");
            history_.erase(reopened);
        }
    }

    // A document just opened: its records as expected, no history, not changed.
    void CheckOpened(DocumentWindow* child, const DocState& expected, const std::string& what) {
        const std::string difference = Difference(expected, StateOf(child->Doc()));
        if (!difference.empty())
            Fail(what + " opened with other records than were saved: " + difference);
        if (!child->History().UndoList().empty() || child->Doc().Modified)
            Fail(what + " opened with a history or marked changed");
    }

    // Opens a file the program wrote, now and then one cut short: inside the options record
    // it is refused; later, its whole records open.
    void Open() {
        QStringList files = QDir(dir_.path()).entryList({"*.plw"}, QDir::Files, QDir::Name);
        files.removeAll("cut.plw");  // damaged on purpose
        if (files.isEmpty()) return;
        const QString source = dir_.filePath(files[random_.Int(0, files.size() - 1)]);
        DocState expected;
        if (!LoadDocumentFile(source.toStdString(), expected).valid) Fail("a saved file is bad");
        const QByteArray bytes = FileBytes(source);
        const auto records = static_cast<int>(bytes.size() / kDocumentRecordSize);
        const int kept = random_.Chance(0.5) ? records : random_.Int(0, records - 1);
        const QString path = kept == records ? source : dir_.filePath("cut.plw");
        if (kept < records) {
            const auto record = static_cast<int>(kDocumentRecordSize);
            QFile file(path);
            const qsizetype size = kept * record + random_.Int(kept == 0 ? 0 : 1, record - 1);
            if (!file.open(QIODevice::WriteOnly) || file.write(bytes.left(size)) < 0)
                Fail("could not write the cut file");
        }
        expected.graphs.resize(static_cast<std::size_t>(std::max(kept - 1, 0)));
        if (kept == 0) Allow(QString("Error: ") + kIncorrectFormat);
        dialogs_.names.push_back(path);
        const auto before = window_->Documents().size();
        window_->RunCommand(C::Open);
        const std::string name = QFileInfo(path).fileName().toStdString();
        if (window_->Documents().size() - before != (kept > 0 ? 1u : 0u))
            Fail(name + " opened another number of windows");
        if (kept == 0) return;
        DocumentWindow* child = window_->ActiveDocument();
        history_[child] = {};
        ++reopened_;
        CheckOpened(child, expected, name);
        // A whole file written by the program: writing it back gives its bytes.
        if (kept == records) CheckRewrite(child, bytes, "an opened file written again differs");
    }

    void Close() {
        const QList<DocumentWindow*> documents = window_->Documents();
        if (documents.isEmpty()) return;
        DocumentWindow* child = documents[random_.Int(0, static_cast<int>(documents.size()) - 1)];
        Document& document = child->Doc();
        const DocState state = StateOf(document);
        const bool modified = document.Modified;
        const Answer answer = random_.Pick({Answer::Yes, Answer::No, Answer::No, Answer::Cancel});
        QString path = document.Named ? QString::fromStdString(document.FileName) : QString();
        if (modified) {
            Allow("Ask: Save changes to " + child->Caption() + "?");
            messages_.answers.push_back(answer);
            if (answer == Answer::Yes && !document.Named) {
                path = random_.Chance(0.1) ? QString() : PoolFile("s");
                dialogs_.names.push_back(path);
            }
        }
        QPointer<DocumentWindow> watched(child);
        WindowOf(child)->close();
        const bool stays =
            modified && (answer == Answer::Cancel || (answer == Answer::Yes && path.isEmpty()));
        PumpUntil([&] { return stays || watched == nullptr; });
        if (stays != (watched != nullptr))
            Fail(stays ? "a document closed although the question was cancelled"
                       : "a document did not close");
        if (stays) return;
        history_.erase(child);
        if (modified && answer == Answer::Yes) VerifySaved(path, state, nullptr);
    }

    void Switch() {
        const QList<DocumentWindow*> documents = window_->Documents();
        if (documents.size() < 2) return;
        DocumentWindow* child = documents[random_.Int(0, static_cast<int>(documents.size()) - 1)];
        window_->MdiArea()->setActiveSubWindow(WindowOf(child));
        Pump();
        if (window_->ActiveDocument() != child)
            Fail("the chosen document did not become the active one");
    }

    std::unique_ptr<MainWindow> window_;
    testing_support::ScriptedMessages messages_;
    testing_support::ScriptedDialogs dialogs_;
    QTemporaryDir dir_;
    unsigned long long seed_;
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
    long saves_ = 0, reopened_ = 0, historySteps_ = 0;
    long rssBaseline_ = 0, rssPeak_ = 0, rssNow_ = 0;
    bool warm_ = false;
};

using O = Operation;
constexpr Operation kClose{"close", 2, O::Anything, [](Soak& s) { s.Close(); }};
const Operation kOperations[] = {
    {"add graph", 16, O::ADocument, [](Soak& s) { s.AddOrDouble(false); }},
    {"double graph", 4, O::ADocument, [](Soak& s) { s.AddOrDouble(true); }},
    {"edit graph", 10, O::Anything,
     [](Soak& s) {
         s.MaybeSelectGraph();
         s.Run(s.random_.Chance(0.7) ? C::GraphProps : C::OtherProps);
     }},
    {"delete graph", 5, O::ADocument, [](Soak& s) { s.Delete(); }},
    {"style toggle", 5, O::ADocument,
     [](Soak& s) {
         s.MaybeSelectGraph();
         s.Run(std::array{C::DrawGraphic, C::DrawLines, C::DrawPoints}[s.random_.Int(0, 2)]);
     }},
    {"select graph", 4, O::Anything, [](Soak& s) { s.Select(); }},
    {"view command", 14, O::ADocument, [](Soak& s) { s.View(); }},
    {"standard intervals", 1, O::Anything,
     [](Soak& s) {
         s.Allow(QString("Error: ") + kLogBoundMessage);
         s.Run(C::StandardIntervals);
     }},
    {"standard options", 1, O::Anything, [](Soak& s) { s.Run(C::StandardOptions); }},
    {"plot options", 3, O::ADocument,
     [](Soak& s) {
         s.WithDialog<PlotOptionsDialog>(C::PlotOptions, [&s](auto& d) { s.PlotOptions(d); });
     }},
    {"common options", 1, O::Anything,
     [](Soak& s) {
         s.WithDialog<CommonOptionsDialog>(C::CommonOptions,
                                           [&s](auto& d) { s.FiddleWithBoxes(d, 0.3); });
     }},
    {"undo", 12, O::ADocument, [](Soak& s) { s.History(true); }},
    {"redo", 7, O::ADocument, [](Soak& s) { s.History(false); }},
    {"new", 2, O::RoomForAWindow, [](Soak& s) { s.New(); }},
    {"save", 3, O::ADocument, [](Soak& s) { s.Save(false); }},
    {"save as", 2, O::ADocument, [](Soak& s) { s.Save(true); }},
    {"open", 2, O::RoomForAWindow, [](Soak& s) { s.Open(); }},
    kClose,
    {"switch document", 4, O::Anything, [](Soak& s) { s.Switch(); }},
    {"save options", 1, O::ADocument,
     [](Soak& s) {
         s.Run(C::SaveOptions);
         s.newOptions_ = s.window_->ActiveDocument()->Doc().Options;
     }},
    {"finish counting", 1, O::Anything, [](Soak& s) { s.Run(C::FinishCounting); }},
};

// With no document only New and Open; with the most documents a Close instead of them.
const Operation& Soak::ChooseOperation() {
    const auto documents = window_->Documents().size();
    int total = 0;
    for (const Operation& o : kOperations)
        total += o.weight;
    for (;;) {
        int pick = random_.Int(0, total - 1);
        const Operation* o = kOperations;
        while (pick >= o->weight)
            pick -= (o++)->weight;
        if (documents == 0 && o->needs != O::RoomForAWindow) continue;
        return documents >= kMaxDocuments && o->needs == O::RoomForAWindow ? kClose : *o;
    }
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
    for (DocumentWindow* child : window_->Documents())
        before[child] = StateOf(child->Doc());
    DocumentWindow* active = window_->ActiveDocument();
    const Operation& op = ChooseOperation();
    Note(op.name + (active != nullptr ? " on " + active->Caption().toStdString() : ""));
    if (active != nullptr || op.needs != O::ADocument) op.run(*this);
    Pump();
    CheckMessages();
    CheckAfter(before, active);
    CheckWindow();
}

int Soak::Run() {
    Start();
    const auto begin = Clock::now();
    // Memory is judged after a quarter of the run, at most five minutes.
    const double warmUp = std::min(minutes_ / 4, 5.0);
    std::printf("plotwise_soak: seed %llu, %.1f minutes, warm-up %.1f minutes\n", seed_, minutes_,
                warmUp);
    std::fflush(stdout);
    double elapsed = 0;
    while (elapsed < minutes_) {
        Step();
        elapsed = std::chrono::duration<double, std::ratio<60>>(Clock::now() - begin).count();
        if (op_ % kRssEvery == 0) {
            if (!warm_ && elapsed >= warmUp) {
                warm_ = true;
                rssBaseline_ = std::max(rssPeak_, RssKiB());
            }
            SampleMemory(elapsed);
        }
    }
    SampleMemory(elapsed);
    messages_.answers.assign(2 * kMaxDocuments, Answer::No);  // shut down without saving
    window_->close();
    window_.reset();
    Summary(elapsed);
    return 0;
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
    auto seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count() % 1000000007);
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
    qInstallMessageHandler(QtMessage);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    return plotwise::soak::Soak(seed, minutes).Run();
}
