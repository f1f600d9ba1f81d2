#pragma once

#include "ui/shell/AppConfig.h"

#include <QWidget>

class QPushButton;

namespace marklode {

// "About Marklode": icon, name, version, what it does, links, the version info to copy for a
// bug report, the licence, the credits for the map data and the libraries, and the trademark
// note.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    AboutWindow(const AppConfig& config, const InfoDictionary& info, QWidget* parent = nullptr);

    // "Version 0.1.0 (1)", with "?" for a missing part.
    static QString versionLine(const InfoDictionary& info);
    // What a bug report needs, one fact a line: the program's version, the Qt it runs on, the
    // system and the platform plugin. In English, for whoever reads the report.
    static QString versionInfo(const InfoDictionary& info);

    QPushButton* copyVersionInfoButton() const { return copyVersionInfo_; }

  private:
    QPushButton* copyVersionInfo_;
};

} // namespace marklode
