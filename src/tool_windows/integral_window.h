// IntegralWindow: the "Definite Integral" window, the integral of Y1(x) - Y2(x) or of its
// absolute value over an interval by Simpson's rule.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "plot/overlay_marks.h"
#include "services/program_settings.h"
#include "tools/integral_tool.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace plotwise {

class Feedback;
class Messages;

class IntegralWindow final : public QDialog {
    Q_OBJECT

  public:
    // Created once: the formula texts stay in the combo boxes for the program's life.
    IntegralWindow(QWidget* parent, Messages& messages, Feedback& feedback);

    // Refills the combo boxes ("0" and the given formulas) and shows the window modally.
    // graphFormulas: the Formula of each Y(x) graph of the active document that is not
    // empty (IsEmpty), in list order; none without a document. The interval, steps and
    // switch start from settings and are kept there after every calculation.
    // notation: how the fields read what is typed. start: the formula of the graph in hand,
    // which the first field starts with when given.
    void Execute(const std::vector<std::string>& graphFormulas, IntegralSettings& settings,
                 Notation notation = Notation::Strict, const std::string& start = {});

    // Told what to shade on the plot after a calculation; an empty overlay when the window
    // closes or a calculation fails.
    std::function<void(const PlotOverlay&)> ShowOverlay;

  protected:
    void done(int result) override;

  private:
    void Activate(const std::vector<std::string>& graphFormulas);
    void OnCalculate();
    QWidget* FieldWidget(IntegralField field) const;

    Messages& messages_;
    Feedback& feedback_;
    IntegralSettings* settings_ = nullptr;  // while the window is up
    Notation notation_ = Notation::Strict;

    QComboBox* formula1_;
    QComboBox* formula2_;
    QLineEdit* minX_;
    QLineEdit* maxX_;
    QLineEdit* stepsNum_;
    QCheckBox* absIntegrate_;
    QLineEdit* result_;
};

}  // namespace plotwise
