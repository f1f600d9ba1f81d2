#pragma once

#include "ui/shell/AppConfig.h"

#include <QWidget>

namespace marklode {

// "About Marklode": icon, name, version, what it does, links, and the trademark note.
class AboutWindow : public QWidget {
    Q_OBJECT
  public:
    AboutWindow(const AppConfig& config, const InfoDictionary& info, QWidget* parent = nullptr);

    // "Version 0.1.0 (1)", with "?" for a missing part.
    static QString versionLine(const InfoDictionary& info);
};

} // namespace marklode
