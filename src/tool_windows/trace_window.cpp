#include "tool_windows/trace_window.h"

#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>

#include "plot/document.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "services/help_context.h"

namespace plotwise {
namespace {

constexpr int kFormWidth = 280;
constexpr int kLargeChange = 10;

QLabel* NewLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

}  // namespace

TraceWindow::TraceWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Trace");
    SetHelpContext(this, 30);

    funcComboBox_ = new QComboBox(this);
    funcComboBox_->setObjectName("FuncComboBox");
    funcComboBox_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    funcComboBox_->setMinimumContentsLength(20);
    traceScrollBar_ = new QScrollBar(Qt::Horizontal, this);
    traceScrollBar_->setObjectName("TraceScrollBar");
    traceScrollBar_->setPageStep(kLargeChange);
    traceScrollBar_->setFocusPolicy(Qt::StrongFocus);
    traceScrollBar_->installEventFilter(this);

    auto* values = new QGroupBox("Values", this);
    values->setObjectName("TraceGroupBox");
    xLabel_ = NewLabel("XLabel", values);
    yLabel_ = NewLabel("YLabel", values);
    atLabel_ = NewLabel("ATLabel", values);
    rLabel_ = NewLabel("RLabel", values);
    auto* lines = new QVBoxLayout(values);
    for (QLabel* label : {xLabel_, yLabel_, atLabel_, rLabel_})
        lines->addWidget(label);
    lines->addStretch();
    values->setMinimumHeight(values->sizeHint().height());

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcComboBox_);
    layout->addWidget(traceScrollBar_);
    layout->addWidget(values);
    setFixedWidth(kFormWidth);

    connect(funcComboBox_, &QComboBox::currentIndexChanged, this, [this] {
        SetupTrace();
        UpdateTraceReadout();
    });
    connect(traceScrollBar_, &QScrollBar::valueChanged, this, [this] { UpdateTraceReadout(); });
}

void TraceWindow::Execute(TraceTarget& target, int selected) {
    target_ = &target;
    Activate(selected);
    exec();
    HidePointer();
    target_ = nullptr;
}

void TraceWindow::Activate(int selected) {
    {
        const QSignalBlocker blocker(funcComboBox_);
        funcComboBox_->clear();
        if (const Document* document = target_->Doc()) {
            for (const auto& graph : document->Graphs())
                funcComboBox_->addItem(FromRecordText(GraphEntryText(graph->Record())));
        }
        if (funcComboBox_->count() > 0)
            funcComboBox_->setCurrentIndex(
                selected >= 0 && selected < funcComboBox_->count() ? selected : 0);
    }
    SetupTrace();
    UpdateTraceReadout();
    traceScrollBar_->setFocus();
}

const Graph* TraceWindow::ChosenGraph() const {
    const Document* document = target_ != nullptr ? target_->Doc() : nullptr;
    const int index = funcComboBox_->currentIndex();
    if (document == nullptr || index < 0) return nullptr;
    const auto& graphs = document->Graphs();
    return static_cast<std::size_t>(index) < graphs.size() ? graphs[index].get() : nullptr;
}

void TraceWindow::SetupTrace() {
    const Graph* graph = ChosenGraph();
    TraceSetup setup;
    if (graph != nullptr) setup = plotwise::SetupTrace(*graph, target_->Doc()->Shown());
    xLabel_->setText(FromRecordText(setup.message));
    xLabel_->setVisible(graph != nullptr);
    yLabel_->setVisible(setup.enabled);
    atLabel_->setVisible(setup.enabled && setup.showArgument);
    rLabel_->setVisible(setup.enabled && setup.showRadius);
    {
        const QSignalBlocker blocker(traceScrollBar_);
        traceScrollBar_->setRange(1, std::max(setup.maximum, 1));
        traceScrollBar_->setValue(1);
        traceScrollBar_->setEnabled(setup.enabled);
    }
    HidePointer();
}

void TraceWindow::UpdateTraceReadout() {
    const Graph* graph = ChosenGraph();
    if (!traceScrollBar_->isEnabled() || graph == nullptr) return;
    const TracedPoint point = TracePoint(*graph, target_->Doc()->Shown(), traceScrollBar_->value());
    const TraceTexts readout = TraceReadout(graph->Record().Kind, point);
    xLabel_->setText(FromRecordText(readout.x));
    yLabel_->setText(FromRecordText(readout.y));
    atLabel_->setText(FromRecordText(readout.argument));
    rLabel_->setText(FromRecordText(readout.radius));
    if (std::isfinite(point.x) && std::isfinite(point.y)) {
        target_->MovePointer(point.x, point.y);
    } else {
        HidePointer();
    }
}

void TraceWindow::HidePointer() {
    if (target_ != nullptr) target_->HidePointer();
}

bool TraceWindow::eventFilter(QObject* watched, QEvent* event) {
    // A horizontal scroll bar here steps backwards on the right arrow key (its controls are
    // inverted for the vertical case); along a graph the arrows must point the way they go.
    if (watched == traceScrollBar_ && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier &&
            (key->key() == Qt::Key_Left || key->key() == Qt::Key_Right)) {
            traceScrollBar_->triggerAction(key->key() == Qt::Key_Right
                                               ? QAbstractSlider::SliderSingleStepAdd
                                               : QAbstractSlider::SliderSingleStepSub);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TraceWindow::hideEvent(QHideEvent* event) {
    HidePointer();
    QDialog::hideEvent(event);
}

}  // namespace plotwise
