#include "plot/print_run.h"

#include <QPagedPaintDevice>
#include <QPainter>
#include <algorithm>

#include "draw/device_scale.h"
#include "plot/picture.h"

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

void PrintDocument(const Document& document, QPaintDevice& page, const PrintSetup& setup) {
    const DeviceScale scale(setup.scaleX, setup.scaleY);
    const PixelRect plot = PlotRectOf(setup.output, scale);
    if (!PlotRectUsable(plot)) return;
    QPainter painter(&page);
    if (!painter.isActive()) return;
    const OptionsRecord options =
        PrintOptions(document.Shown(), setup.scaleX, setup.scaleY, setup.blackAndWhite);
    RenderContext ctx{painter, options, document.ScreenMap(plot), *document.Reporter, scale};
    ctx.escEnabled = false;
    ctx.graphWidthScale = Nearest(scale.Min());
    ctx.blackAndWhite = setup.blackAndWhite;
    ctx.smooth = setup.smooth;
    auto* paged = dynamic_cast<QPagedPaintDevice*>(&page);
    for (int copy = 0; copy < (paged != nullptr ? setup.copies : 1); ++copy) {
        if (copy > 0 && !paged->newPage()) return;
        DrawPicture(ctx, document, setup.output);
    }
}

}  // namespace plotwise
