// GraphDialog: the modal dialog in which the user sets everything about one graph: its
// kind, formulas, style, and the interval, sampling or table data of the kind.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "graph_dialog/graph_fields.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;

namespace plotwise {

class TableGrid;
class StyleGroup;

// The kind chooser's items, indexed by kind.
inline constexpr const char* kKindNames[] = {"Y(x)",
                                             "X(y)",
                                             "R(a) - polar coordinate system",
                                             "X(t) and Y(t) - parametrical equations",
                                             "f(x,y)>|=|<0 - equation or inequality",
                                             "dy/dx or dx/dy - slope field",
                                             "Table"};

class GraphDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit GraphDialog(QWidget* parent = nullptr);
    ~GraphDialog() override;

    // The working record; valid for the caller once the dialog closed with OK.
    GraphRecord Record;

    // Fills the dialog from a record. options: the document's visible ranges, steps and
    // standard blocks, which the default-interval fields and a kind change use.
    void ShowRecord(const GraphRecord& props, const OptionsRecord& options);
    void ShowPage(GraphPage page);
    // Only the "Add. Properties" page, for editing the standard blocks of a kind; switching
    // back shows the page that was current before.
    void SetDefaultsMode(bool on);

    // How the formula and number fields read what is typed; the formula language alone
    // unless set.
    void SetNotation(Notation notation) { notation_ = notation; }

    // Shows a rejected field's message ("\r" is a line break); a message box by default.
    std::function<void(const QString&)> ShowError;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // On the Properties page the formula field has the focus, so typing starts at once.
    void showEvent(QShowEvent* event) override;

  private:
    // The Add. Properties controls of one kind; null where the kind has none.
    struct AddEdits {
        QCheckBox* intervalCheck = nullptr;
        QCheckBox* stepsCheck = nullptr;
        QWidget* intervalFields = nullptr;
        QWidget* stepsFields = nullptr;
        QLineEdit* min = nullptr;
        QLineEdit* max = nullptr;
        QLineEdit* minY = nullptr;
        QLineEdit* maxY = nullptr;
        QLineEdit* steps = nullptr;
        QLineEdit* stepsY = nullptr;
        QLineEdit* maxGap = nullptr;
        QSpinBox* linesLength = nullptr;
    };

    QWidget* CreatePropertiesPage();
    QWidget* CreateAddPropertiesPage();
    QWidget* CreateIntervalKindPage(bool polarOrParam);
    QWidget* CreateAreaKindPage(int kind);

    QLineEdit* FormulaEditOf(int kind) const;
    const AddEdits* AddEditsOf(int kind) const;
    QWidget* FieldWidget(const GraphFieldFailure& failure) const;

    GraphFields ReadFields() const;
    void ShowFields(const GraphFields& fields);
    void ShowKindControls(int kind);
    void UpdateEnabledFields();
    void ApplyStyleLayout();

    void OnKindChosen(int index);
    void OnIntervalClicked(bool checked);
    void OnStepsClicked(bool checked);
    void OnOK();

    OptionsRecord options_{};
    Notation notation_ = Notation::Strict;
    std::string carriedFormula_;
    bool defaultsMode_ = false;
    GraphPage pageBeforeDefaults_ = GraphPage::Properties;

    QTabWidget* tabs_;
    QWidget* propertiesPage_;
    QWidget* addPropertiesPage_;

    QComboBox* funcStyle_;
    // The Add. Properties pages, one per group of kinds and one without any controls.
    QStackedWidget* addArea_;
    QWidget* noAddPage_;
    QGroupBox* formulaGroup_;
    QWidget* formulaRows_[kTable] = {};  // the formula controls of kinds 0 to 5
    QLineEdit* yFromX_;
    QLineEdit* xFromY_;
    QLineEdit* polar_;
    QLineEdit* paramX_;
    QLineEdit* paramY_;
    QLineEdit* equation_;
    QLineEdit* difField_;
    QComboBox* equationRelation_;
    QComboBox* difFieldRelation_;
    TableGrid* grid_;
    StyleGroup* style_;
    QCheckBox* drawGraphic_;

    QWidget* xyPage_;
    QWidget* atPage_;
    QLabel* minXYLabel_;
    QLabel* maxXYLabel_;
    QLabel* minATLabel_;
    QLabel* maxATLabel_;
    QLabel* piLabels_[2];
    QWidget* equationPage_;
    QWidget* difFieldPage_;
    QWidget* sortPage_;
    QRadioButton* sortButtons_[3];  // SortType 0 (On X), 1 (On Y), 2 (None)
    AddEdits xyEdits_;
    AddEdits atEdits_;
    AddEdits equationEdits_;
    AddEdits difFieldEdits_;

    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

}  // namespace plotwise
