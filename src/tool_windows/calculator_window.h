// CalculatorWindow: the "Calculator" window, one formula evaluated for one value of a variable
// the user names. Modeless; as a child window of the main window it stays above it.
#pragma once

#include <QDialog>
#include <functional>

#include "tools/calculator_tool.h"

class QLineEdit;

namespace plotwise {

class Messages;

class CalculatorWindow final : public QDialog {
    Q_OBJECT

  public:
    // Created once; the texts persist while the program runs.
    CalculatorWindow(QWidget* parent, Messages& messages);

    // Shows the window or brings it to the front; recomputes silently at every activation.
    void ShowCalculator();

    // How the fields read what is typed, asked at every calculation (Common Options may
    // change while the window is open); the formula language alone when empty.
    std::function<Notation()> FieldNotation;

  protected:
    bool event(QEvent* event) override;

  private:
    // Shows the result of the fields as they are. A failed check empties the result and,
    // unless silent, is reported and its field focused.
    void Calculate(bool silent);
    QLineEdit* FieldWidget(CalculatorField field) const;

    Messages& messages_;

    QLineEdit* formula_;
    QLineEdit* variableName_;
    QLineEdit* variableValue_;
    QLineEdit* result_;
};

}  // namespace plotwise
