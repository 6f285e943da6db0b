#include "tools/intersection_tool.h"

#include <algorithm>
#include <utility>

namespace plotwise {
namespace {

constexpr std::size_t kTypeWidth = 6;  // "touch" and a blank

}  // namespace

IntersectionCheck CheckIntersectionInput(const AnalysisInput& typed, Notation notation) {
    AnalysisInput input = typed;
    input.minX = ReadNumberText(typed.minX, notation);
    input.maxX = ReadNumberText(typed.maxX, notation);
    IntersectionCheck check;
    check.field = CheckScanFields(input, check.params, check.message);
    return check;
}

Intersections::Intersections(std::string first, std::string second, const AnalysisParams& params,
                             bool secondOfY)
    : first_(std::move(first)),
      second_(std::move(second)),
      secondOfY_(secondOfY),
      params_(params) {}

void Intersections::Add(bool touching, long double x, PostfixFunction& first) {
    long double y = 0;
    if (second_.empty()) {
        y = 0;  // on the axis by definition, however steep the graph is there
    } else if (!first.Value(x, y)) {
        return;
    }
    rows_.push_back({touching, AnalysisRowNumber(x, params_.DigitsNum),
                     AnalysisRowNumber(y, params_.DigitsNum), x, y});
}

void Intersections::Run(const AnalysisProgress& progress) {
    rows_.clear();
    caption_ = "Intersections: none";
    PostfixFunction first;
    PostfixFunction difference;
    const bool compiled = second_.empty()
                              ? difference.CompileFormula(first_)
                              : difference.CompileDifference(first_, second_, secondOfY_);
    if (!compiled || !first.CompileFormula(first_)) return;
    bool interrupted = ScanSignChanges(
        difference, params_, [&](long double root) { Add(false, root, first); }, progress);
    // A turn of the difference that reaches 0 at the decimals shown is a touching point; the
    // zero scan cannot see it, since the difference keeps its sign there.
    if (!interrupted) {
        const auto turn = [&](bool, long double x, long double value) {
            if (AnalysisRowNumber(value, params_.DigitsNum) == "0") Add(true, x, first);
        };
        interrupted = ScanTurns(difference, params_, turn, progress);
    }
    std::stable_sort(
        rows_.begin(), rows_.end(),
        [](const IntersectionRow& a, const IntersectionRow& b) { return a.xValue < b.xValue; });
    // A point found twice is listed once. Both scans find a touching point where a grid point
    // falls on it (the difference is 0 there, which the zero scan takes for a sign change).
    std::vector<IntersectionRow> rows;
    for (IntersectionRow& row : rows_) {
        if (!rows.empty() && rows.back().x == row.x) {
            rows.back().touching = rows.back().touching || row.touching;
        } else {
            rows.push_back(std::move(row));
        }
    }
    rows_ = std::move(rows);
    if (rows_.size() > kMaxAnalysisResults) rows_.resize(kMaxAnalysisResults);
    if (!rows_.empty()) caption_ = "Intersections: " + std::to_string(rows_.size());
    if (interrupted) caption_ += " (interrupted)";
}

std::vector<std::string> Intersections::TitleLines() const {
    return {"Intersections of Y(x)=" + first_,
            second_.empty() ? std::string("and the X axis")
                            : (secondOfY_ ? "and X(y)=" : "and Y(x)=") + second_};
}

std::vector<std::string> Intersections::BuildReport() const {
    std::vector<std::string> lines = TitleLines();
    for (std::string& line : AnalysisParamLines(params_))
        lines.push_back(std::move(line));
    lines.push_back("");
    lines.push_back(caption_);
    if (!rows_.empty()) {
        lines.push_back(AnalysisReportRow("", " X", " Y", kTypeWidth));
        for (const IntersectionRow& row : rows_)
            lines.push_back(
                AnalysisReportRow(row.touching ? "touch" : "", row.x, row.y, kTypeWidth));
    }
    return lines;
}

}  // namespace plotwise
