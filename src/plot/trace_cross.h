// TraceCross: the cross that marks the traced point on a document's picture. Each pixel
// of the cross is the complement of the one it covers, and the covered pixels are kept, so
// taking the cross away gives the picture back byte for byte.
#pragma once

#include <QRgb>
#include <vector>

class QImage;

namespace plotwise {

class Document;

class TraceCross {
  public:
    static constexpr int kArm = 15;  // the cross reaches this far each side of the point
    static constexpr int kGap = 2;   // and leaves this much open around it
    static constexpr int kBar = 2 * kArm + 1;

    // picture: where the cross is drawn, the document's picture on screen (may be null).
    TraceCross(const Document& owner, QImage* picture) : owner_(owner), picture_(picture) {}
    TraceCross(const TraceCross&) = delete;
    TraceCross& operator=(const TraceCross&) = delete;

    // The marked point in plot coordinates (logarithms on a logarithmic axis).
    long double X = 0;
    long double Y = 0;

    bool Visible() const { return visible_; }

    // A coordinate as the axes place it: its logarithm on a logarithmic axis, where a value
    // of 0 or below has no place (+Infinity).
    long double ToPlotX(long double x) const;
    long double ToPlotY(long double y) const;

    // Marks (x, y), coordinates as the trace readout shows them. Outside the visible range
    // the pointer is hidden instead.
    void MoveTo(long double x, long double y);
    // Puts the cross on the picture as it now stands; the document calls it after every
    // full repaint while the pointer is visible.
    void Draw();
    // Gives back the pixels under the cross; the pointer stays visible for the next Draw.
    void Erase();
    void Hide();

  private:
    bool InView() const;
    // visit(x, y) for each pixel of the image under the cross at (px_, py_), in one order;
    // on a picture of a high-density screen a pixel of the cross covers several of them.
    template <typename Visit>
    void ForEachPixel(Visit visit);

    const Document& owner_;
    QImage* picture_;
    bool visible_ = false;
    // On the picture, saved_ holding what it covers in the order of ForEachPixel.
    bool drawn_ = false;
    int px_ = 0;  // where it was drawn: the mapping may have changed since
    int py_ = 0;
    std::vector<QRgb> saved_;
};

}  // namespace plotwise
