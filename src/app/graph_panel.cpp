#include "app/graph_panel.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPixmap>

#include "app/document_window.h"
#include "app/graph_toolbar.h"
#include "app/main_window.h"
#include "draw/style_colors.h"
#include "plot/graph_entry_text.h"

namespace plotwise {

GraphPanel::GraphPanel(QWidget* parent) : QDockWidget("Graphs", parent) {
    setObjectName("GraphPanel");  // its place in the saved layout
    list_ = new QListWidget(this);
    list_->setIconSize(QSize(16, 16));
    list_->installEventFilter(this);
    setWidget(list_);
    connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!filling_ && row >= 0 && OnSelect) OnSelect(row);
    });
    connect(list_, &QListWidget::itemChanged, this, [this](QListWidgetItem* item) {
        if (filling_ || !OnDrawToggle) return;
        const int row = list_->row(item);
        OnDrawToggle(row, item->checkState() == Qt::Checked);
        // The box shows the record, whatever the command made of it.
        FillRow(row);
    });
    // Not itemActivated: some desktops activate on a single click.
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        if (OnOpen) OnOpen(list_->row(item));
    });
}

GraphPanel::~GraphPanel() {
    Follow(nullptr);
}

void GraphPanel::Follow(Document* document) {
    if (document == document_) return;
    if (document_ != nullptr) document_->RemoveObserver(*this);
    document_ = document;
    if (document_ != nullptr) document_->AddObserver(*this);
    Rebuild();
}

void GraphPanel::ShowSelected(int index) {
    if (index >= list_->count()) return;
    filling_ = true;
    list_->setCurrentRow(index);
    filling_ = false;
}

void GraphPanel::Rebuild() {
    filling_ = true;
    list_->clear();
    const std::size_t count = document_ != nullptr ? document_->GraphCount() : 0;
    for (std::size_t i = 0; i < count; ++i) {
        auto* item = new QListWidgetItem(list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
    }
    filling_ = false;
    for (int row = 0; row < list_->count(); ++row)
        FillRow(row);
    if (SelectedIndex) ShowSelected(SelectedIndex());
}

// In place: the row may be the one whose check box is being changed.
void GraphPanel::FillRow(int row) {
    QListWidgetItem* item = list_->item(row);
    if (item == nullptr || document_ == nullptr ||
        static_cast<std::size_t>(row) >= document_->GraphCount())
        return;
    const GraphRecord& record = document_->GraphAt(static_cast<std::size_t>(row)).Record();
    filling_ = true;
    item->setText(QString::fromLatin1(GraphEntryText(record)));
    QPixmap swatch(12, 12);
    swatch.fill(ColorOf(record.Color, Qt::black));
    item->setIcon(QIcon(swatch));
    item->setCheckState(record.DrawGraphic ? Qt::Checked : Qt::Unchecked);
    filling_ = false;
}

void GraphPanel::GraphInserted(std::size_t) {
    Rebuild();
}

void GraphPanel::GraphRemoved(std::size_t, const GraphRecord&) {
    Rebuild();
}

void GraphPanel::GraphReplaced(std::size_t index, const GraphRecord&) {
    FillRow(static_cast<int>(index));
}

void GraphPanel::GraphsReset() {
    Rebuild();
}

void GraphPanel::DocumentDestroyed() {
    document_ = nullptr;
    Rebuild();
}

bool GraphPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress && list_->currentRow() >= 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const std::function<void(int)>* call = key == Qt::Key_Delete ? &OnDelete
                                               : key == Qt::Key_Return || key == Qt::Key_Enter
                                                   ? &OnOpen
                                                   : nullptr;
        if (call != nullptr && *call) {
            (*call)(list_->currentRow());
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

GraphPanel* CreateGraphPanel(MainWindow& window, QMenu& viewMenu) {
    auto* panel = new GraphPanel(&window);
    window.addDockWidget(Qt::RightDockWidgetArea, panel);
    QAction* item = panel->toggleViewAction();
    item->setStatusTip("Hide/Show the list of graphs");
    viewMenu.addAction(item);

    GraphToolbar* bar = window.GraphBar();
    panel->SelectedIndex = [bar] { return bar->SelectedIndex(); };
    QObject::connect(bar->GraphList, &QComboBox::currentIndexChanged, panel,
                     &GraphPanel::ShowSelected);
    panel->OnSelect = [bar](int index) { bar->Select(index); };
    const auto onGraph = [&window, bar](int index, Command command) {
        bar->Select(index);
        if (bar->SelectedIndex() == index) window.RunCommand(command);
    };
    panel->OnOpen = [onGraph](int index) { onGraph(index, Command::GraphProps); };
    panel->OnDelete = [onGraph](int index) { onGraph(index, Command::DeleteGraph); };
    panel->OnDrawToggle = [bar, onGraph](int index, bool on) {
        bar->Select(index);
        const Graph* graph = bar->SelectedGraph();
        if (graph != nullptr && static_cast<bool>(graph->Record().DrawGraphic) != on)
            onGraph(index, Command::DrawGraphic);
    };
    QObject::connect(window.MdiArea(), &QMdiArea::subWindowActivated, panel,
                     [&window, panel](QMdiSubWindow*) {
                         if (DocumentWindow* child = window.ActiveDocument())
                             panel->Follow(&child->Doc());
                         else if (window.Documents().isEmpty())
                             panel->Follow(nullptr);
                     });
    return panel;
}

}  // namespace plotwise
