// What the widget tests of every folder share: one QApplication with the widget helpers,
// and scripted questions and file dialogs.
#pragma once

#include "../widget_application.h"
#include "scripted_services.h"
