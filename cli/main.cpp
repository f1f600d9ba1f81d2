#include "cli/Command.h"
#include "cli/Printing.h"
#include "core/text/Translation.h"
#include "translations/DesktopLanguage.h"

#include <iostream>
#include <unistd.h>

namespace marklode::cli {
std::unique_ptr<Command> makeImportCommand();
std::unique_ptr<Command> makeConvertCommand();
std::unique_ptr<Command> makeInspectCommand();
std::unique_ptr<Command> makeIconCommand();
std::unique_ptr<Command> makeDevicesCommand();
std::unique_ptr<Command> makeSendCommand();
std::unique_ptr<Command> makeRemoveCommand();
std::unique_ptr<Command> makeBackupsCommand();
std::unique_ptr<Command> makeRestoreCommand();

std::vector<std::unique_ptr<Command>> allCommands() {
    std::vector<std::unique_ptr<Command>> commands;
    commands.push_back(makeImportCommand());
    commands.push_back(makeConvertCommand());
    commands.push_back(makeInspectCommand());
    commands.push_back(makeIconCommand());
    commands.push_back(makeDevicesCommand());
    commands.push_back(makeSendCommand());
    commands.push_back(makeRemoveCommand());
    commands.push_back(makeBackupsCommand());
    commands.push_back(makeRestoreCommand());
    return commands;
}
} // namespace marklode::cli

namespace {

using namespace marklode::cli;
using marklode::formatted;
using marklode::printable;
using marklode::translate;

void printOverview(std::ostream& out, const std::vector<std::unique_ptr<Command>>& commands) {
    //: The words in capitals stand for what the user types; the command and option names stay.
    out << translate("CliMain", "Usage: marklode-cli COMMAND [OPTIONS]")
        << "\n\n"
        //: The heading of the list of commands, each with what it does.
        << translate("CliMain", "Commands:") << '\n';
    for (const auto& command : commands) {
        std::string name(command->name());
        out << "  " << name << std::string(name.size() < 10 ? 10 - name.size() : 1, ' ')
            << command->summary() << '\n';
    }
    out << '\n'
        << translate("CliMain", "Run marklode-cli COMMAND --help for the options of one command,\n"
                                "marklode-cli --version for the version.")
        << '\n';
}

} // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    marklode::useDesktopLanguage();
    auto commands = allCommands();
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "--help" || args[0] == "-h") {
        printOverview(args.empty() ? std::cerr : std::cout, commands);
        return args.empty() ? exitUsage : exitSuccess;
    }
    if (args[0] == "--version") {
        std::cout << "marklode-cli " << MARKLODE_VERSION << '\n';
        return exitSuccess;
    }
    const Command* command = nullptr;
    for (const auto& candidate : commands)
        if (candidate->name() == args[0])
            command = candidate.get();
    if (!command) {
        std::cerr << "marklode-cli: "
                  << formatted(translate("CliMain", "unknown command '%1'"), {printable(args[0])})
                  << "\n\n";
        printOverview(std::cerr, commands);
        return exitUsage;
    }
    args.erase(args.begin());
    for (const std::string& arg : args)
        if (arg == "--help" || arg == "-h") {
            std::cout << command->help();
            return exitSuccess;
        } else if (arg == "--") {
            break;
        }
    Streams io{std::cout, std::cerr, ::isatty(STDERR_FILENO) == 1};
    try {
        return command->run(Arguments(args, command->options()), io);
    } catch (const UsageError& error) {
        std::cerr << "marklode-cli " << command->name() << ": " << printable(error.what()) << "\n"
                  << formatted(translate("CliMain", "Run marklode-cli %1 --help for its options."),
                               {command->name()})
                  << '\n';
        return exitUsage;
    }
}
