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

// Runs marklode-cli with the arguments and extra environment, capturing both streams.
CliRun runCli(const std::vector<std::string>& args,
              const std::map<std::string, std::string>& env = {});

} // namespace marklode::test
