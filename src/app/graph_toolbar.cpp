#include "app/graph_toolbar.h"

#include <QComboBox>
#include <QEvent>

#include "graph_dialog/graph_fields.h"
#include "plot/graph_entry_text.h"
#include "widgets/style_choosers.h"

namespace plotwise {

namespace {

template <typename Box>
Box* Chooser(QWidget* parent, int width, const char* shortHint, const char* hint) {
    auto* box = new Box(parent);
    box->setFixedWidth(width);
    box->setToolTip(shortHint);
    box->setStatusTip(hint);
    box->setEnabled(false);
    box->setFocusPolicy(Qt::NoFocus);  // a toolbar takes no keyboard focus from the document
    return box;
}

QString EntryText(const GraphRecord& record) {
    return QString::fromLatin1(GraphEntryText(record));
}

}  // namespace

GraphToolbar::GraphToolbar(QWidget* parent, const std::function<QAction*(Command)>& actionOf)
    : QToolBar("Graph", parent), actionOf_(actionOf) {
    setObjectName("GraphsToolbar");
    setAllowedAreas(Qt::TopToolBarArea | Qt::BottomToolBarArea);
    GraphList = Chooser<QComboBox>(this, 162, "Graph list", "List of the existing graphs");
    GraphList->setObjectName("FuncComboBox");
    LineWidthChooser = Chooser<LineWidthComboBox>(this, 80, "Lines thickness",
                                                  "Set thickness of lines of the selected graph");
    ShadingChooser = Chooser<ShadingComboBox>(this, 80, "Style of shading",
                                              "Set style of shading of the selected graph");
    PointSizeChooser = Chooser<PointSizeComboBox>(this, 39, "Points size",
                                                  "Set size of points of the selected graph");
    PointStyleChooser = Chooser<PointStyleComboBox>(this, 39, "Points style",
                                                    "Set style of points of the selected graph");
    ColorChooser =
        Chooser<ColorComboBox>(this, 80, "Graph color", "Set color of the selected graph");

    addWidget(GraphList);
    addSeparator();
    addAction(actionOf(Command::DrawGraphic));
    addAction(actionOf(Command::DrawLines));
    lineWidthComboAction_ = addWidget(LineWidthChooser);
    brushComboAction_ = addWidget(ShadingChooser);
    brushComboAction_->setVisible(false);  // a hidden widget action leaves no gap
    addAction(actionOf(Command::DrawPoints));
    addWidget(PointSizeChooser);
    addWidget(PointStyleChooser);
    addWidget(ColorChooser);
    addSeparator();
    addAction(actionOf(Command::GraphProps));
    addAction(actionOf(Command::OtherProps));
    addSeparator();
    addAction(actionOf(Command::AddGraph));
    addAction(actionOf(Command::DeleteGraph));
    addAction(actionOf(Command::DoubleGraph));
    addSeparator();
    addAction(actionOf(Command::Trace));
    // A wheel turned over a chooser would restyle the graph, a step per notch.
    for (QComboBox* box : std::initializer_list<QComboBox*>{
             LineWidthChooser, ShadingChooser, PointSizeChooser, PointStyleChooser, ColorChooser})
        box->installEventFilter(this);
    ShowStyle(nullptr);
}

GraphToolbar::~GraphToolbar() {
    Follow(nullptr);
}

void GraphToolbar::Follow(Document* document) {
    if (document == document_) return;
    if (document_ != nullptr) document_->RemoveObserver(*this);
    document_ = document;
    if (document_ != nullptr) document_->AddObserver(*this);
    Rebuild();
}

void GraphToolbar::Rebuild() {
    GraphList->clear();
    if (document_ != nullptr) {
        for (const auto& graph : document_->Graphs())
            GraphList->addItem(EntryText(graph->Record()));
    }
    ListChanged(0);
}

int GraphToolbar::SelectedIndex() const {
    return GraphList->currentIndex();
}

Graph* GraphToolbar::SelectedGraph() const {
    const int index = SelectedIndex();
    if (document_ == nullptr || index < 0) return nullptr;
    const auto i = static_cast<std::size_t>(index);
    return i < document_->GraphCount() ? &document_->GraphAt(i) : nullptr;
}

void GraphToolbar::Select(int index) {
    GraphList->setCurrentIndex(std::min(index, GraphList->count() - 1));
    ShowStyle(SelectedGraph() != nullptr ? &SelectedGraph()->Record() : nullptr);
}

void GraphToolbar::ListChanged(int selected) {
    const bool any = GraphList->count() > 0;
    for (int i = 0; i < kCommandCount; ++i) {
        const auto command = static_cast<Command>(i);
        if (InfoOf(command).enabling == Enabling::WithGraph) actionOf_(command)->setEnabled(any);
    }
    SetListEnabled(any);
    Select(any ? std::max(selected, 0) : -1);
}

void GraphToolbar::GraphInserted(std::size_t index) {
    int selected = SelectedIndex();
    GraphList->insertItem(static_cast<int>(index), EntryText(document_->GraphAt(index).Record()));
    if (selected >= static_cast<int>(index)) ++selected;
    ListChanged(selected);
}

void GraphToolbar::GraphRemoved(std::size_t index, const GraphRecord&) {
    int selected = SelectedIndex();
    GraphList->removeItem(static_cast<int>(index));
    if (selected > static_cast<int>(index)) --selected;
    ListChanged(selected);
}

void GraphToolbar::GraphReplaced(std::size_t index, const GraphRecord&) {
    const int selected = SelectedIndex();
    GraphList->setItemText(static_cast<int>(index), EntryText(document_->GraphAt(index).Record()));
    if (static_cast<int>(index) == selected) Select(selected);
}

void GraphToolbar::GraphsReset() {
    Rebuild();
}

void GraphToolbar::DocumentDestroyed() {
    document_ = nullptr;
    Rebuild();
}

bool GraphToolbar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Wheel) return true;
    return QToolBar::eventFilter(watched, event);
}

void GraphToolbar::SetListEnabled(bool on) {
    for (QComboBox* box :
         std::initializer_list<QComboBox*>{GraphList, LineWidthChooser, ShadingChooser,
                                           PointSizeChooser, PointStyleChooser, ColorChooser})
        box->setEnabled(on);
}

void GraphToolbar::ShowShading(bool shading) {
    lineWidthComboAction_->setVisible(!shading);
    brushComboAction_->setVisible(shading);
}

void GraphToolbar::ShowStyle(const GraphRecord* props) {
    if (props == nullptr) {
        PointSizeChooser->setCurrentIndex(0);
        PointStyleChooser->setCurrentIndex(3);
        ColorChooser->setCurrentIndex(2);
        LineWidthChooser->setCurrentIndex(0);
        ShadingChooser->setCurrentIndex(1);
        ShowShading(false);
        return;
    }
    const bool inequality = props->Kind == kEquation && props->Relation() != 0;
    const bool lineless = inequality || props->Kind == kSlopeField;
    for (QAction* action : {actionOf_(Command::DrawLines), actionOf_(Command::DrawPoints)})
        action->setEnabled(!lineless);
    PointSizeChooser->setEnabled(!lineless);
    PointStyleChooser->setEnabled(!lineless);
    ShowShading(inequality);
    actionOf_(Command::DrawLines)->setChecked(props->Lines);
    actionOf_(Command::DrawPoints)->setChecked(props->Points);
    actionOf_(Command::DrawGraphic)->setChecked(props->DrawGraphic);
    const StyleFields style = StyleFieldsOf(*props);
    PointSizeChooser->setCurrentIndex(style.PointWidthItem);
    PointStyleChooser->setCurrentIndex(style.PointStyle);
    ColorChooser->setCurrentIndex(style.Color);
    LineWidthChooser->setCurrentIndex(style.LineWidthItem);
    ShadingChooser->setCurrentIndex(style.Brush);
}

void GraphToolbar::RefillChoosers() {
    for (ScaledComboBox* box : std::initializer_list<ScaledComboBox*>{
             LineWidthChooser, PointSizeChooser, PointStyleChooser, ShadingChooser, ColorChooser})
        box->Refill();
}

}  // namespace plotwise
