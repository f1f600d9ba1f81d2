#pragma once

#include <map>
#include <string>
#include <vector>

namespace marklode::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Starts marklode-cli with the arguments and extra environment, its standard output and error
// going to the given descriptors; the caller waits for it (or kills it).
int spawnCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
             int outFd, int errFd);

// Runs marklode-cli with the arguments and extra environment, capturing both streams.
CliRun runCli(const std::vector<std::string>& args,
              const std::map<std::string, std::string>& env = {});

} // namespace marklode::test
