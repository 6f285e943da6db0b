#include "plot/picture_export.h"

#include <QBuffer>
#include <QByteArray>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cctype>
#include <new>

#include "plot/bitmap_export.h"
#include "plot/print_run.h"
#include "plot/safe_file.h"

namespace plotwise {
namespace {

// Screen pixels per inch: fonts in points come out as large as on screen and in bitmaps.
constexpr int kScreenDpi = 96;
constexpr int kDotsPerMeter = 3780;

std::vector<unsigned char> BytesOf(const QByteArray& bytes) {
    return std::vector<unsigned char>(bytes.begin(), bytes.end());
}

QByteArray EncodeSvg(const Document& document, int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setResolution(kScreenDpi);
    svg.setSize(QSize(width, height));
    svg.setViewBox(QRect(0, 0, width, height));
    svg.setTitle("Plotwise");
    DrawDocumentPicture(document, svg, width, height, false);
    // The generator gives the size in millimetres rounded to three decimals, which viewers
    // round up to a pixel more; the picture's size is whole pixels.
    const qsizetype from = bytes.indexOf("<svg width=\"");
    const qsizetype to = bytes.indexOf(" viewBox=", from);
    if (from >= 0 && to > from) {
        bytes.replace(from, to - from,
                      QString("<svg width=\"%1\" height=\"%2\"\n").arg(width).arg(height).toUtf8());
    }
    return bytes;
}

QByteArray EncodePdf(const Document& document, int width, int height) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setCreator("Plotwise");
        pdf.setResolution(kScreenDpi);
        // One page of the picture's size, in points, without margins.
        const QSizeF points(width * 72.0 / kScreenDpi, height * 72.0 / kScreenDpi);
        pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        DrawDocumentPicture(document, pdf, width, height, false);
    }  // the writer finishes the file as it goes
    return bytes;
}

}  // namespace

PictureFormat PictureFormatOf(const std::string& path) {
    if (path.size() < 4) return PictureFormat::Bmp;
    std::string tail = path.substr(path.size() - 4);
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (tail == ".png") return PictureFormat::Png;
    if (tail == ".svg") return PictureFormat::Svg;
    if (tail == ".pdf") return PictureFormat::Pdf;
    return PictureFormat::Bmp;
}

void DrawDocumentPicture(const Document& document, QPaintDevice& device, int width, int height,
                         bool smooth) {
    PrintSetup setup;
    setup.output = {0, 0, width, height};
    setup.smooth = smooth;
    PrintDocument(document, device, setup);
}

QImage RenderSmoothImage(const Document& document, int width, int height) {
    try {
        QImage image(width, height, QImage::Format_RGB32);
        if (image.isNull()) return image;
        image.setDotsPerMeterX(kDotsPerMeter);
        image.setDotsPerMeterY(kDotsPerMeter);
        image.fill(Qt::white);
        DrawDocumentPicture(document, image, width, height, true);
        return image;
    } catch (const std::bad_alloc&) {
        return QImage();
    }
}

std::vector<unsigned char> EncodePicture(const Document& document, PictureFormat format, int width,
                                         int height) {
    try {
        switch (format) {
            case PictureFormat::Svg:
                return BytesOf(EncodeSvg(document, width, height));
            case PictureFormat::Pdf:
                return BytesOf(EncodePdf(document, width, height));
            default:
                return EncodePng(RenderSmoothImage(document, width, height), true);
        }
    } catch (const std::bad_alloc&) {
        return {};
    }
}

PictureWrite WritePictureFile(Document& document, const std::string& path, int width, int height,
                              const std::function<bool()>& drawingComplete) {
    const auto interrupted = [&] { return drawingComplete && !drawingComplete(); };
    const PictureFormat format = PictureFormatOf(path);
    if (format == PictureFormat::Bmp) {
        const QImage image = RenderBitmap(document, width, height);
        if (interrupted()) return PictureWrite::Interrupted;
        if (image.isNull()) return PictureWrite::OutOfMemory;
        return WriteBitmapFile(image, path) ? PictureWrite::Ok : PictureWrite::WriteFailed;
    }
    const std::vector<unsigned char> data = EncodePicture(document, format, width, height);
    if (interrupted()) return PictureWrite::Interrupted;
    if (data.empty()) return PictureWrite::OutOfMemory;
    return ReplaceFile(path, data) ? PictureWrite::Ok : PictureWrite::WriteFailed;
}

}  // namespace plotwise
