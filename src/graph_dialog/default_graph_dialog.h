// DefaultGraphDialog: the dialog of the settings a new graph starts with: its kind, its
// style, and each kind's interval, sampling or sorting, all held in a copy of an options
// record.
#pragma once

#include <QDialog>
#include <array>
#include <functional>

#include "formula/everyday_reader.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"

class QCheckBox;
class QComboBox;
class QPushButton;

namespace plotwise {

class StyleGroup;

class DefaultGraphDialog final : public QDialog {
    Q_OBJECT

  public:
    explicit DefaultGraphDialog(QWidget* parent = nullptr);

    // The dialog's copy; only its GraphDefaults block changes. The caller takes it back
    // when the dialog closed with OK.
    OptionsRecord Options;

    // Takes a copy and shows its default kind and style.
    void SetOptions(const OptionsRecord& options);

    // Edits the standard record of one kind (props.Kind); false when cancelled. A
    // graph properties dialog with only its "Add. Properties" page by default.
    std::function<bool(GraphRecord& props, const OptionsRecord& options)> KindEditor;
    // The graph properties dialog's messages; its own message box when empty.
    std::function<void(const QString&)> ShowError;
    // How the kinds' number fields read what is typed (GraphDialog::SetNotation).
    Notation FieldNotation = Notation::Strict;

    // The "Add. Properties" button of a kind.
    QPushButton* KindButton(int kind) const { return kindButtons_[kind]; }

  private:
    void EditKind(int kind);
    void OnOK();

    StyleGroup* style_;
    QCheckBox* drawGraphic_;
    QComboBox* funcStyle_;
    std::array<QPushButton*, kTable + 1> kindButtons_{};
};

}  // namespace plotwise
