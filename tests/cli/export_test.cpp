// plotwise-cli render by the output's extension: the PNG in full colour, and SVG and PDF
// drawn back by other programs showing the same axes and curves within two pixels.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QSet>

#include "../picture_match.h"

namespace plotwise {
namespace {

using testing_support::InkFoundWithin;
using testing_support::Rasterise;

TEST(PlotwiseCliExport, VectorFilesDrawTheSamePictureAsThePng) {
    const std::string base = testing::TempDir() + "plotwise_export_" + std::to_string(getpid());
    const auto render = [&](const std::string& ext) {
        const std::string command = std::string(PLOTWISE_CLI) +
                                    " render " PLOTWISE_EXAMPLES "/gallery.plw " + base + ext +
                                    " --size 500x400";
        return std::system(command.c_str());
    };
    ASSERT_EQ(render(".png"), 0);
    const QImage png(QString::fromStdString(base + ".png"));
    ASSERT_EQ(png.size(), QSize(500, 400));
    QSet<QRgb> colours;  // smoothed lines blend: far more than the 16 of the bitmap
    for (int y = 0; y < png.height(); ++y)
        for (int x = 0; x < png.width(); ++x)
            colours.insert(png.pixel(x, y));
    EXPECT_GT(colours.size(), 100);

    const struct {
        const char* ext;
        std::string command;
    } drawnBack[] = {
        {".svg", "rsvg-convert " + base + ".svg -o " + base + "-back.png"},
        {".pdf", "pdftoppm -r 96 -png -singlefile " + base + ".pdf " + base + "-back"},
    };
    for (const auto& d : drawnBack) {
        ASSERT_EQ(render(d.ext), 0) << d.ext;
        const QImage back = Rasterise(d.command, base + "-back.png");
        ASSERT_EQ(back.size(), png.size()) << d.ext;
        EXPECT_GT(InkFoundWithin(png, back, 2), 0.97) << d.ext;
        EXPECT_GT(InkFoundWithin(back, png, 2), 0.97) << d.ext;
        std::remove((base + d.ext).c_str());
        std::remove((base + "-back.png").c_str());
    }
    std::remove((base + ".png").c_str());
}

}  // namespace
}  // namespace plotwise
