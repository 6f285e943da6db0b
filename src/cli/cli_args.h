// Command-line arguments of plotwise-cli: positional values and --options.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "formula/everyday_reader.h"

namespace plotwise::cli {

struct KnownOption {
    std::string name;  // with its dashes: "--var"
    bool takesValue;
};

struct ParsedArgs {
    std::vector<std::string> positional;
    std::map<std::string, std::string> values;  // options with a value, and flags ("")
    std::string error;                          // non-empty when the arguments are unusable
    Notation notation = Notation::Everyday;     // Strict with --strict

    bool Has(const std::string& name) const { return values.count(name) != 0; }
    std::string Value(const std::string& name, const std::string& fallback) const;
};

// "--" ends the options; an argument that starts with "-" but names no known option is a
// value, so formulas such as -x^2 need no quoting. "--name=value" works as well. --strict,
// which every command takes, reads formulas and numbers in the formula language alone.
ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<KnownOption>& options);

}  // namespace plotwise::cli
