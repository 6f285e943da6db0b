#include "plot/bitmap_export.h"

#include <QBuffer>
#include <QByteArray>
#include <algorithm>
#include <array>
#include <cctype>
#include <new>

#include "draw/style_colors.h"
#include "plot/safe_file.h"

namespace plotwise {
namespace {

constexpr int kDotsPerMeter = 3780;  // 96 dots per inch: fonts come out as on screen

void Put16(std::vector<unsigned char>& out, unsigned v) {
    out.push_back(static_cast<unsigned char>(v & 0xFF));
    out.push_back(static_cast<unsigned char>((v >> 8) & 0xFF));
}

void Put32(std::vector<unsigned char>& out, std::uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

// The picture of RenderBitmap; allocation failures pass through.
QImage DrawBitmap(Document& document, int width, int height, bool smooth) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return image;
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    image.fill(Qt::white);
    struct Restore {
        Document& d;
        QPaintDevice* canvas = d.Canvas;
        bool onScreen = d.OnScreen;
        PixelRect output = d.OutputRect;
        bool smooth = d.SmoothLines;
        ~Restore() {
            d.Canvas = canvas;
            d.OnScreen = onScreen;
            d.OutputRect = output;
            d.SmoothLines = smooth;
        }
    } restore{document};
    document.Canvas = &image;
    document.OnScreen = false;
    document.OutputRect = {0, 0, width, height};
    document.SmoothLines = smooth;
    document.Repaint();
    return image;
}

}  // namespace

bool IsPngName(const std::string& path) {
    if (path.size() < 4) return false;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return tail == ".png";
}

bool ParseBitmapSide(const std::string& text, int& side) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return false;
    const std::size_t last = text.find_last_not_of(' ');
    std::size_t i = first;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || negative) ++i;
    if (i > last) return false;
    long value = 0;
    for (; i <= last; ++i) {
        if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
        value = std::min(value * 10 + (text[i] - '0'), 1000000L);
    }
    if (negative) value = -value;
    if (value < kMinBitmapSide || value > kMaxBitmapSide) return false;
    side = static_cast<int>(value);
    return true;
}

QImage RenderBitmap(Document& document, int width, int height, bool smooth) {
    try {
        return DrawBitmap(document, width, height, smooth);
    } catch (const std::bad_alloc&) {
        return QImage();
    }
}

QImage ToColorTable(const QImage& image) {
    QImage indexed(image.size(), QImage::Format_Indexed8);
    if (indexed.isNull()) return indexed;
    indexed.setColorTable(QList<QRgb>(kColorTable.begin(), kColorTable.end()));
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    // Pictures hold few colours, smoothed edges some hundreds: the last one looked up is
    // checked first, then a small cache keyed by the colour (0 is no RGB32 pixel, so no key).
    struct Cached {
        QRgb rgb = 0;
        int index = 0;
    };
    std::array<Cached, 1024> cache{};
    QRgb last = 0;
    int lastIndex = 0;
    const int width = rgb.width();  // QImage's accessors are calls: none per pixel
    const int height = rgb.height();
    for (int y = 0; y < height; ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        uchar* out = indexed.scanLine(y);
        for (int x = 0; x < width; ++x) {
            if (in[x] != last) {
                last = in[x];
                Cached& c = cache[(last * 2654435761u) >> 22];
                if (c.rgb != last) c = {last, NearestColorIndex(last)};
                lastIndex = c.index;
            }
            out[x] = static_cast<uchar>(lastIndex);
        }
    }
    return indexed;
}

std::vector<unsigned char> EncodeBmp4(const QImage& image) {
    if (image.isNull()) return {};
    const QList<QRgb> table(kColorTable.begin(), kColorTable.end());
    const QImage indexed = image.format() == QImage::Format_Indexed8 && image.colorTable() == table
                               ? image
                               : ToColorTable(image);
    if (indexed.isNull()) return {};
    const std::uint32_t width = static_cast<std::uint32_t>(indexed.width());
    const std::uint32_t height = static_cast<std::uint32_t>(indexed.height());
    const std::uint32_t rowBytes = (width * 4 + 31) / 32 * 4;
    const std::uint32_t headers = 14 + 40 + 4 * kColorCount;
    std::vector<unsigned char> out;
    out.reserve(headers + rowBytes * height);
    out.push_back('B');
    out.push_back('M');
    Put32(out, headers + rowBytes * height);
    Put32(out, 0);
    Put32(out, headers);
    Put32(out, 40);
    Put32(out, width);
    Put32(out, height);  // positive: the bottom row comes first
    Put16(out, 1);
    Put16(out, 4);
    Put32(out, 0);  // no compression
    Put32(out, rowBytes * height);
    Put32(out, static_cast<std::uint32_t>(indexed.dotsPerMeterX()));
    Put32(out, static_cast<std::uint32_t>(indexed.dotsPerMeterY()));
    Put32(out, kColorCount);
    Put32(out, 0);
    for (const QRgb c : kColorTable) {
        out.push_back(static_cast<unsigned char>(qBlue(c)));
        out.push_back(static_cast<unsigned char>(qGreen(c)));
        out.push_back(static_cast<unsigned char>(qRed(c)));
        out.push_back(0);
    }
    // Two pixels a byte, the first in the high half; the rows' padding stays zero.
    const std::size_t start = out.size();
    out.resize(start + std::size_t{rowBytes} * height);
    unsigned char* line = out.data() + start;
    for (std::uint32_t row = height; row-- > 0; line += rowBytes) {
        const uchar* pixels = indexed.constScanLine(static_cast<int>(row));
        std::uint32_t x = 0;
        for (; x + 1 < width; x += 2)
            line[x / 2] =
                static_cast<unsigned char>((pixels[x] & 0x0F) << 4 | (pixels[x + 1] & 0x0F));
        if (x < width) line[x / 2] = static_cast<unsigned char>((pixels[x] & 0x0F) << 4);
    }
    return out;
}

// Qt's PNG quality 40 is zlib's level 5: faster than the default level 6 with files within a
// percent of its size. The fastest levels (1 to 3, quality 60 and above) save a quarter of
// the time of a 3000 x 3000 picture but double the files of sparse ones.
constexpr int kPngQuality = 40;

std::vector<unsigned char> EncodePng(const QImage& image, bool allColors) {
    if (image.isNull()) return {};
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Every colour as three bytes a pixel, which the PNG rows hold as they are: the encoder
    // then has no fourth byte to strip from each pixel of every row.
    const QImage rows =
        allColors ? image.convertToFormat(QImage::Format_RGB888) : ToColorTable(image);
    if (rows.isNull() || !rows.save(&buffer, "PNG", kPngQuality)) return {};
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

bool WriteBitmapFile(const QImage& image, const std::string& path, bool smooth) {
    const std::vector<unsigned char> data =
        IsPngName(path) ? EncodePng(image, smooth) : EncodeBmp4(image);
    return !data.empty() && ReplaceFile(path, data);
}

}  // namespace plotwise
