#include "trace_tool.h"

#include <algorithm>
#include <cmath>

#include "extended.h"
#include "number_text.h"
#include "round12.h"
#include "sample_arguments.h"

namespace plotwise {
namespace {

bool Complete(long double x, long double y) {
    return std::isfinite(x) && std::isfinite(y);
}

int CompleteRows(const TFunction& graph) {
    int n = 0;
    for (std::size_t i = 0; i + 1 < graph.Values.size(); i += 2)
        n += Complete(graph.Values[i], graph.Values[i + 1]);
    return n;
}

// A stored value in axis units (before a logarithmic scale).
long double Scaled(long double v, long double coeff) {
    return std::isfinite(v) ? v / coeff : kNoPoint;
}

TSampleArguments ArgumentsOf(const TFunction& graph, const TOptionsRecord& options) {
    const TFunctionProps& props = graph.Props;
    long double start = props.Interval().Min;
    long double end = props.Interval().Max;
    if (props.FuncStyle == fsYFromX) {
        start = EffectiveMinX(props, options);
        end = EffectiveMaxX(props, options);
    } else if (props.FuncStyle == fsXFromY) {
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

TTraceSetup SetupTrace(const TFunction& graph, const TOptionsRecord& options) {
    TTraceSetup setup;
    const std::uint8_t kind = graph.Props.FuncStyle;
    if (kind == fsEquation || kind == fsDifField || kind > fsTable) {
        setup.message = "The tracing is impossible";
        return setup;
    }
    if (graph.Values.empty()) {
        setup.message = "There are no values";
        return setup;
    }
    if (kind == fsTable) {
        setup.maximum = CompleteRows(graph);
        if (setup.maximum == 0) {
            setup.message = "The table is empty";
            return setup;
        }
    } else {
        const int steps = EffectiveStepsNum(graph.Props, options);
        setup.maximum = graph.LastBeyondEnd ? steps : steps + 1;
        // Never past the points stored, whatever the record says now.
        const std::size_t stored = kind <= fsXFromY ? graph.Values.size() : graph.Values.size() / 2;
        setup.maximum = static_cast<int>(std::min<std::size_t>(setup.maximum, stored));
        if (setup.maximum < 1) {
            setup.message = "There are no values";
            return setup;
        }
    }
    setup.enabled = true;
    setup.showArgument = kind == fsPolar || kind == fsParam;
    setup.showRadius = kind == fsPolar;
    return setup;
}

TTracePoint TracePoint(const TFunction& graph, const TOptionsRecord& options, int p) {
    TTracePoint point;
    const std::uint8_t kind = graph.Props.FuncStyle;
    const std::vector<long double>& values = graph.Values;
    if (p < 1) return point;
    const auto i = static_cast<std::size_t>(p);

    if (kind == fsTable) {
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
    if (kind > fsParam) return point;
    const std::size_t needed = kind <= fsXFromY ? i : 2 * i;
    if (needed > values.size()) return point;

    const TSampleArguments a = ArgumentsOf(graph, options);
    // Shown as a multiple of the step, which keeps a value such as 0 exact; the sampler
    // reached its argument by adding steps.
    const long double s = a.first + static_cast<long double>(p - 1) * a.h;
    switch (kind) {
        case fsYFromX:
            point.x = options.LogX ? std::pow(static_cast<long double>(options.LogXBase), s) : s;
            point.y = Scaled(values[i - 1], options.CoeffY);
            break;
        case fsXFromY:
            point.y = options.LogY ? std::pow(static_cast<long double>(options.LogYBase), s) : s;
            point.x = Scaled(values[i - 1], options.CoeffX);
            break;
        case fsPolar: {
            const long double x = values[2 * i - 2];
            const long double y = values[2 * i - 1];
            point.argument = s;
            if (Complete(x, y)) {
                long double sampled = a.first;
                for (int k = 1; k < p; ++k)
                    sampled += a.h;
                point.radius = SignedRadius(x, y, sampled);
            }
            point.x = Scaled(x, options.CoeffX);
            point.y = Scaled(y, options.CoeffY);
            break;
        }
        default:  // fsParam
            point.argument = s;
            point.x = Scaled(values[2 * i - 2], options.CoeffX);
            point.y = Scaled(values[2 * i - 1], options.CoeffY);
            break;
    }
    return point;
}

TTraceReadout TraceReadout(std::uint8_t kind, const TTracePoint& point) {
    TTraceReadout readout;
    readout.x = Line("X", point.x);
    readout.y = Line("Y", point.y);
    if (kind == fsPolar) {
        readout.argument = Line("A", point.argument, " Pi");
        readout.radius = Line("R", point.radius);
    } else if (kind == fsParam) {
        readout.argument = Line("T", point.argument);
    }
    return readout;
}

}  // namespace plotwise
