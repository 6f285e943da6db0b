#include "tools/trace_tool.h"

#include <algorithm>
#include <cmath>

#include "formula/extended.h"
#include "formula/number_text.h"
#include "formula/round12.h"
#include "plot/sample_arguments.h"
#include "plot/trace_cross.h"

namespace plotwise {
namespace {

bool Complete(long double x, long double y) {
    return std::isfinite(x) && std::isfinite(y);
}

int CompleteRows(const Graph& graph) {
    int n = 0;
    for (std::size_t i = 0; i + 1 < graph.Values.size(); i += 2)
        n += Complete(graph.Values[i], graph.Values[i + 1]);
    return n;
}

// A stored value in axis units (before a logarithmic scale).
long double Scaled(long double v, long double coeff) {
    return std::isfinite(v) ? v / coeff : kNoPoint;
}

ArgumentSteps ArgumentsOf(const Graph& graph, const OptionsRecord& options) {
    const GraphRecord& props = graph.Record();
    long double start = props.Interval().Min;
    long double end = props.Interval().Max;
    if (props.Kind == kYOfX) {
        start = EffectiveMinX(props, options);
        end = EffectiveMaxX(props, options);
    } else if (props.Kind == kXOfY) {
        start = EffectiveMinY(props, options);
        end = EffectiveMaxY(props, options);
    }
    return SampleArguments(start, end, EffectiveStepsNum(props, options), options.PointsAlign);
}

// The sign the polar formula gave the radius, read back from the stored point: x and y
// are cos(a) * r and sin(a) * r. The angle must be the sampler's own argument, bit for bit:
// where cos(a) is nearly 0 one recomputed in another order may have the other sign.
long double SignedRadius(long double x, long double y, long double sampledAngle) {
    const long double r = std::hypot(x, y);
    const long double rx = Round12(x);
    const long double ry = Round12(y);
    long double coordinate = 0;
    long double trig = 0;
    if (rx != 0) {
        coordinate = rx;
        trig = Round12(std::cos(sampledAngle * kPi));
    } else if (ry != 0) {
        coordinate = ry;
        trig = Round12(std::sin(sampledAngle * kPi));
    }
    return (coordinate > 0 && trig < 0) || (coordinate < 0 && trig > 0) ? -r : r;
}

std::string Line(const char* name, long double v, const char* unit = "") {
    if (!std::isfinite(v)) return std::string(name) + ": Error";
    return std::string(name) + "=" + NumToStr(v) + unit;
}

}  // namespace

TraceSetup SetupTrace(const Graph& graph, const OptionsRecord& options) {
    TraceSetup setup;
    const std::uint8_t kind = graph.Record().Kind;
    if (kind == kEquation || kind == kSlopeField || kind > kTable) {
        setup.message = "The tracing is impossible";
        return setup;
    }
    if (graph.Values.empty()) {
        setup.message = "There are no values";
        return setup;
    }
    if (kind == kTable) {
        setup.maximum = CompleteRows(graph);
        if (setup.maximum == 0) {
            setup.message = "The table is empty";
            return setup;
        }
    } else {
        const int steps = EffectiveStepsNum(graph.Record(), options);
        setup.maximum = graph.LastBeyondEnd ? steps : steps + 1;
        // Never past the points stored, whatever the record says now.
        const std::size_t stored = kind <= kXOfY ? graph.Values.size() : graph.Values.size() / 2;
        setup.maximum = static_cast<int>(std::min<std::size_t>(setup.maximum, stored));
        if (setup.maximum < 1) {
            setup.message = "There are no values";
            return setup;
        }
    }
    setup.enabled = true;
    setup.showArgument = kind == kPolarGraph || kind == kParametric;
    setup.showRadius = kind == kPolarGraph;
    return setup;
}

TracedPoint TracePoint(const Graph& graph, const OptionsRecord& options, int p) {
    TracedPoint point;
    const std::uint8_t kind = graph.Record().Kind;
    const std::vector<long double>& values = graph.Values;
    if (p < 1) return point;
    const auto i = static_cast<std::size_t>(p);

    if (kind == kTable) {
        int found = 0;
        for (std::size_t k = 0; k + 1 < values.size(); k += 2) {
            if (Complete(values[k], values[k + 1]) && ++found == p) {
                point.x = Scaled(values[k], options.CoeffX);
                point.y = Scaled(values[k + 1], options.CoeffY);
                break;
            }
        }
        return point;
    }
    if (kind > kParametric) return point;
    const std::size_t needed = kind <= kXOfY ? i : 2 * i;
    if (needed > values.size()) return point;

    const ArgumentSteps a = ArgumentsOf(graph, options);
    const long double sampled = a.At(p);
    const long double s = a.GridNumber(sampled);
    switch (kind) {
        case kYOfX:
            point.x = options.LogX ? std::pow(static_cast<long double>(options.LogXBase), s) : s;
            point.y = Scaled(values[i - 1], options.CoeffY);
            break;
        case kXOfY:
            point.y = options.LogY ? std::pow(static_cast<long double>(options.LogYBase), s) : s;
            point.x = Scaled(values[i - 1], options.CoeffX);
            break;
        case kPolarGraph: {
            const long double x = values[2 * i - 2];
            const long double y = values[2 * i - 1];
            point.argument = s;
            if (Complete(x, y)) point.radius = SignedRadius(x, y, sampled);
            point.x = Scaled(x, options.CoeffX);
            point.y = Scaled(y, options.CoeffY);
            break;
        }
        default:  // kParametric
            point.argument = s;
            point.x = Scaled(values[2 * i - 2], options.CoeffX);
            point.y = Scaled(values[2 * i - 1], options.CoeffY);
            break;
    }
    return point;
}

TraceTexts TraceReadout(std::uint8_t kind, const TracedPoint& point) {
    TraceTexts readout;
    readout.x = Line("X", point.x);
    readout.y = Line("Y", point.y);
    if (kind == kPolarGraph) {
        readout.argument = Line("A", point.argument, " Pi");
        readout.radius = Line("R", point.radius);
    } else if (kind == kParametric) {
        readout.argument = Line("T", point.argument);
    }
    return readout;
}

std::string TraceArgumentName(std::uint8_t kind) {
    switch (kind) {
        case kXOfY:
            return "Y";
        case kPolarGraph:
            return "A";
        case kParametric:
            return "T";
        default:
            return "X";
    }
}

long double TraceArgument(std::uint8_t kind, const TracedPoint& point) {
    switch (kind) {
        case kXOfY:
            return point.y;
        case kPolarGraph:
        case kParametric:
            return point.argument;
        default:
            return point.x;
    }
}

namespace {

// The point of 1..maximum with the least distance(point), which is NaN or infinite where
// the point does not count; 0 when none does.
template <typename Distance>
int NearestPoint(const Graph& graph, const OptionsRecord& options, int maximum, Distance distance) {
    int best = 0;
    long double least = HUGE_VALL;
    for (int p = 1; p <= maximum; ++p) {
        const long double d = distance(TracePoint(graph, options, p));
        if (std::isfinite(d) && d < least) {
            best = p;
            least = d;
        }
    }
    return best;
}

}  // namespace

int NearestTracePoint(const Graph& graph, const OptionsRecord& options, int maximum,
                      long double value) {
    const std::uint8_t kind = graph.Record().Kind;
    return NearestPoint(graph, options, maximum, [&](const TracedPoint& point) {
        return std::fabs(TraceArgument(kind, point) - value);
    });
}

int NearestTracePixel(const Graph& graph, const Document& document, int maximum, int px, int py) {
    const ScreenMapping map = document.ScreenMap();
    const TraceCross plot(document, nullptr);  // its mapping of axis values to the plot's
    return NearestPoint(graph, document.Shown(), maximum, [&](const TracedPoint& point) {
        const long double x = plot.ToPlotX(point.x);
        const long double y = plot.ToPlotY(point.y);
        if (!std::isfinite(x) || !std::isfinite(y)) return HUGE_VALL;
        const long double dx = map.XF(x) - 0.5 - px;
        const long double dy = map.YF(y) - 0.5 - py;
        return dx * dx + dy * dy;
    });
}

}  // namespace plotwise
