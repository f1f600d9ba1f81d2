#include "cli/CliRunner.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <grp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace marklode::test {

namespace {

// Another user may be unable to reach the build tree (a checkout below /root, say), so the
// program runs as that user from a copy in a folder everyone can enter.
struct ProgramCopy {
    ProgramCopy() {
        std::string name = "/tmp/marklode-cli-XXXXXX";
        if (!::mkdtemp(name.data()) || ::chmod(name.c_str(), 0755) != 0)
            throw std::runtime_error("no folder for a copy of the program");
        folder = name;
        program = folder / "marklode-cli";
        std::filesystem::copy_file(MARKLODE_CLI, program);
        ::chmod(program.c_str(), 0755);
    }
    ~ProgramCopy() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::filesystem::path folder, program;
};

std::string programFor(std::optional<uid_t> asUser) {
    if (!asUser)
        return MARKLODE_CLI;
    static const ProgramCopy copy;
    return copy.program.string();
}

int spawnProgram(const std::string& program, const std::vector<std::string>& args,
                 const std::map<std::string, std::string>& env, int outFd, int errFd,
                 std::optional<uid_t> asUser) {
    pid_t pid = ::fork();
    if (pid < 0)
        throw std::runtime_error("fork failed");
    if (pid == 0) {
        ::dup2(outFd, STDOUT_FILENO);
        ::dup2(errFd, STDERR_FILENO);
        int devNull = ::open("/dev/null", O_RDONLY);
        ::dup2(devNull, STDIN_FILENO);
        // English unless a test asks for another language: the tests read the English texts.
        ::setenv("LANGUAGE", "en", 1);
        for (const auto& [name, value] : env)
            ::setenv(name.c_str(), value.c_str(), 1);
        if (asUser &&
            (::setgroups(0, nullptr) != 0 || ::setresgid(*asUser, *asUser, *asUser) != 0 ||
             ::setresuid(*asUser, *asUser, *asUser) != 0))
            ::_exit(126);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& arg : args)
            argv.push_back(const_cast<char*>(arg.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    return pid;
}

CliRun runProgram(const std::string& program, const std::vector<std::string>& args,
                  const std::map<std::string, std::string>& env, std::optional<uid_t> asUser) {
    int outPipe[2], errPipe[2];
    if (::pipe2(outPipe, O_CLOEXEC) != 0 || ::pipe2(errPipe, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    pid_t pid = spawnProgram(program, args, env, outPipe[1], errPipe[1], asUser);
    ::close(outPipe[1]);
    ::close(errPipe[1]);
    CliRun run;
    pollfd fds[2] = {{outPipe[0], POLLIN, 0}, {errPipe[0], POLLIN, 0}};
    std::string* sinks[2] = {&run.out, &run.err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        if (::poll(fds, 2, -1) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            ssize_t got = ::read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else if (got == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

} // namespace

int spawnCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
             int outFd, int errFd, std::optional<uid_t> asUser) {
    return spawnProgram(programFor(asUser), args, env, outFd, errFd, asUser);
}

CliRun runCli(const std::vector<std::string>& args, const std::map<std::string, std::string>& env,
              std::optional<uid_t> asUser) {
    return runProgram(programFor(asUser), args, env, asUser);
}

CliRun runShell(const std::string& script, std::map<std::string, std::string> env) {
    env["cli"] = MARKLODE_CLI;
    return runProgram("/bin/bash", {"-c", script}, env, std::nullopt);
}

} // namespace marklode::test
