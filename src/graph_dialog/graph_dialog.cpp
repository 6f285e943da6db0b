#include "graph_dialog/graph_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "graph_dialog/style_group.h"
#include "graph_dialog/table_grid.h"
#include "plot/record_text.h"
#include "services/field_text.h"
#include "services/help_context.h"

namespace plotwise {
namespace {

constexpr int kFormulaMaxLength = 250;
constexpr int kNumberEditWidth = 130;

QLineEdit* NewFormulaEdit(const char* name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setMaxLength(kFormulaMaxLength);
    return edit;
}

QLineEdit* NewNumberEdit(const QString& name, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setFixedWidth(kNumberEditWidth);
    return edit;
}

QCheckBox* NewCheckBox(const char* text, const QString& name, QWidget* parent) {
    auto* box = new QCheckBox(text, parent);
    box->setObjectName(name);
    return box;
}

// A framed group: its caption (a check box that switches the fields on and off, or a
// label) above its fields, which are indented under it.
QGroupBox* NewFieldGroup(QWidget* caption, QWidget* fields, QWidget* parent) {
    auto* group = new QGroupBox(parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(caption);
    layout->addWidget(fields);
    return group;
}

QFormLayout* NewFieldsLayout(QWidget* fields) {
    auto* form = new QFormLayout(fields);
    form->setContentsMargins(20, 0, 0, 0);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    return form;
}

// The fields of all groups of a page start at one column.
void AlignFieldColumns(QWidget* page) {
    QList<QWidget*> labels;
    int width = 0;
    for (QFormLayout* form : page->findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            QLayoutItem* item = form->itemAt(row, QFormLayout::LabelRole);
            if (item == nullptr || item->widget() == nullptr) continue;
            labels << item->widget();
            width = std::max(width, item->widget()->sizeHint().width());
        }
    }
    for (QWidget* label : labels)
        label->setMinimumWidth(width);
}

QWidget* NewPage(QWidget* parent) {
    auto* page = new QWidget(parent);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    return page;
}

void SetText(QLineEdit* edit, const std::string& text) {
    if (edit != nullptr) edit->setText(FromFieldText(text));
}

// A document may hold a formula longer than one can type: it is shown whole, or OK would
// store it cut short.
void SetFormulaText(QLineEdit* edit, const std::string& text) {
    if (edit == nullptr) return;
    edit->setMaxLength(std::max(kFormulaMaxLength, static_cast<int>(text.size())));
    SetText(edit, text);
}

// UTF-8: everyday notation has signs beyond Latin-1; what OK stores is in the formula
// language, which is ASCII.
std::string TextOf(const QLineEdit* edit) {
    return edit != nullptr ? FieldText(edit->text()) : std::string();
}

}  // namespace

GraphDialog::GraphDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Graph Properties");
    SetHelpContext(this, 207);
    Record = EmptyGraphRecord();
    ShowError = [this](const QString& text) {
        QString shown = text;
        QMessageBox::critical(this, "Error", shown.replace('\r', '\n'));
    };

    tabs_ = new QTabWidget(this);
    propertiesPage_ = CreatePropertiesPage();
    addPropertiesPage_ = CreateAddPropertiesPage();
    tabs_->addTab(propertiesPage_, "Properties");
    tabs_->addTab(addPropertiesPage_, "Add. Properties");

    okButton_ = new QPushButton("OK", this);
    okButton_->setObjectName("OKButton");
    okButton_->setDefault(true);
    cancelButton_ = new QPushButton("Cancel", this);
    cancelButton_->setObjectName("CancelButton");
    connect(okButton_, &QPushButton::clicked, this, &GraphDialog::OnOK);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    ShowRecord(Record, options_);
}

GraphDialog::~GraphDialog() = default;

QWidget* GraphDialog::CreatePropertiesPage() {
    auto* page = new QWidget;
    funcStyle_ = new QComboBox(page);
    funcStyle_->setObjectName("FuncStyleComboBox");
    for (const char* name : kKindNames)
        funcStyle_->addItem(name);
    connect(funcStyle_, &QComboBox::activated, this, &GraphDialog::OnKindChosen);

    formulaGroup_ = new QGroupBox("Formula", page);
    auto* formulas = new QVBoxLayout(formulaGroup_);
    auto addRow = [this, formulas](int kind) {
        auto* row = new QWidget(formulaGroup_);
        auto* grid = new QGridLayout(row);
        grid->setContentsMargins(0, 0, 0, 0);
        formulaRows_[kind] = row;
        formulas->addWidget(row);
        return grid;
    };
    auto label = [this](const char* text, QWidget* buddy) {
        auto* l = new QLabel(text, formulaGroup_);
        l->setBuddy(buddy);
        return l;
    };
    auto oneFormula = [&](int kind, const char* caption, const char* name) {
        QGridLayout* grid = addRow(kind);
        QLineEdit* edit = NewFormulaEdit(name, formulaGroup_);
        grid->addWidget(label(caption, edit), 0, 0);
        grid->addWidget(edit, 0, 1);
        grid->setColumnStretch(1, 1);
        return edit;
    };
    yFromX_ = oneFormula(kYOfX, "Y(x)=", "FormulaYFromXEdit");
    xFromY_ = oneFormula(kXOfY, "X(y)=", "FormulaXFromYEdit");
    polar_ = oneFormula(kPolarGraph, "R(a)=", "FormulaPolarEdit");

    QGridLayout* param = addRow(kParametric);
    paramX_ = NewFormulaEdit("FormulaParamXEdit", formulaGroup_);
    paramY_ = NewFormulaEdit("FormulaParamYEdit", formulaGroup_);
    param->addWidget(label("X(t)=", paramX_), 0, 0);
    param->addWidget(paramX_, 0, 1);
    param->addWidget(label("Y(t)=", paramY_), 1, 0);
    param->addWidget(paramY_, 1, 1);
    param->setColumnStretch(1, 1);

    // Read as a chain: the formula, which is f(x,y), compared with 0.
    QGridLayout* eq = addRow(kEquation);
    equation_ = NewFormulaEdit("FormulaEquationEdit", formulaGroup_);
    equationRelation_ = new QComboBox(formulaGroup_);
    equationRelation_->setObjectName("EquationComboBox");
    equationRelation_->addItems({"=0", "<0", ">0"});
    eq->addWidget(label("=", equation_), 0, 0);
    eq->addWidget(equation_, 0, 1);
    eq->addWidget(label("=f(x,y)", equation_), 0, 2);
    eq->addWidget(equationRelation_, 0, 3);
    eq->setColumnStretch(1, 1);
    connect(equationRelation_, &QComboBox::currentIndexChanged, this,
            &GraphDialog::ApplyStyleLayout);

    QGridLayout* dif = addRow(kSlopeField);
    difField_ = NewFormulaEdit("FormulaDifFieldEdit", formulaGroup_);
    difFieldRelation_ = new QComboBox(formulaGroup_);
    difFieldRelation_->setObjectName("DifFieldComboBox");
    difFieldRelation_->addItems({"dy/dx", "dx/dy"});
    dif->addWidget(difFieldRelation_, 0, 0);
    dif->addWidget(label("=", difField_), 0, 1);
    dif->addWidget(difField_, 0, 2);
    dif->setColumnStretch(2, 1);

    grid_ = new TableGrid(page);
    grid_->setObjectName("NumTableGrid");
    connect(grid_, &TableGrid::EscPressed, this, &QDialog::reject);

    style_ = new StyleGroup(page);
    drawGraphic_ = NewCheckBox("Graph", "DrawGraphicCheckBox", page);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(funcStyle_);
    layout->addWidget(formulaGroup_);
    layout->addWidget(grid_);
    layout->addWidget(style_);
    layout->addWidget(drawGraphic_);
    layout->addStretch();
    // As tall as with the grid for every kind, so that the dialog keeps its size.
    formulaGroup_->hide();
    layout->invalidate();
    page->setMinimumHeight(page->sizeHint().height());
    return page;
}

QWidget* GraphDialog::CreateIntervalKindPage(bool polarOrParam) {
    AddEdits& edits = polarOrParam ? atEdits_ : xyEdits_;
    QWidget* page = NewPage(nullptr);
    auto* interval = new QWidget(page);
    QFormLayout* form = NewFieldsLayout(interval);
    QWidget* caption = nullptr;
    if (polarOrParam) {
        // Polar and parametric graphs always sample their own interval: no check box.
        caption = new QLabel("Interval", page);
        edits.min = NewNumberEdit("MinATEdit", interval);
        edits.max = NewNumberEdit("MaxATEdit", interval);
        minATLabel_ = new QLabel("Minimum of A", interval);
        maxATLabel_ = new QLabel("Maximum of A", interval);
        QLineEdit* fields[] = {edits.min, edits.max};
        QLabel* labels[] = {minATLabel_, maxATLabel_};
        for (int i = 0; i < 2; ++i) {
            auto* field = new QHBoxLayout;
            field->addWidget(fields[i]);
            piLabels_[i] = new QLabel("Pi", interval);
            field->addWidget(piLabels_[i]);
            field->addStretch();
            form->addRow(labels[i], field);
        }
    } else {
        edits.intervalCheck = NewCheckBox("Interval", "IntervalsCheckBoxXY", page);
        edits.intervalFields = interval;
        caption = edits.intervalCheck;
        edits.min = NewNumberEdit("MinXYEdit", interval);
        edits.max = NewNumberEdit("MaxXYEdit", interval);
        minXYLabel_ = new QLabel("Minimum of X", interval);
        maxXYLabel_ = new QLabel("Maximum of X", interval);
        form->addRow(minXYLabel_, edits.min);
        form->addRow(maxXYLabel_, edits.max);
        connect(edits.intervalCheck, &QCheckBox::clicked, this, &GraphDialog::OnIntervalClicked);
    }
    page->layout()->addWidget(NewFieldGroup(caption, interval, page));

    const QString suffix = polarOrParam ? "AT" : "XY";
    edits.stepsCheck = NewCheckBox("Plot Parameters", "BuildCheckBox" + suffix, page);
    edits.stepsFields = new QWidget(page);
    edits.steps = NewNumberEdit("StepsNumEdit" + suffix, edits.stepsFields);
    edits.maxGap = NewNumberEdit("MaxGapEdit" + suffix, edits.stepsFields);
    QFormLayout* steps = NewFieldsLayout(edits.stepsFields);
    steps->addRow("Number of Steps", edits.steps);
    steps->addRow("Maximum Gap", edits.maxGap);
    connect(edits.stepsCheck, &QCheckBox::clicked, this, &GraphDialog::OnStepsClicked);
    page->layout()->addWidget(NewFieldGroup(edits.stepsCheck, edits.stepsFields, page));
    return page;
}

QWidget* GraphDialog::CreateAreaKindPage(int kind) {
    const bool eq = kind == kEquation;
    AddEdits& edits = eq ? equationEdits_ : difFieldEdits_;
    auto name = [eq](const char* base) { return QString(base) + (eq ? "Eq" : "DF"); };
    QWidget* page = NewPage(nullptr);

    edits.intervalCheck = NewCheckBox("Intervals", name("IntervalsCheckBox"), page);
    edits.intervalFields = new QWidget(page);
    edits.min = NewNumberEdit(name("MinXEdit"), edits.intervalFields);
    edits.max = NewNumberEdit(name("MaxXEdit"), edits.intervalFields);
    edits.minY = NewNumberEdit(name("MinYEdit"), edits.intervalFields);
    edits.maxY = NewNumberEdit(name("MaxYEdit"), edits.intervalFields);
    QFormLayout* intervals = NewFieldsLayout(edits.intervalFields);
    intervals->addRow("Minimum of X", edits.min);
    intervals->addRow("Maximum of X", edits.max);
    intervals->addRow("Minimum of Y", edits.minY);
    intervals->addRow("Maximum of Y", edits.maxY);
    page->layout()->addWidget(NewFieldGroup(edits.intervalCheck, edits.intervalFields, page));
    connect(edits.intervalCheck, &QCheckBox::clicked, this, &GraphDialog::OnIntervalClicked);

    // Kinds 4 and 5 always sample with their own steps: no check box.
    auto* steps = new QWidget(page);
    QFormLayout* form = NewFieldsLayout(steps);
    edits.steps = NewNumberEdit(name("StepsNumXEdit"), steps);
    edits.stepsY = NewNumberEdit(name("StepsNumYEdit"), steps);
    if (eq) {
        edits.maxGap = NewNumberEdit(name("MaxGapEdit"), steps);
        form->addRow("Number of Steps on Hor.", edits.steps);
        form->addRow("Number of Steps on Vert.", edits.stepsY);
        form->addRow("Maximum Gap", edits.maxGap);
    } else {
        edits.linesLength = new QSpinBox(steps);
        edits.linesLength->setObjectName("LinesLengthEditDF");
        // Wider than the accepted 4..100, so that OK names a wrong length rather than the
        // box quietly putting back the last good one.
        edits.linesLength->setRange(1, 999);
        edits.linesLength->setFixedWidth(kNumberEditWidth);
        edits.linesLength->installEventFilter(this);
        form->addRow("Number of Hor. Serieses", edits.steps);
        form->addRow("Number of Vert. Serieses", edits.stepsY);
        form->addRow("Line Length", edits.linesLength);
    }
    page->layout()->addWidget(NewFieldGroup(new QLabel("Plot Parameters", page), steps, page));
    return page;
}

QWidget* GraphDialog::CreateAddPropertiesPage() {
    auto* page = new QWidget;
    addArea_ = new QStackedWidget(page);
    xyPage_ = CreateIntervalKindPage(false);
    atPage_ = CreateIntervalKindPage(true);
    equationPage_ = CreateAreaKindPage(kEquation);
    difFieldPage_ = CreateAreaKindPage(kSlopeField);

    sortPage_ = NewPage(nullptr);
    auto* sortGroup = new QGroupBox("Type of Sorting ", sortPage_);
    auto* sorts = new QVBoxLayout(sortGroup);
    // Listed as the user reads them; indexed by SortType.
    const struct {
        int sortType;
        const char* text;
        const char* name;
    } buttons[] = {{2, "None", "SortNoneRadioButton"},
                   {0, "On X", "SortOnXRadioButton"},
                   {1, "On Y", "SortOnYRadioButton"}};
    for (const auto& b : buttons) {
        sortButtons_[b.sortType] = new QRadioButton(b.text, sortGroup);
        sortButtons_[b.sortType]->setObjectName(b.name);
        sorts->addWidget(sortButtons_[b.sortType]);
    }
    sortPage_->layout()->addWidget(sortGroup);

    noAddPage_ = new QWidget;
    for (QWidget* w : {xyPage_, atPage_, equationPage_, difFieldPage_, sortPage_, noAddPage_}) {
        if (auto* box = qobject_cast<QVBoxLayout*>(w->layout())) box->addStretch();
        addArea_->addWidget(w);
        AlignFieldColumns(w);
    }
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(addArea_);
    return page;
}

QLineEdit* GraphDialog::FormulaEditOf(int kind) const {
    switch (kind) {
        case kYOfX:
            return yFromX_;
        case kXOfY:
            return xFromY_;
        case kPolarGraph:
            return polar_;
        case kParametric:
            return paramX_;
        case kEquation:
            return equation_;
        case kSlopeField:
            return difField_;
        default:
            return nullptr;
    }
}

const GraphDialog::AddEdits* GraphDialog::AddEditsOf(int kind) const {
    switch (kind) {
        case kYOfX:
        case kXOfY:
            return &xyEdits_;
        case kPolarGraph:
        case kParametric:
            return &atEdits_;
        case kEquation:
            return &equationEdits_;
        case kSlopeField:
            return &difFieldEdits_;
        default:
            return nullptr;
    }
}

void GraphDialog::ShowRecord(const GraphRecord& props, const OptionsRecord& options) {
    Record = props;
    options_ = options;
    ShowFields(FieldsFromProps(Record, options_));
}

void GraphDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (tabs_->currentIndex() != static_cast<int>(GraphPage::Properties)) return;
    if (QLineEdit* edit = FormulaEditOf(funcStyle_->currentIndex()); edit != nullptr) {
        edit->setFocus();
        edit->selectAll();
    }
}

void GraphDialog::ShowPage(GraphPage page) {
    tabs_->setCurrentIndex(static_cast<int>(page));
}

void GraphDialog::SetDefaultsMode(bool on) {
    if (on == defaultsMode_) return;
    defaultsMode_ = on;
    if (on) pageBeforeDefaults_ = static_cast<GraphPage>(tabs_->currentIndex());
    tabs_->setTabVisible(static_cast<int>(GraphPage::Properties), !on);
    ShowPage(on ? GraphPage::AddProperties : pageBeforeDefaults_);
}

void GraphDialog::ShowKindControls(int kind) {
    formulaGroup_->setVisible(kind >= kYOfX && kind <= kSlopeField);
    grid_->setVisible(kind == kTable);
    for (int k = kYOfX; k < kTable; ++k)
        formulaRows_[k]->setVisible(k == kind);

    QWidget* addPages[] = {xyPage_,       xyPage_,       atPage_,  atPage_,
                           equationPage_, difFieldPage_, sortPage_};
    addArea_->setCurrentWidget(kind >= kYOfX && kind <= kTable ? addPages[kind] : noAddPage_);
    const QString letter(QChar(KindVariable(kind)));
    for (QLabel* l : {minXYLabel_, minATLabel_})
        l->setText("Minimum of " + letter);
    for (QLabel* l : {maxXYLabel_, maxATLabel_})
        l->setText("Maximum of " + letter);
    for (QLabel* pi : piLabels_)
        pi->setVisible(kind == kPolarGraph);
}

void GraphDialog::ShowFields(const GraphFields& f) {
    const int kind = f.Kind;
    funcStyle_->setCurrentIndex(kind >= kYOfX && kind <= kTable ? kind : -1);
    ShowKindControls(kind);
    SetFormulaText(FormulaEditOf(kind), f.Formula);
    SetFormulaText(paramY_, f.FormulaY);
    if (kind == kEquation) equationRelation_->setCurrentIndex(std::clamp(f.Relation, 0, 2));
    if (kind == kSlopeField) difFieldRelation_->setCurrentIndex(std::clamp(f.Relation, 0, 1));
    for (int row = 0; row < kTableRows; ++row) {
        for (int column = 0; column < 2; ++column)
            grid_->SetCellText(row, column, FromFieldText(f.Table[row][column]));
    }

    if (const AddEdits* e = AddEditsOf(kind)) {
        if (e->intervalCheck != nullptr) e->intervalCheck->setChecked(f.IntervalChecked);
        if (e->stepsCheck != nullptr) e->stepsCheck->setChecked(f.StepsChecked);
        SetText(e->min, f.Min);
        SetText(e->max, f.Max);
        SetText(e->minY, f.MinY);
        SetText(e->maxY, f.MaxY);
        SetText(e->steps, f.Steps);
        SetText(e->stepsY, f.StepsY);
        SetText(e->maxGap, f.MaxGap);
        if (e->linesLength != nullptr) {
            e->linesLength->setValue(FromRecordText(f.LinesLength).toInt());
        }
    }
    if (kind == kTable) sortButtons_[std::clamp(f.SortType, 0, 2)]->setChecked(true);

    style_->SetStyle(f.Style);
    drawGraphic_->setChecked(f.DrawGraphic);
    carriedFormula_ = f.CarriedFormula;
    UpdateEnabledFields();
    ApplyStyleLayout();
}

GraphFields GraphDialog::ReadFields() const {
    GraphFields f;
    f.Kind = Record.Kind;
    f.Formula = TextOf(FormulaEditOf(f.Kind));
    f.FormulaY = TextOf(paramY_);
    if (f.Kind == kEquation) f.Relation = std::max(equationRelation_->currentIndex(), 0);
    if (f.Kind == kSlopeField) f.Relation = std::max(difFieldRelation_->currentIndex(), 0);
    for (int row = 0; row < kTableRows; ++row) {
        for (int column = 0; column < 2; ++column)
            f.Table[row][column] = FieldText(grid_->CellText(row, column));
    }
    if (const AddEdits* e = AddEditsOf(f.Kind)) {
        f.IntervalChecked = e->intervalCheck != nullptr && e->intervalCheck->isChecked();
        f.StepsChecked = e->stepsCheck != nullptr && e->stepsCheck->isChecked();
        f.Min = TextOf(e->min);
        f.Max = TextOf(e->max);
        f.MinY = TextOf(e->minY);
        f.MaxY = TextOf(e->maxY);
        f.Steps = TextOf(e->steps);
        f.StepsY = TextOf(e->stepsY);
        f.MaxGap = TextOf(e->maxGap);
        // The typed text, so that a number below the range is reported rather than raised.
        if (e->linesLength != nullptr) f.LinesLength = ToRecordText(e->linesLength->cleanText());
    }
    for (int type = 0; type < 3; ++type) {
        if (sortButtons_[type]->isChecked()) f.SortType = type;
    }
    f.Style = style_->Style();
    f.DrawGraphic = drawGraphic_->isChecked();
    f.CarriedFormula = carriedFormula_;
    return f;
}

void GraphDialog::UpdateEnabledFields() {
    for (const AddEdits* e : {&xyEdits_, &atEdits_, &equationEdits_, &difFieldEdits_}) {
        if (e->intervalCheck != nullptr) {
            e->intervalFields->setEnabled(e->intervalCheck->isChecked());
        }
        if (e->stepsCheck != nullptr) e->stepsFields->setEnabled(e->stepsCheck->isChecked());
    }
}

void GraphDialog::ApplyStyleLayout() {
    style_->ApplyLayout(StyleLayoutFor(Record.Kind, equationRelation_->currentIndex()));
}

void GraphDialog::OnKindChosen(int index) {
    if (index < 0 || index == Record.Kind) return;
    GraphFields fields = ReadFields();
    ChangeKind(fields, Record, index, options_);
    ShowFields(fields);
}

void GraphDialog::OnIntervalClicked(bool checked) {
    if (!checked) {
        GraphFields fields = ReadFields();
        UncheckInterval(fields, options_);
        const AddEdits* e = AddEditsOf(fields.Kind);
        SetText(e->min, fields.Min);
        SetText(e->max, fields.Max);
        SetText(e->minY, fields.MinY);
        SetText(e->maxY, fields.MaxY);
    }
    UpdateEnabledFields();
}

void GraphDialog::OnStepsClicked(bool checked) {
    if (!checked) {
        GraphFields fields = ReadFields();
        UncheckSteps(fields, options_);
        const AddEdits* e = AddEditsOf(fields.Kind);
        SetText(e->steps, fields.Steps);
        SetText(e->maxGap, fields.MaxGap);
    }
    UpdateEnabledFields();
}

QWidget* GraphDialog::FieldWidget(const GraphFieldFailure& failure) const {
    const int kind = Record.Kind;
    const AddEdits* e = AddEditsOf(kind);
    switch (failure.Field) {
        case GraphField::Formula:
            return FormulaEditOf(kind);
        case GraphField::FormulaY:
            return paramY_;
        case GraphField::Table:
            return grid_;
        case GraphField::Min:
            return e->min;
        case GraphField::Max:
            return e->max;
        case GraphField::MinY:
            return e->minY;
        case GraphField::MaxY:
            return e->maxY;
        case GraphField::Steps:
            return e->steps;
        case GraphField::StepsY:
            return e->stepsY;
        case GraphField::MaxGap:
            return e->maxGap;
        case GraphField::LinesLength:
            return e->linesLength;
    }
    return nullptr;
}

void GraphDialog::OnOK() {
    GraphFields fields = ReadFields();
    std::optional<GraphFieldFailure> failure = ReadNotation(fields, notation_);
    if (!failure) failure = CheckFields(fields);
    if (failure) {
        const std::string& formula =
            failure->Field == GraphField::FormulaY ? fields.FormulaY : fields.Formula;
        ShowError(FieldMessage(failure->Message, formula, failure->Spot));
        ShowPage(failure->Page);
        if (failure->Field == GraphField::Table) {
            grid_->setCurrentCell(failure->Row, failure->Column);
        }
        QWidget* field = FieldWidget(*failure);
        if (auto* edit = qobject_cast<QLineEdit*>(field); edit != nullptr && failure->Spot)
            FocusSpot(edit, failure->Spot);
        else if (field != nullptr)
            field->setFocus();
        return;
    }
    StoreFields(fields, Record);
    accept();
}

bool GraphDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == difFieldEdits_.linesLength && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(event)->key()) {
            case Qt::Key_Return:
            case Qt::Key_Enter:
                OnOK();
                return true;
            case Qt::Key_Escape:
                reject();
                return true;
            default:
                break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace plotwise
