// Main window tests: one QApplication for the program, and scripted questions and file
// dialogs.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>

#include "../widget_application.h"
#include "scripted_services.h"

namespace plotwise::testing_support {

// Runs the event loop until done() holds or a second has passed.
template <typename Done>
bool PumpUntil(Done done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < 1000) {
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return done();
}

}  // namespace plotwise::testing_support
