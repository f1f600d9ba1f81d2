#include "cli/Command.h"

#include "core/text/Translation.h"

namespace marklode::cli {

namespace {

const OptionSpec* findLong(std::span<const OptionSpec> known, std::string_view name) {
    for (const OptionSpec& option : known)
        if (option.longName == name)
            return &option;
    return nullptr;
}

const OptionSpec* findShort(std::span<const OptionSpec> known, char name) {
    for (const OptionSpec& option : known)
        if (option.shortName != 0 && option.shortName == name)
            return &option;
    return nullptr;
}

} // namespace

Arguments::Arguments(const std::vector<std::string>& args, std::span<const OptionSpec> known) {
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
        const OptionSpec* option = nullptr;
        std::optional<std::string> inlineValue;
        if (arg.starts_with("--")) {
            std::string_view name = arg.substr(2);
            if (auto equals = name.find('='); equals != std::string_view::npos) {
                inlineValue = std::string(name.substr(equals + 1));
                name = name.substr(0, equals);
            }
            option = findLong(known, name);
        } else if (arg.size() == 2) {
            option = findShort(known, arg[1]);
        }
        if (!option)
            throw UsageError(formatted(translate("CliArguments", "unknown option %1"), {arg}));
        std::string& slot = values_[std::string(option->longName)].emplace_back();
        if (!option->takesValue) {
            if (inlineValue)
                throw UsageError(formatted(translate("CliArguments", "option --%1 takes no value"),
                                           {option->longName}));
            continue;
        }
        if (inlineValue) {
            slot = *inlineValue;
        } else if (i + 1 < args.size()) {
            slot = args[++i];
        } else {
            throw UsageError(formatted(translate("CliArguments", "option --%1 needs a value"),
                                       {option->longName}));
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
