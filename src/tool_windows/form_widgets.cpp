#include "tool_windows/form_widgets.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "plot/document_file.h"
#include "plot/graph_entry_text.h"
#include "plot/record_text.h"
#include "plot/safe_file.h"
#include "services/file_dialogs.h"
#include "services/messages.h"

namespace plotwise {

namespace {

constexpr int kFormulaMaxLength = 255;
constexpr int kNumberEditWidth = 130;
constexpr char kReportFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

// Every line ends in CR LF, the last one too.
std::string ReportText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

// Enter on a box whose whole text is selected (as focus leaves a formula put back when a
// window opens) would take the list's stale inline completion in place of the text, and
// swallow the key; a real inline completion never selects the typed part, so this keeps it.
class KeepSelectedFormula final : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* box = qobject_cast<QComboBox*>(watched);
        QLineEdit* edit = box != nullptr ? box->lineEdit() : nullptr;
        if (edit != nullptr && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && !edit->text().isEmpty() &&
                edit->selectedText() == edit->text())
                edit->deselect();
        }
        return false;
    }
};

}  // namespace

QComboBox* NewFormulaComboBox(const char* name, int minimumWidth, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    // Enter runs the window's action; it must not add the typed formula to the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->lineEdit()->setMaxLength(kFormulaMaxLength);
    box->installEventFilter(new KeepSelectedFormula(box));  // the box has the focus, not its edit
    box->setMinimumWidth(minimumWidth);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

QLineEdit* NewNumberEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(kNumberEditWidth);
    return edit;
}

QHBoxLayout* NewButtonRow(QDialog* dialog, QPushButton* action) {
    auto* cancel = new QPushButton("Cancel", dialog);
    cancel->setObjectName("CancelButton");
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(action);
    row->addWidget(cancel);
    return row;
}

void FillGraphList(QComboBox* box, const std::vector<GraphRecord>& graphs, int selected) {
    const QSignalBlocker quiet(box);
    box->clear();
    for (const GraphRecord& graph : graphs)
        box->addItem(FromRecordText(GraphEntryText(graph)));
    const bool inRange = selected >= 0 && static_cast<std::size_t>(selected) < graphs.size();
    box->setCurrentIndex(inRange ? selected : (graphs.empty() ? -1 : 0));
}

QTableWidget* NewResultsGrid(const char* name, const QStringList& headers, QWidget* parent) {
    auto* grid = new QTableWidget(1, static_cast<int>(headers.size()), parent);
    grid->setObjectName(name);
    grid->setHorizontalHeaderLabels(headers);
    grid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grid->verticalHeader()->hide();
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::SingleSelection);
    grid->verticalHeader()->setDefaultSectionSize(grid->fontMetrics().height() + 6);
    return grid;
}

void SetGridCell(QTableWidget* grid, int row, int column, const std::string& text) {
    grid->setItem(row, column, new QTableWidgetItem(FromRecordText(text)));
}

QPushButton* NewPlainButton(const char* text, const char* name, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

void CopyReport(const std::vector<std::string>& lines, Messages& messages) {
    const QString text = FromRecordText(ReportText(lines));
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard != nullptr) clipboard->setText(text);
    if (clipboard == nullptr || clipboard->text() != text) messages.Error("Copy error");
}

void SaveReport(const std::vector<std::string>& lines, const QString& title, FileDialogs& dialogs,
                Messages& messages) {
    const QString path = dialogs.SaveFileName(title, QString(), kReportFilter, "txt");
    if (path.isEmpty()) return;
    const std::string text = ReportText(lines);
    if (!ReplaceFile(path.toStdString(), std::vector<unsigned char>(text.begin(), text.end())))
        messages.Error(kInputOutputError);
}

}  // namespace plotwise
