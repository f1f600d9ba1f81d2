#pragma once

#include <iosfwd>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace marklode::cli {

enum ExitStatus { exitSuccess = 0, exitFailure = 1, exitUsage = 2 };

struct OptionSpec {
    std::string_view longName;
    char shortName = 0;
    bool takesValue = false;
};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

// GNU-style arguments: --name value, --name=value, -x value, bundled flags are not needed.
class Arguments {
  public:
    Arguments(const std::vector<std::string>& args, std::span<const OptionSpec> known);

    bool has(std::string_view name) const { return values_.count(std::string(name)) != 0; }
    std::optional<std::string> value(std::string_view name) const;
    const std::vector<std::string>& values(std::string_view name) const;
    const std::vector<std::string>& positional() const { return positional_; }

  private:
    std::map<std::string, std::vector<std::string>, std::less<>> values_;
    std::vector<std::string> positional_;
};

struct Streams {
    std::ostream& out;
    std::ostream& err;
    bool errIsTerminal = false;
};

class Command {
  public:
    virtual ~Command() = default;
    virtual std::string_view name() const = 0;
    // In the user's language.
    virtual std::string summary() const = 0;
    virtual std::string help() const = 0;
    virtual std::span<const OptionSpec> options() const = 0;
    // Throws UsageError for bad arguments.
    virtual int run(const Arguments& args, Streams& io) const = 0;
};

std::vector<std::unique_ptr<Command>> allCommands();

} // namespace marklode::cli
