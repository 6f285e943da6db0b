#include "tool_windows/trace_window.h"

#include <QComboBox>
#include <QEventLoop>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QScrollBar>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "plot/document.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"
#include "services/messages.h"
#include "tools/tangent_tool.h"

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

TraceWindow::TraceWindow(QWidget* parent, Messages* messages)
    : QDialog(parent), messages_(messages) {
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

    valueLabel_ = new QLabel("X=", this);
    valueEdit_ = new QLineEdit(this);
    valueEdit_->setObjectName("ValueEdit");
    valueLabel_->setBuddy(valueEdit_);
    connect(valueEdit_, &QLineEdit::returnPressed, this, &TraceWindow::GoToValue);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(valueLabel_);
    valueRow->addWidget(valueEdit_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(funcComboBox_);
    layout->addWidget(traceScrollBar_);
    layout->addLayout(valueRow);
    layout->addWidget(values);
    setFixedWidth(kFormWidth);

    connect(funcComboBox_, &QComboBox::currentIndexChanged, this, [this] {
        SetupTrace();
        UpdateTraceReadout();
    });
    connect(traceScrollBar_, &QScrollBar::valueChanged, this, [this] { UpdateTraceReadout(); });
}

void TraceWindow::Execute(TraceTarget& target, int selected, Notation notation) {
    target_ = &target;
    notation_ = notation;
    Activate(selected);
    target.ListenToClicks([this](int px, int py) { GoToPixel(px, py); });
    // Not modal, so that the plot hears clicks; the call returns when the window closes.
    setModal(false);
    show();
    QEventLoop loop;
    const QPointer<TraceWindow> self(this);
    connect(this, &QDialog::finished, &loop, &QEventLoop::quit);
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    loop.exec();
    if (self == nullptr) return;
    target.ListenToClicks({});
    HidePointer();
    target_ = nullptr;
}

void TraceWindow::GoToValue() {
    const Graph* graph = ChosenGraph();
    if (graph == nullptr || !traceScrollBar_->isEnabled()) return;
    long double value = 0;
    const std::string refused =
        CheckTangentValue(ReadNumberText(FieldText(valueEdit_->text()), notation_), value);
    if (!refused.empty()) {
        if (messages_ != nullptr) messages_->Error(FromRecordText(refused));
        valueEdit_->setFocus();
        return;
    }
    const int p =
        NearestTracePoint(*graph, target_->Doc()->Shown(), traceScrollBar_->maximum(), value);
    if (p > 0) traceScrollBar_->setValue(p);
}

void TraceWindow::GoToPixel(int px, int py) {
    const Graph* graph = ChosenGraph();
    if (graph == nullptr || !traceScrollBar_->isEnabled()) return;
    const int p = NearestTracePixel(*graph, *target_->Doc(), traceScrollBar_->maximum(), px, py);
    if (p > 0) traceScrollBar_->setValue(p);
}

void TraceWindow::Resampled() {
    const long double at = shownArgument_;
    SetupTrace();
    const Graph* graph = ChosenGraph();
    if (graph != nullptr && traceScrollBar_->isEnabled() && std::isfinite(at)) {
        const int p =
            NearestTracePoint(*graph, target_->Doc()->Shown(), traceScrollBar_->maximum(), at);
        const QSignalBlocker blocker(traceScrollBar_);
        if (p > 0) traceScrollBar_->setValue(p);
    }
    UpdateTraceReadout();
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
    // While a pass samples, workers are writing the values.
    if (document == nullptr || document->Drawing || index < 0) return nullptr;
    const auto& graphs = document->Graphs();
    return static_cast<std::size_t>(index) < graphs.size() ? graphs[index].get() : nullptr;
}

void TraceWindow::SetupTrace() {
    const Graph* graph = ChosenGraph();
    TraceSetup setup;
    if (graph != nullptr) setup = plotwise::SetupTrace(*graph, target_->Doc()->Shown());
    xLabel_->setText(FromRecordText(setup.message));
    valueLabel_->setText(QString::fromStdString(
        TraceArgumentName(graph != nullptr ? graph->Record().Kind : 0) + "="));
    valueEdit_->setEnabled(setup.enabled);
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
    shownArgument_ = std::numeric_limits<long double>::quiet_NaN();
    HidePointer();
}

void TraceWindow::UpdateTraceReadout() {
    const Graph* graph = ChosenGraph();
    if (!traceScrollBar_->isEnabled() || graph == nullptr) return;
    const TracedPoint point = TracePoint(*graph, target_->Doc()->Shown(), traceScrollBar_->value());
    const TraceTexts readout = TraceReadout(graph->Record().Kind, point);
    shownArgument_ = TraceArgument(graph->Record().Kind, point);
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
