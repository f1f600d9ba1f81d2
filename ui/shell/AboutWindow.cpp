#include "ui/shell/AboutWindow.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

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

} // namespace

QString AboutWindow::versionLine(const InfoDictionary& info) {
    auto part = [&](const char* key) {
        QString value = info.value(QString::fromLatin1(key));
        return value.isEmpty() ? QStringLiteral("?") : value;
    };
    return QStringLiteral("Version %1 (%2)")
        .arg(part("CFBundleShortVersionString"), part("CFBundleVersion"));
}

AboutWindow::AboutWindow(const AppConfig& config, const InfoDictionary& info, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("aboutWindow"));
    setWindowTitle(QStringLiteral("About Marklode"));
    setAccessibleName(windowTitle());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->setSpacing(10);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    auto* icon = new QLabel;
    icon->setPixmap(QIcon(QStringLiteral(":/marklode.svg")).pixmap(96, 96));
    icon->setAccessibleName(QStringLiteral("Marklode icon"));
    auto* name = new QLabel(QStringLiteral("Marklode"));
    QFont title = name->font();
    title.setPointSizeF(title.pointSizeF() * 1.6);
    title.setWeight(QFont::DemiBold);
    name->setFont(title);
    auto* version = new QLabel(versionLine(info));
    version->setObjectName(QStringLiteral("versionLine"));
    version->setTextInteractionFlags(Qt::TextSelectableByMouse);
    version->setForegroundRole(QPalette::PlaceholderText);
    auto* purpose =
        new QLabel(QStringLiteral("Converts CSV and GPX points of interest to Garmin .gpi files."));
    purpose->setWordWrap(true);

    auto* links = new QHBoxLayout;
    links->setSpacing(16);
    links->addStretch(1);
    auto* website = link(QStringLiteral("Website"), config.websiteURL, this);
    website->setObjectName(QStringLiteral("websiteLink"));
    links->addWidget(website);
    QUrl mail(QStringLiteral("mailto:") + config.supportEmail);
    if (config.supportEmailIsSet() && mail.isValid()) {
        auto* email = link(QStringLiteral("Email Support"), mail, this);
        email->setObjectName(QStringLiteral("emailLink"));
        links->addWidget(email);
    }
    links->addStretch(1);

    auto* trademark = new QLabel(
        QStringLiteral("Not affiliated with Garmin Ltd. Garmin is a trademark of Garmin Ltd."));
    trademark->setWordWrap(true);
    QFont caption = trademark->font();
    caption.setPointSizeF(caption.pointSizeF() * 0.85);
    trademark->setFont(caption);
    trademark->setForegroundRole(QPalette::PlaceholderText);

    for (QLabel* label : {icon, name, version, purpose, trademark}) {
        label->setAlignment(Qt::AlignCenter);
        label->setFixedWidth(272); // 320 less the margins
    }
    layout->addWidget(icon);
    layout->addWidget(name);
    layout->addWidget(version);
    layout->addWidget(purpose);
    layout->addLayout(links);
    layout->addWidget(trademark);
}

} // namespace marklode
