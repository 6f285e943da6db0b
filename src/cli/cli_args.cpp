#include "cli_args.h"

namespace plotwise::cli {

std::string ParsedArgs::Value(const std::string& name, const std::string& fallback) const {
    const auto found = values.find(name);
    return found == values.end() ? fallback : found->second;
}

ParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<OptionSpec>& specs) {
    ParsedArgs parsed;
    auto findSpec = [&specs](const std::string& name) -> const OptionSpec* {
        for (const OptionSpec& spec : specs) {
            if (spec.name == name) return &spec;
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
        const std::size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        const OptionSpec* spec = arg.rfind("--", 0) == 0 ? findSpec(name) : nullptr;
        if (spec == nullptr) {
            parsed.positional.push_back(arg);
        } else if (!spec->takesValue) {
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
