#pragma once

#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace marklode::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Starts marklode-cli with the arguments and extra environment, its standard output and error
// going to the given descriptors; the caller waits for it (or kills it).
// With `asUser` the child drops to that user first, so that root can test permission refusals.
int spawnCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
             int outFd, int errFd, std::optional<uid_t> asUser = std::nullopt);

// Runs marklode-cli with the arguments and extra environment, capturing both streams.
CliRun runCli(const std::vector<std::string>& args,
              const std::map<std::string, std::string>& env = {},
              std::optional<uid_t> asUser = std::nullopt);

// Runs `bash -c SCRIPT`, in which "$cli" names marklode-cli, capturing both streams: for inputs
// that reach the program through real pipes.
CliRun runShell(const std::string& script, std::map<std::string, std::string> env = {});

// The user "nobody", who owns nothing.
inline constexpr uid_t nobody = 65534;

} // namespace marklode::test
