// The help topic a window answers F1 with. Windows of every layer name their topic here; the
// main window, which owns the help, reads it from the window that has the keyboard focus.
#pragma once

#include <QVariant>
#include <QWidget>

namespace plotwise {

inline constexpr char kHelpContextProperty[] = "plotwiseHelpContext";

inline void SetHelpContext(QWidget* window, int context) {
    window->setProperty(kHelpContextProperty, context);
}

// The topic of widget or of the nearest window around it that names one; 0 for none.
inline int HelpContextOf(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        const QVariant context = widget->property(kHelpContextProperty);
        if (context.isValid()) return context.toInt();
    }
    return 0;
}

}  // namespace plotwise
