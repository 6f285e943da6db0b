// What the tool windows show on a document's picture while they are up: labelled marks at
// the points they found and a shaded band between two curves. The document window paints
// it over the picture (plot_overlay.h); it is never part of the document, nor printed or
// exported.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace plotwise {

// A point in formula values and the text written beside it.
struct PlotMark {
    long double x = 0;
    long double y = 0;
    std::string label;
};

// One column of a band: the two curves' values at x; a value that is no point (kNoPoint,
// NaN) leaves a gap in the band.
struct ShadeSample {
    long double x = 0;
    long double y1 = 0;
    long double y2 = 0;
};

struct PlotOverlay {
    std::vector<PlotMark> marks;
    std::vector<ShadeSample> shade;
    // The Y(x) formula the answers are about and the colour index of its graph, which the
    // document window looks up; likewise the other graph of an intersection (Y(x) or X(y)),
    // whose colour the marks must not take either.
    std::string formula;
    std::uint8_t color = 0;
    std::string otherFormula;
    int otherColor = -1;  // none
    bool Empty() const { return marks.empty() && shade.empty(); }
};

}  // namespace plotwise
