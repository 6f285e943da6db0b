// SampleInequality: which cells satisfy f(x, y) < 0 or > 0, refined 4 x 4 along the boundary.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>

#include "plot/grid_function.h"
#include "plot/grid_samplers.h"
#include "plot/sample_buffer.h"
#include "plot/sampling_run.h"

namespace plotwise {
namespace {

constexpr std::uint16_t kWholeCell = 0xFFFF;

class InequalityGrid {
  public:
    InequalityGrid(Graph& graph, const GridArea& area, int nx, int ny, bool less, GridFunction& f)
        : codes_(graph.CellCodes),
          x0_(area.xStart),
          y0_(area.yStart),
          dx_((area.xEnd - area.xStart) / nx),
          dy_((area.yEnd - area.yStart) / ny),
          nx_(nx),
          ny_(ny),
          less_(less),
          f_(f) {
        ResizeSamples(graph, codes_, static_cast<std::size_t>(nx) * ny, std::uint16_t{0});
    }

    // Cells are 1-based, column i along X, row j along Y.
    std::uint16_t& Code(int i, int j) {
        return codes_[static_cast<std::size_t>(i - 1) * ny_ + (j - 1)];
    }

    // The first pass, at the cell centres: column i begins, then each of its cells.
    void StartColumn(int i) {
        if (rows_.empty()) {
            rows_.resize(static_cast<std::size_t>(ny_));
            for (int j = 1; j <= ny_; ++j)
                rows_[j - 1] = f_.ArgumentY(y0_ + (j - 0.5L) * dy_);
        }
        column_ = i;
        columnX_ = f_.ArgumentX(x0_ + (i - 0.5L) * dx_);
    }
    void Centre(int j) {
        Code(column_, j) = Satisfies(f_.Value(columnX_, rows_[j - 1])) ? kWholeCell : 0;
    }

    bool OnBoundary(int i, int j) {
        const std::uint16_t own = Code(i, j);
        if (i > 1 && i < nx_ && j > 1 && j < ny_) {
            // Inside the grid all eight neighbours exist: read them at fixed offsets, with
            // none of the clamped loops' index arithmetic (most cells are inside).
            const std::uint16_t* c = &Code(i, j);
            const std::ptrdiff_t n = ny_;
            return ((c[-n - 1] ^ own) | (c[-n] ^ own) | (c[-n + 1] ^ own) | (c[-1] ^ own) |
                    (c[1] ^ own) | (c[n - 1] ^ own) | (c[n] ^ own) | (c[n + 1] ^ own)) != 0;
        }
        for (int a = std::max(i - 1, 1); a <= std::min(i + 1, nx_); ++a) {
            for (int b = std::max(j - 1, 1); b <= std::min(j + 1, ny_); ++b) {
                if (Code(a, b) != own) return true;
            }
        }
        return false;
    }

    void Refine(int i, int j) {
        // The 4 x 4 points share four columns and four rows, and every refined cell of a
        // row or column the same ones: their arguments once each per grid.
        if (subRows_.empty()) {
            subRows_.resize(4 * static_cast<std::size_t>(ny_));
            for (int b = 1; b <= ny_; ++b) {
                for (int k = 0; k < 4; ++k)
                    subRows_[4 * (b - 1) + k] =
                        f_.ArgumentY(y0_ + (b - 1) * dy_ + (k + 0.5L) * 0.25L * dy_);
            }
        }
        if (subColumn_ != i) {
            subColumn_ = i;
            for (int k = 0; k < 4; ++k)
                subColumnXs_[k] = f_.ArgumentX(x0_ + (i - 1) * dx_ + (k + 0.5L) * 0.25L * dx_);
        }
        const long double* xs = subColumnXs_;
        const long double* ys = &subRows_[4 * static_cast<std::size_t>(j - 1)];
        std::uint16_t mask = 0;
        for (int a = 0; a < 4; ++a) {
            for (int b = 0; b < 4; ++b) {
                if (Satisfies(f_.Value(xs[a], ys[b])))
                    mask |= static_cast<std::uint16_t>(1u << (4 * a + b));
            }
        }
        Code(i, j) = mask;
    }

  private:
    bool Satisfies(long double v) const { return std::isfinite(v) && (less_ ? v < 0 : v > 0); }

    std::vector<std::uint16_t>& codes_;
    long double x0_, y0_, dx_, dy_;
    int nx_, ny_;
    bool less_;
    GridFunction& f_;
    std::vector<long double> rows_;  // the formula's argument at each row's centre
    int column_ = 0;
    long double columnX_ = 0;
    std::vector<long double> subRows_;  // the four sub-rows' arguments of each row
    int subColumn_ = 0;                 // the column subColumnXs_ belongs to
    long double subColumnXs_[4] = {};
};

}  // namespace

bool SampleInequality(Graph& graph, const OptionsRecord& options, int index, Feedback& feedback) {
    GridArea area;
    GridFunction f(options);
    if (!StartGridSampling(graph, options, area, f)) return true;
    const int nx = GridStepsX(graph.Record());
    const int ny = GridStepsY(graph.Record());
    InequalityGrid grid(graph, area, nx, ny, graph.Record().Relation() == 1, f);

    SamplingRun run(feedback, index);
    const std::int64_t cells = static_cast<std::int64_t>(nx) * ny;
    std::int64_t done = 0;
    for (int i = 1; i <= nx; ++i) {
        grid.StartColumn(i);
        for (int j = 1; j <= ny; ++j) {
            grid.Centre(j);
            if (!run.Progress(++done, cells, 0, 50)) {
                graph.ClearValues();
                return false;
            }
        }
    }
    // In place: a cell compares with the already refined codes of the cells before it,
    // which only widens the refined band.
    done = 0;
    for (int i = 1; i <= nx; ++i) {
        for (int j = 1; j <= ny; ++j) {
            if (grid.OnBoundary(i, j)) grid.Refine(i, j);
            if (!run.Progress(++done, cells, 50, 50)) {
                graph.ClearValues();
                return false;
            }
        }
    }
    return true;
}

}  // namespace plotwise
