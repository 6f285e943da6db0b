// Rendering documents in tests: a GUI application for fonts, and pixel queries.
#pragma once

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <string>

#include "../pixels.h"
#include "draw/style_colors.h"
#include "plot/bitmap_export.h"
#include "plot/document.h"

namespace plotwise::testing_support {

// Text needs a QGuiApplication; one lives from the first test that draws to the end of
// the program, and is then closed properly, so its font caches are not reported as leaks.
inline void EnsureGuiApplication() {
    if (QGuiApplication::instance() != nullptr) return;
    static int argc = 1;
    static char name[] = "plotwise_tests";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

class GuiApplicationEnvironment : public ::testing::Environment {
  public:
    void TearDown() override { delete QGuiApplication::instance(); }
};
inline ::testing::Environment* const kGuiApplicationEnvironment =
    ::testing::AddGlobalTestEnvironment(new GuiApplicationEnvironment);

// The colour of a table index as a pixel.
inline QRgb Rgb(int index) {
    return kColorTable[static_cast<std::size_t>(index)];
}

// A document that draws nothing but what a test switches on: no axes, no labels.
inline OptionsRecord BareOptions() {
    OptionsRecord o = StandardOptions();
    o.AxisX.Draw = false;
    o.AxisY.Draw = false;
    return o;
}

// The document's picture at the size, as the program makes bitmaps; the document's
// ClientRect is set to the same size so its mapping matches the picture.
inline QImage Render(Document& doc, int width = 400, int height = 300) {
    EnsureGuiApplication();
    doc.ClientRect = {0, 0, width, height};
    return RenderBitmap(doc, width, height);
}

}  // namespace plotwise::testing_support
