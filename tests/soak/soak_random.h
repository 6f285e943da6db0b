// The soak's choices: one seeded generator, and what a user types into the graph properties
// dialog, the default graph properties and the option dialogs.
#pragma once

#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise::soak {

class Random {
  public:
    explicit Random(std::uint64_t seed) : engine_(seed) {}

    int Int(int low, int high) {  // both included
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool Chance(double p) { return std::uniform_real_distribution<double>(0, 1)(engine_) < p; }
    template <typename T>
    const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Int(0, static_cast<int>(items.size()) - 1))];
    }

  private:
    std::mt19937_64 engine_;
};

// A formula in the given variables ("x", "xy", ...): nested functions, operators,
// constants, and now and then one without a value anywhere (1/0, ln(0), exp(1000)).
std::string RandomFormula(Random& random, const std::string& variables);
// A formula the dialog refuses ("2x", "sin x", "((x)").
std::string InvalidFormula(Random& random);

// A number as typed: "3", "-0.125", "3.14159265" (more digits than are kept),
// "1.5*10^3", "2*10^(-4)"; magnitudes mostly near 1, up to 10^maxExponent.
std::string RandomNumberText(Random& random, int maxExponent);
// Two number texts with the first below the second as the program reads them.
std::pair<std::string, std::string> RandomRangeTexts(Random& random, int maxExponent);

// What the scripted graph properties dialog did.
struct EditorCounts {
    int confirmed = 0;
    std::array<int, kTable + 1> kinds{};  // confirmed records by kind
    int cancelled = 0;
    int refusedOnPurpose = 0;  // a field typed wrong was refused, as it should be
    int refusedUnexpectedly = 0;
    std::string lastUnexpected;
};

// The graph properties dialog as a user fills it: the record's fields, a new kind now and
// then, new formulas, intervals, steps, table cells and style, checked and stored the way
// OK does it. fresh: the "Add Graph" dialog. False when the user cancelled or OK refused a
// field (the user then gave up).
bool EditGraphRecord(Random& random, GraphRecord& props, const OptionsRecord& options, bool fresh,
                     EditorCounts& counts);

// The "Add. Properties" page alone, for a kind's defaults; false when cancelled or refused.
bool EditKindDefaults(Random& random, GraphRecord& props, const OptionsRecord& options,
                      EditorCounts& counts);

}  // namespace plotwise::soak
