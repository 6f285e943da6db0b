#include "plot/trace_cross.h"

#include <QImage>
#include <cmath>

#include "formula/round12.h"
#include "plot/document.h"

namespace plotwise {
namespace {

long double ToPlot(long double v, bool log, long double base) {
    if (!log) return v;
    return v > 0 && std::isfinite(v) ? std::log(v) / std::log(base) : kNoPoint;
}

bool Within(long double v, long double min, long double max) {
    const long double r = Round12(v);
    return r >= Round12(min) && r <= Round12(max);
}

// Pixels read and written as the image stores them, so nothing is lost in between.
QRgb ReadPixel(const QImage& image, int x, int y) {
    if (image.depth() == 32) return reinterpret_cast<const QRgb*>(image.constScanLine(y))[x];
    return image.pixel(x, y);
}

void WritePixel(QImage& image, int x, int y, QRgb value) {
    if (image.depth() == 32) {
        reinterpret_cast<QRgb*>(image.scanLine(y))[x] = value;
    } else {
        image.setPixel(x, y, value);
    }
}

QRgb Complement(QRgb value) {
    return (value & 0xFF000000u) | (0xFFFFFFu - (value & 0xFFFFFFu));
}

}  // namespace

long double TraceCross::ToPlotX(long double x) const {
    const OptionsRecord o = owner_.Shown();
    return ToPlot(x, o.LogX, o.LogXBase);
}

long double TraceCross::ToPlotY(long double y) const {
    const OptionsRecord o = owner_.Shown();
    return ToPlot(y, o.LogY, o.LogYBase);
}

bool TraceCross::InView() const {
    const OptionsRecord o = owner_.Shown();
    return Within(X, o.MinX, o.MaxX) && Within(Y, o.MinY, o.MaxY);
}

void TraceCross::MoveTo(long double x, long double y) {
    Erase();
    X = ToPlotX(x);
    Y = ToPlotY(y);
    visible_ = InView();
    Draw();
}

template <typename Visit>
void TraceCross::ForEachPixel(Visit visit) {
    const QImage& image = *picture_;
    const qreal ratio = image.devicePixelRatio();
    const auto first = [ratio](int v) { return static_cast<int>(std::floor(v * ratio)); };
    const auto cover = [&](int x, int y) {
        for (int iy = first(y); iy < first(y + 1); ++iy) {
            for (int ix = first(x); ix < first(x + 1); ++ix) {
                if (ix >= 0 && iy >= 0 && ix < image.width() && iy < image.height()) visit(ix, iy);
            }
        }
    };
    for (int i = 0; i < kBar; ++i) {
        const int d = i - kArm;
        if (std::abs(d) <= kGap) continue;
        cover(px_ + d, py_);
        cover(px_, py_ + d);
    }
}

void TraceCross::Draw() {
    Erase();  // a second cross would keep the first one's pixels
    // The view may have moved since the point was marked: a cross outside it would stand
    // in the margins.
    if (!visible_ || picture_ == nullptr || picture_->isNull() || !owner_.PlotAreaUsable() ||
        !InView())
        return;
    px_ = owner_.XToScreen(X);
    py_ = owner_.YToScreen(Y);
    // The bars meet only in the gap, so no pixel is read after being written.
    saved_.clear();
    ForEachPixel([this](int x, int y) {
        saved_.push_back(ReadPixel(*picture_, x, y));
        WritePixel(*picture_, x, y, Complement(saved_.back()));
    });
    drawn_ = true;
}

void TraceCross::Erase() {
    if (!drawn_ || picture_ == nullptr) return;
    drawn_ = false;
    std::size_t k = 0;
    ForEachPixel([this, &k](int x, int y) { WritePixel(*picture_, x, y, saved_[k++]); });
}

void TraceCross::Hide() {
    // Whatever the view shows now: a pointer left visible would come back with every repaint.
    Erase();
    visible_ = false;
}

}  // namespace plotwise
