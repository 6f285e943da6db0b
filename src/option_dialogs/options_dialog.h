// What the option dialogs share: pages, OK and Cancel, a rejected field shown with its
// message, page and focus, and the choosers set from stored values of any size.
#pragma once

#include <QDialog>
#include <functional>
#include <optional>

#include "option_dialogs/options_checks.h"

class QComboBox;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QTabWidget;

namespace plotwise {

class OptionsDialog : public QDialog {
    Q_OBJECT

  public:
    // Shows a rejected field's message ("\r" is a line break); a message box by default.
    std::function<void(const QString&)> ShowError;
    // How the number fields read what is typed; the formula language alone unless set.
    Notation FieldNotation = Notation::Strict;

    QTabWidget* Pages = nullptr;

  protected:
    OptionsDialog(const QString& caption, QWidget* parent);

    // Adds OK and Cancel below everything added to Body().
    void FinishLayout();
    QWidget* Body() { return body_; }
    QWidget* AddPage(const QString& title);

    // Shows the failure and moves to its field; true when there was none.
    bool Passed(const std::optional<OptionsFailure>& failure,
                const std::function<QWidget*(int)>& fieldWidget, const int* pages);

    // OK runs the dialog's checks through Accept.
    virtual bool Check() = 0;

  private:
    QWidget* body_;
};

// A number field of the option dialogs.
QLineEdit* NewOptionsEdit(QWidget* parent, int maxLength = 40);
// A labelled group of rows.
QGroupBox* NewGroup(const QString& title, QFormLayout*& rows, QWidget* parent);
// A stored style value as a chooser item: value - offset, kept within the chooser's items.
void SetChooserItem(QComboBox* box, long long value, int offset = 0);

}  // namespace plotwise
