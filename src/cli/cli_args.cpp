#include "cli/cli_args.h"

namespace plotwise::cli {

std::string ParsedArgs::Value(const std::string& name, const std::string& fallback) const {
    const auto found = values.find(name);
    return found == values.end() ? fallback : found->second;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args,
                     const std::vector<KnownOption>& options) {
    ParsedArgs parsed;
    auto findOption = [&options](const std::string& name) -> const KnownOption* {
        for (const KnownOption& option : options) {
            if (option.name == name) return &option;
        }
        return nullptr;
    };
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded) {
            parsed.positional.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--strict") {
            parsed.notation = Notation::Strict;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const KnownOption* known = arg.rfind("--", 0) == 0 ? findOption(name) : nullptr;
        if (known == nullptr) {
            parsed.positional.push_back(arg);
        } else if (!known->takesValue) {
            if (equals != std::string::npos) parsed.error = "option " + name + " takes no value";
            parsed.values[name] = "";
        } else if (equals != std::string::npos) {
            parsed.values[name] = arg.substr(equals + 1);
        } else if (i + 1 < args.size()) {
            parsed.values[name] = args[++i];
        } else {
            parsed.error = "option " + name + " needs a value";
        }
    }
    return parsed;
}

}  // namespace plotwise::cli
