#include "ui/shell/AboutWindow.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QSysInfo>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>

namespace marklode {

namespace {

QPushButton* link(const QString& text, const QUrl& url, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(QStringLiteral("QPushButton { color: palette(link); border: none; }"));
    button->setAccessibleName(text);
    QObject::connect(button, &QPushButton::clicked, parent,
                     [url] { QDesktopServices::openUrl(url); });
    return button;
}

// A paragraph of small print whose links open in the browser.
QLabel* smallPrint(const QString& html) {
    auto* label = new QLabel(html);
    label->setTextFormat(Qt::RichText);
    label->setWordWrap(true);
    label->setOpenExternalLinks(true);
    label->setTextInteractionFlags(Qt::TextBrowserInteraction);
    QFont caption = label->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    label->setFont(caption);
    label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QString anchor(const char* url, const QString& text) {
    return QStringLiteral("<a href=\"%1\">%2</a>")
        .arg(QString::fromLatin1(url), text.toHtmlEscaped());
}

} // namespace

QString AboutWindow::versionLine(const InfoDictionary& info) {
    auto part = [&](const char* key) {
        QString value = info.value(QString::fromLatin1(key));
        return value.isEmpty() ? QStringLiteral("?") : value;
    };
    //: The version the user knows, then the build number.
    return tr("Version %1 (%2)").arg(part("CFBundleShortVersionString"), part("CFBundleVersion"));
}

QString AboutWindow::versionInfo(const InfoDictionary& info) {
    auto part = [&](const char* key) {
        QString value = info.value(QString::fromLatin1(key));
        return value.isEmpty() ? QStringLiteral("?") : value;
    };
    QStringList lines;
    lines << QStringLiteral("Marklode %1 (%2)")
                 .arg(part("CFBundleShortVersionString"), part("CFBundleVersion"));
    lines << QStringLiteral("Qt %1 (built with %2)")
                 .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR));
    lines << QStringLiteral("%1 (%2 %3, %4)")
                 .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(),
                      QSysInfo::kernelVersion(), QSysInfo::currentCpuArchitecture());
    lines << QStringLiteral("Platform: %1").arg(QGuiApplication::platformName());
    if (QString desktop = qEnvironmentVariable("XDG_CURRENT_DESKTOP"); !desktop.isEmpty())
        lines << QStringLiteral("Desktop: %1").arg(desktop);
    return lines.join(QLatin1Char('\n'));
}

AboutWindow::AboutWindow(const AppConfig& config, const InfoDictionary& info, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(tr("About Marklode"));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/marklode.svg")).pixmap(96, 96));
    icon->setAccessibleName(tr("Marklode icon"));
    auto* name = new QLabel(QStringLiteral("Marklode"));
    QFont title = name->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setWeight(QFont::DemiBold);
    name->setFont(title);
    auto* version = new QLabel(versionLine(info));
    version->setObjectName(QStringLiteral("versionLine"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    version->setForegroundRole(QPalette::PlaceholderText);
    auto* purpose = new QLabel(tr("Converts CSV and GPX points of interest to Garmin .gpi files."));
    purpose->setWordWrap(true);

    auto* links = new QHBoxLayout;
    links->setSpacing(16);
    links->addStretch(1);
    auto* website = link(tr("Website"), config.websiteURL, this);
    website->setObjectName(QStringLiteral("websiteLink"));
    links->addWidget(website);
    QUrl mail(QStringLiteral("mailto:") + config.supportEmail);
    if (config.supportEmailIsSet() && mail.isValid()) {
        auto* email = link(tr("Email Support"), mail, this);
        email->setObjectName(QStringLiteral("emailLink"));
        links->addWidget(email);
    }
    links->addStretch(1);

    // For a bug report: the versions on the clipboard, and a moment's word that they are there.
    const QString copied = tr("Version Info Copied");
    copyVersionInfo_ = new QPushButton(copied);
    copyVersionInfo_->setObjectName(QStringLiteral("copyVersionInfo"));
    const int wide = copyVersionInfo_->sizeHint().width();
    copyVersionInfo_->setText(tr("Copy Version Info"));
    copyVersionInfo_->setMinimumWidth(std::max(wide, copyVersionInfo_->sizeHint().width()));
    auto* restore = new QTimer(this);
    restore->setSingleShot(true);
    restore->setInterval(2000);
    connect(restore, &QTimer::timeout, this,
            [this] { copyVersionInfo_->setText(tr("Copy Version Info")); });
    connect(copyVersionInfo_, &QPushButton::clicked, this, [this, info, copied, restore] {
        QGuiApplication::clipboard()->setText(versionInfo(info));
        copyVersionInfo_->setText(copied);
        restore->start();
    });

    auto* licence = smallPrint(tr("Marklode is free software under the %1, version 3 or later.")
                                   .arg(anchor("https://www.gnu.org/licenses/gpl-3.0.html",
                                               tr("GNU General Public License"))));
    licence->setObjectName(QStringLiteral("licence"));
    auto* credits = smallPrint(
        tr("Map tiles \u00A9 %1. Built-in map outlines from %2 (public domain).")
            .arg(
                anchor("https://www.openstreetmap.org/copyright", tr("OpenStreetMap contributors")),
                anchor("https://www.naturalearthdata.com/", QStringLiteral("Natural Earth"))) +
        QStringLiteral("<br>") +
        tr("Made with Qt (LGPL-3.0), expat (MIT), utf8proc (MIT), libsodium (ISC), libzip "
           "(BSD-3-Clause), simdjson (Apache-2.0), libpng (libpng-2.0) and libjpeg-turbo (IJG, "
           "BSD-3-Clause)."));
    credits->setObjectName(QStringLiteral("credits"));

    auto* trademark =
        new QLabel(tr("Not affiliated with Garmin Ltd. Garmin is a trademark of Garmin Ltd."));
    trademark->setWordWrap(true);
    QFont caption = trademark->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    trademark->setFont(caption);
    trademark->setForegroundRole(QPalette::PlaceholderText);

    for (QLabel* label : {icon, name, version, purpose, licence, credits, trademark}) {
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(272); // 320 less the margins
    }
    layout->addWidget(icon);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addLayout(links);
    layout->addWidget(copyVersionInfo_, 0, Qt::AlignHCenter);
    layout->addWidget(licence);
    layout->addWidget(credits);
    layout->addWidget(trademark);
}

} // namespace marklode
