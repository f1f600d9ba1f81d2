#pragma once

#include "core/io/LocalFileSystem.h"
#include "models/DeviceViewModel.h"
#include "models/LibraryViewModel.h"
#include "support/ForwardingFileSystem.h"
#include "support/QtTestSupport.h"
#include "support/TempDir.h"
#include "ui/main/MainWindow.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QMessageBox>
#include <QSettings>
#include <algorithm>
#include <gtest/gtest.h>

// Readable texts in failure messages.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace marklode::test {

// The main window on real models: files in a temp folder, device volumes that are plain
// folders the test plugs in and out, backups in the temp folder.
class WindowFixture : public ::testing::Test {
  protected:
    static constexpr std::string_view oneRow = "Name,Latitude,Longitude\nA,47,8\n";

    WindowFixture() {
        auto settings = std::make_unique<QSettings>(
            QString::fromStdString((dir / "settings.ini").string()), QSettings::IniFormat);
        library = std::make_unique<LibraryViewModel>(
            QLocale(QStringLiteral("en_US")),
            std::make_shared<SettingsStore>(std::move(settings), "en_US.UTF-8"),
            LibraryServices{
                localFileSystem(), [this](const Path& url) { return readInput(url); }, {}});
        DeviceServices services{
            fileSystem,
            [this] { return volumes; },
            [this] { return dir / "backups"; },
            [] { return std::chrono::system_clock::now(); },
            [] { return std::make_unique<VolumeWatcher>(); },
            nullptr,
            [this](const Path& folder) { revealed.push_back(folder); },
        };
        devices = std::make_unique<DeviceViewModel>(std::move(services),
                                                    QLocale(QStringLiteral("en_US")));
        window = std::make_unique<MainWindow>(*library, *devices);
    }

    Path plugIn(const std::string& name) {
        std::filesystem::create_directories(dir / name / "Garmin");
        volumes.push_back(dir / name);
        await(devices->refresh());
        return volumes.back();
    }

    InputFile* addFile(const std::string& name, const std::string& text) {
        await(library->add({dir.write(name, text)}));
        return library->files().back();
    }

    // The open alerts of the window, by their titles.
    std::vector<QMessageBox*> alerts() const {
        std::vector<QMessageBox*> open;
        for (QMessageBox* box : window->findChildren<QMessageBox*>())
            if (box->isVisible())
                open.push_back(box);
        return open;
    }

    // In their order on screen, left to right.
    static QStringList buttonTexts(QMessageBox* box) {
        QList<QAbstractButton*> buttons = box->buttons();
        std::sort(buttons.begin(), buttons.end(), [box](QAbstractButton* a, QAbstractButton* b) {
            return a->mapTo(box, QPoint()).x() < b->mapTo(box, QPoint()).x();
        });
        QStringList texts;
        for (QAbstractButton* button : buttons)
            texts << button->text().remove(QLatin1Char('&'));
        return texts;
    }

    // What a screen reader says for a widget: the names of the labels that label it, then its
    // own name.
    static QString spoken(QWidget* widget) {
        QAccessibleInterface* self = QAccessible::queryAccessibleInterface(widget);
        QStringList words;
        for (const auto& [label, relation] : self->relations(QAccessible::Label))
            words << label->text(QAccessible::Name);
        return (words << self->text(QAccessible::Name)).join(QLatin1Char(' '));
    }

    // The local disk; writes wait at the gate while a test holds it.
    struct HeldWrites final : ForwardingFileSystem {
        void writeAndSync(std::span<const std::uint8_t> data, const Path& path) const override {
            if (hold)
                hold();
            local.writeAndSync(data, path);
        }
        std::function<std::size_t()> hold;
    };

    TempDir dir;
    std::shared_ptr<HeldWrites> fileSystem = std::make_shared<HeldWrites>();
    std::vector<Path> volumes;
    std::vector<Path> revealed;
    InputReader readInput = [](const Path& url) { return readFileBytes(url); };
    std::unique_ptr<LibraryViewModel> library;
    std::unique_ptr<DeviceViewModel> devices;
    std::unique_ptr<MainWindow> window;
};

} // namespace marklode::test
