#include "plot/print_run.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "draw/device_scale.h"
#include "plot/feedback.h"

namespace plotwise {
namespace {

int Nearest(long double v) {
    return ScaledPixels(v, 1);
}

// A stored size times a scale; sizes from files are not bounded, the result is.
void Scale(Int32& size, long double scale) {
    size = ScaledPixels(static_cast<std::int32_t>(size), scale);
}

constexpr std::int32_t kBlack = 0;
constexpr std::uint8_t kWhite = 15;

}  // namespace

PixelRect PrintOutputRect(int width, int height, long double dpiX, long double dpiY,
                          const PageMargins& m) {
    // Divided rather than multiplied by 0.001, so a half pixel is exactly a half.
    return {Nearest(dpiX * m.left / 1000), Nearest(dpiY * m.top / 1000),
            width - Nearest(dpiX * m.right / 1000), height - Nearest(dpiY * m.bottom / 1000)};
}

OptionsRecord PrintOptions(const OptionsRecord& options, long double scaleX, long double scaleY,
                           bool blackAndWhite) {
    OptionsRecord o = options;
    const long double scaleMin = std::min(scaleX, scaleY);
    Scale(o.HorWidth, scaleY);
    Scale(o.VertWidth, scaleX);
    Scale(o.RadiusWidth, scaleMin);
    Scale(o.AngleWidth, scaleMin);
    Scale(o.AxisX.Width, scaleY);
    Scale(o.AxisY.Width, scaleX);
    Scale(o.NumLinesX.Length, scaleY);
    Scale(o.NumLinesY.Length, scaleX);
    if (blackAndWhite) {
        o.BackColor = kWhite;
        o.HorColor = o.VertColor = o.AxisX.Color = o.AxisY.Color = 0;
        o.NumLinesX.Color = o.NumLinesY.Color = 0;
        o.RadiusColor = kBlack;
        o.AngleColor = kBlack;
        for (FontRecord* font :
             {&o.AxisX.NameFont, &o.AxisY.NameFont, &o.NumsX.Font, &o.NumsY.Font})
            font->Color = kBlack;
    }
    return o;
}

void PrintDocument(Document& document, QPaintDevice& page, const PrintSetup& setup) {
    // Everything the page changes comes back whatever leaves this function; the graphs'
    // widths and colours from copies, so nothing is lost to rounding or clamping.
    struct RestoreGuard {
        explicit RestoreGuard(Document& document) : d(document) {}
        Document& d;
        OptionsRecord options = d.Options;
        QPaintDevice* canvas = d.Canvas;
        bool onScreen = d.OnScreen;
        bool modified = d.Modified;
        PixelRect output = d.OutputRect;
        long double scales[3] = {ScaleX, ScaleY, ScaleMin};
        bool escEnabled = EscEnabled;
        std::vector<GraphRecord> records;
        ~RestoreGuard() {
            for (std::size_t i = 0; i < records.size() && i < d.GraphCount(); ++i)
                d.ReplaceRecord(i, records[i]);
            d.Options = options;
            d.Canvas = canvas;
            d.OnScreen = onScreen;
            d.Modified = modified;
            d.OutputRect = output;
            ScaleX = scales[0];
            ScaleY = scales[1];
            ScaleMin = scales[2];
            EscEnabled = escEnabled;
        }
    } restore(document);
    for (const auto& graph : document.Graphs())
        restore.records.push_back(graph->Record());

    ScaleX = setup.scaleX;
    ScaleY = setup.scaleY;
    ScaleMin = std::min(setup.scaleX, setup.scaleY);
    document.Canvas = &page;
    document.OnScreen = false;
    document.OutputRect = setup.output;
    document.Options =
        PrintOptions(document.Options, setup.scaleX, setup.scaleY, setup.blackAndWhite);
    const int widthScale = Nearest(ScaleMin);
    for (std::size_t i = 0; i < document.GraphCount(); ++i) {
        GraphRecord p = document.GraphAt(i).Record();
        p.LineWidth = ScaledPixels(static_cast<std::int32_t>(p.LineWidth), widthScale);
        if (setup.blackAndWhite) p.Color = 0;
        document.ReplaceRecord(i, p);
    }
    EscEnabled = false;
    document.Repaint();
}

}  // namespace plotwise
