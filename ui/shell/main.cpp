#include "platform/PlatformServices.h"
#include "translations/DesktopLanguage.h"
#include "ui/main/MainWindow.h"
#include "ui/shell/InfoDictionary.h"
#include "ui/shell/MarklodeApp.h"
#include "ui/widgets/Contrast.h"
#include "ui/widgets/Icons.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFileInfo>
#include <QIcon>
#include <QTimer>
#include <vector>

// The one place that wires the platform's services into the models and opens the window.
int main(int argc, char** argv) {
    QApplication application(argc, argv);
    marklode::useDesktopLanguage();
    // The X11 window class (WM_CLASS "marklode", "Marklode") is the desktop entry's
    // StartupWMClass. Settings and backups live under the organisation's and application's
    // names (~/.config/Marklode, ~/.local/share/Marklode): they stay, whatever the app id.
    QApplication::setApplicationName(QStringLiteral("Marklode"));
    QApplication::setOrganizationName(QStringLiteral("Marklode"));
    QApplication::setApplicationVersion(
        marklode::mainInfoDictionary().value(QStringLiteral("CFBundleShortVersionString")));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/marklode.svg")));
    // The installed desktop entry's name, the application id (Wayland's app_id), so that the
    // desktop shows the window as that entry.
    QApplication::setDesktopFileName(
        marklode::mainInfoDictionary().value(QStringLiteral("CFBundleIdentifier")));
    marklode::prepareIconTheme();
    marklode::keepPlaceholderTextReadable();

    QCommandLineParser parser;
    parser.setApplicationDescription(QCoreApplication::translate(
        "CommandLine", "Converts CSV and GPX points of interest to Garmin .gpi files."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        //: What the program takes on its command line, as --help names it.
        QCoreApplication::translate("CommandLine", "FILE|FOLDER"),
        QCoreApplication::translate("CommandLine",
                                    ".csv or .gpx files, or folders that hold them"));
    parser.process(application);

    marklode::MarklodeApp app(marklode::platformDeviceServices());
    app.mainWindow()->show();
    // What a file manager's "Open With" passes is added as a drop would be.
    std::vector<marklode::Path> paths;
    for (const QString& argument : parser.positionalArguments())
        paths.emplace_back(QFileInfo(argument).absoluteFilePath().toStdString());
    if (!paths.empty())
        QTimer::singleShot(0, &app, [&app, paths] { app.library().add(paths); });
    return application.exec();
}
