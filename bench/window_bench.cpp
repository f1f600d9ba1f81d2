// Start-up of the desktop window: from starting the process to the main window's first paint,
// against a bare QWidget in the same run. Each measurement is a fresh process (this binary with
// --window or --bare) that prints one line when it has painted and quits; the parent times it.
#include "platform/PlatformServices.h"
#include "ui/shell/MarklodeApp.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

class FirstPaint : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            std::puts("painted");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return false;
    }
};

int child(bool window, int argc, char** argv) {
    QApplication application(argc, argv);
    FirstPaint paint;
    if (!window) {
        QWidget bare;
        bare.resize(900, 600);
        bare.installEventFilter(&paint);
        bare.show();
        return application.exec();
    }
    marklode::MarklodeApp app(marklode::platformDeviceServices());
    app.mainWindow()->installEventFilter(&paint);
    app.mainWindow()->show();
    return application.exec();
}

// Milliseconds from spawning the child to its "painted" line.
double timed(const char* self, const char* mode) {
    int out[2];
    if (::pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> args{const_cast<char*>(self), const_cast<char*>(mode), nullptr};
    auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, self, &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    if (spawned != 0) {
        ::close(out[0]);
        return -1;
    }
    std::string line;
    char c = 0;
    while (::read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    auto end = std::chrono::steady_clock::now();
    ::close(out[0]);
    int status = 0;
    ::waitpid(pid, &status, 0);
    if (line != "painted")
        return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--window") == 0)
        return child(true, argc, argv);
    if (argc > 1 && std::strcmp(argv[1], "--bare") == 0)
        return child(false, argc, argv);
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::vector<double> window, bare;
    for (int run = 0; run < 11; ++run) { // alternating, so both see the same machine
        window.push_back(timed(argv[0], "--window"));
        bare.push_back(timed(argv[0], "--bare"));
    }
    if (std::count(window.begin(), window.end(), -1.0) ||
        std::count(bare.begin(), bare.end(), -1.0)) {
        std::fprintf(stderr, "window-bench: a child did not paint\n");
        return 1;
    }
    std::printf("start-up: %.0f ms; bare QWidget: %.0f ms\n", median(window), median(bare));
    return 0;
}
