// plotwise-cli: the formula engine and the tools without a window.
#include <algorithm>
#include <iostream>
#include <string>
#include <vector>

#include "cli/commands.h"

namespace plotwise::cli {
namespace {

struct Command {
    const char* name;
    const char* synopsis;
    int (*run)(const std::vector<std::string>&);
};

constexpr Command kCommands[] = {
    {"analyse",
     "analyse FORMULA [--min A] [--max B] [--steps N] [--digits D] [--no-zeroes]\n"
     "          [--no-extremums] [--derivative]",
     RunAnalyse},
    {"check", "check FILE", RunCheck},
    {"derive", "derive FORMULA [--var NAME]", RunDerive},
    {"eval", "eval FORMULA [--var NAME] [--value NUMBER]", RunEval},
    {"integrate", "integrate FORMULA1 [FORMULA2] [--min A] [--max B] [--steps N] [--abs]",
     RunIntegrate},
    {"intersect", "intersect FILE --graphs N M [--min A] [--max B] [--steps S] [--digits D]",
     RunIntersect},
    {"number", "number TEXT", RunNumber},
    {"regress", "regress FILE --table K [--type T] [--power P]", RunRegress},
    {"render", "render FILE OUT [--size WxH] [--timeout SECONDS]", RunRender},
    {"tangent", "tangent FILE --graph N --at V [--normal]", RunTangent},
};

void PrintUsage(std::ostream& out) {
    out << "Usage: plotwise-cli COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const Command& command : kCommands)
        out << "  " << command.synopsis << '\n';
    out << "\n"
           "eval prints the value of FORMULA in the variable NAME (default X) at NUMBER\n"
           "(default 0) as the Calculator window shows it, or Error where the formula has\n"
           "no value. derive prints the derivative of FORMULA in NAME (default x) as the\n"
           "Derivative window shows it. number prints TEXT read as a number field reads it.\n"
           "check tells whether the document FILE opens and how many graphs it holds.\n"
           "render draws the document FILE into OUT (default size 800x600, each side 100 to\n"
           "3000) as Export does when OUT ends in .png, .svg or .pdf, else as the 16-colour\n"
           "BMP of Save As Bitmap; with --timeout it gives up after SECONDS (exit 3). OUT\n"
           "may not be FILE.\n"
           "analyse prints the zeros and extremums of the Y(x) formula FORMULA over A..B\n"
           "(default -10..10, 200 steps, 2 decimal signs) as the analysis report file has\n"
           "them. integrate prints the definite integral of FORMULA1 - FORMULA2 (default 0)\n"
           "over A..B by Simpson's rule on N steps (default 200), of its absolute value\n"
           "with --abs, as the Definite Integral window shows it.\n"
           "intersect prints where the Y(x) graph N and the Y(x) or X(y) graph M (from 1;\n"
           "M 0 is the X axis) of the document FILE meet over A..B (default -10..10, 200\n"
           "steps, 2 decimal signs) as the intersections report file has it.\n"
           "tangent prints the line the Tangent or Normal window adds for graph N (from 1)\n"
           "of the document FILE at the value V of its variable (for R(a) in multiples of\n"
           "pi), the normal with --normal. regress prints the formula, the deviation and\n"
           "R^2 the Regression window shows for the K-th table graph (from 1) of FILE, with\n"
           "the family T (1 linear, 2 hyperbolic, 3 logarithmic, 4 power, 5 exponential,\n"
           "6 exponential II, 7 polynomial of degree P, 8 best fit; default 1, P 2).\n"
           "Numbers are written 1.5 or 1.5*10^(-3); formulas hold at most 255 characters;\n"
           "\"--\" ends the options.\n"
           "Formulas and numbers may be typed in everyday notation (2x, e^x, 1e5, x^2,\n"
           "pi/2); --strict, before or after the command, reads the formula language alone.\n"
           "Exit codes: 0 done, 2 invalid input, 3 input/output failure.\n";
}

}  // namespace

int Fail(const std::string& message, int code) {
    std::string text = message;
    std::replace(text.begin(), text.end(), '\r', '\n');
    std::cerr << text << '\n';
    return code;
}

int FailFormula(const std::string& message, const std::string& typed,
                const std::optional<TextSpot>& spot) {
    return Fail(spot ? message + "\r" + CaretLines(typed, *spot) : message);
}

int Printed() {
    std::cout.flush();
    return std::cout ? kExitOk : Fail("cannot write the result", kExitIo);
}

}  // namespace plotwise::cli

int main(int argc, char** argv) {
    using namespace plotwise::cli;
    // --strict before the command goes to the command's options.
    const bool strict = argc >= 2 && std::string(argv[1]) == "--strict";
    const int first = strict ? 2 : 1;
    if (argc < first + 1) {
        PrintUsage(std::cerr);
        return kExitInvalid;
    }
    const std::string name = argv[first];
    if (name == "--help" || name == "-h" || name == "help") {
        PrintUsage(std::cout);
        return kExitOk;
    }
    std::vector<std::string> args(argv + first + 1, argv + argc);
    if (strict) args.insert(args.begin(), "--strict");
    for (const Command& command : kCommands) {
        if (name != command.name) continue;
        const auto optionsEnd = std::find(args.begin(), args.end(), "--");
        if (std::find(args.begin(), optionsEnd, "--help") != optionsEnd) {
            std::cout << "Usage: plotwise-cli " << command.synopsis << '\n';
            return kExitOk;
        }
        return command.run(args);
    }
    return Fail("unknown command: " + name + " (see plotwise-cli --help)");
}
