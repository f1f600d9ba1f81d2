#include "cli/Command.h"

namespace marklode::cli {

namespace {

const OptionSpec* findLong(std::span<const OptionSpec> specs, std::string_view name) {
    for (const OptionSpec& spec : specs)
        if (spec.longName == name)
            return &spec;
    return nullptr;
}

const OptionSpec* findShort(std::span<const OptionSpec> specs, char name) {
    for (const OptionSpec& spec : specs)
        if (spec.shortName != 0 && spec.shortName == name)
            return &spec;
    return nullptr;
}

} // namespace

Arguments::Arguments(const std::vector<std::string>& args, std::span<const OptionSpec> specs) {
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            positional_.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionSpec* spec = nullptr;
        std::optional<std::string> inlineValue;
        if (arg.starts_with("--")) {
            std::string_view name = arg.substr(2);
            if (auto equals = name.find('='); equals != std::string_view::npos) {
                inlineValue = std::string(name.substr(equals + 1));
                name = name.substr(0, equals);
            }
            spec = findLong(specs, name);
        } else if (arg.size() == 2) {
            spec = findShort(specs, arg[1]);
        }
        if (!spec)
            throw UsageError("unknown option " + std::string(arg));
        std::string& slot = values_[std::string(spec->longName)].emplace_back();
        if (!spec->takesValue) {
            if (inlineValue)
                throw UsageError("option --" + std::string(spec->longName) + " takes no value");
            continue;
        }
        if (inlineValue) {
            slot = *inlineValue;
        } else if (i + 1 < args.size()) {
            slot = args[++i];
        } else {
            throw UsageError("option --" + std::string(spec->longName) + " needs a value");
        }
    }
}

std::optional<std::string> Arguments::value(std::string_view name) const {
    auto it = values_.find(name);
    if (it == values_.end() || it->second.empty())
        return std::nullopt;
    return it->second.back();
}

const std::vector<std::string>& Arguments::values(std::string_view name) const {
    static const std::vector<std::string> none;
    auto it = values_.find(name);
    return it == values_.end() ? none : it->second;
}

} // namespace marklode::cli
