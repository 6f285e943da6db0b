// Where grid lines, tick marks and number labels stand along one axis.
#pragma once

#include <string>
#include <vector>

namespace plotwise {

struct AxisStepValues {
    long double step = 0;             // the step actually used
    std::vector<long double> values;  // the multiples of it inside min..max
};

// The step is doubled until at most about 150 values fit between min and max. A step that
// is not a positive finite number, or a range that is empty or infinite, gives no values.
long double LimitedStep(long double step, long double min, long double max);
AxisStepValues AxisSteps(long double min, long double max, long double step);

// A number label at v with the given step in a view of min..max: "0" below a thousandth of
// the step, and on a logarithmic scale of base the power written out (10^2, 10^(-1)).
std::string AxisLabelText(long double v, long double step, long double min, long double max,
                          bool log, long double base);

}  // namespace plotwise
