// What changes the active document's options: the view buttons and Standard Intervals, the
// option dialogs, the default graph properties, Standard Options, and Save Options, which
// makes them the options new documents start from.
#pragma once

#include "app/command_table.h"

namespace plotwise {

class MainWindow;
class Messages;

class ViewController {
  public:
    ViewController(MainWindow& window, Messages& messages);

    void ChangeView(Command command);  // the increase, reduce and move buttons
    // Smooth Lines for every window, and Equal Scales for the active one.
    void SmoothLines();
    void EqualScales();
    void StandardIntervals();
    void OptionsDialog(Command command);  // Plot, Axis, Background, Common
    void DefaultGraphProperties();
    void StandardOptions();
    void SaveOptions();

  private:
    MainWindow& window_;
    Messages& messages_;
};

}  // namespace plotwise
