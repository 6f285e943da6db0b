// plotwise-cli render by the output's extension: the PNG in full colour, and SVG and PDF
// drawn back by other programs showing the same axes and curves within two pixels.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QSet>

#include "../picture_match.h"

namespace plotwise {
namespace {

TEST(PlotwiseCliExport, VectorFilesDrawTheSamePictureAsThePng) {
    const std::string base = testing::TempDir() + "plotwise_export_" + std::to_string(getpid());
    const auto render = [&](const std::string& ext) {
        return std::system((PLOTWISE_CLI " render " PLOTWISE_EXAMPLES "/gallery.plw " + base + ext +
                            " --size 500x400")
                               .c_str());
    };
    ASSERT_EQ(render(".png"), 0);
    const QImage png = QImage(QString::fromStdString(base + ".png"));
    ASSERT_EQ(png.size(), QSize(500, 400));
    QSet<QRgb> colours;  // smoothed lines blend: far more than the 16 of the bitmap
    for (int i = 0; i < png.width() * png.height(); ++i)
        colours.insert(png.pixel(i % png.width(), i / png.width()));
    EXPECT_GT(colours.size(), 100);
    const std::pair<std::string, std::string> drawnBack[] = {
        {".svg", "rsvg-convert " + base + ".svg -o " + base + "-back.png"},
        {".pdf", "pdftoppm -r 96 -png -singlefile " + base + ".pdf " + base + "-back"}};
    for (const auto& [ext, command] : drawnBack) {
        ASSERT_EQ(render(ext), 0) << ext;
        const QImage back = testing_support::Rasterise(command, base + "-back.png");
        ASSERT_EQ(back.size(), png.size()) << ext;
        EXPECT_GT(testing_support::InkFoundWithin(png, back, 2), 0.97) << ext;
        EXPECT_GT(testing_support::InkFoundWithin(back, png, 2), 0.97) << ext;
        std::remove((base + ext).c_str());
    }
    std::remove((base + ".png").c_str());
    std::remove((base + "-back.png").c_str());
}

}  // namespace
}  // namespace plotwise
