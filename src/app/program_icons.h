// The program's own icons, drawn from their SVG sources (packaging/) at whatever size the
// desktop asks for: the application's (windows, task bar, About) and the document's.
#pragma once

#include <QIcon>

namespace plotwise {

QIcon ApplicationIcon();
QIcon DocumentIcon();

}  // namespace plotwise
