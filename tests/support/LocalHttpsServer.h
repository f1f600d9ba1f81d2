#pragma once

#include "support/TempDir.h"

#include <QFile>
#include <QMap>
#include <QProcess>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QUrl>
#include <stdexcept>

namespace marklode::test {

// A self-signed certificate for localhost and 127.0.0.1, made once per test process.
struct TestCertificate {
    QSslCertificate certificate;
    QSslKey key;
};

inline const TestCertificate& testCertificate() {
    static const TestCertificate made = [] {
        TempDir dir;
        QString key = QString::fromStdString((dir / "key.pem").string());
        QString cert = QString::fromStdString((dir / "cert.pem").string());
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"),
                       QStringLiteral("ec"), QStringLiteral("-pkeyopt"),
                       QStringLiteral("ec_paramgen_curve:prime256v1"), QStringLiteral("-nodes"),
                       QStringLiteral("-keyout"), key, QStringLiteral("-out"), cert,
                       QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=localhost"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=DNS:localhost,IP:127.0.0.1")});
        bool made = openssl.waitForFinished(30000) && openssl.exitCode() == 0;
        QFile keyFile(key);
        QFile certFile(cert);
        if (!made || !keyFile.open(QIODevice::ReadOnly) || !certFile.open(QIODevice::ReadOnly))
            throw std::runtime_error("openssl could not make a test certificate");
        return TestCertificate{QSslCertificate(certFile.readAll()),
                               QSslKey(keyFile.readAll(), QSsl::Ec)};
    }();
    return made;
}

// An HTTPS server on 127.0.0.1 that answers GET requests for the paths it was given, one
// request per connection. A response may stop halfway or never come.
class LocalHttpsServer {
  public:
    enum class Mode { whole, truncated, silent };
    struct Response {
        QByteArray body;
        int status = 200;
        Mode mode = Mode::whole;
    };

    LocalHttpsServer() {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setLocalCertificate(testCertificate().certificate);
        config.setPrivateKey(testCertificate().key);
        server_.setSslConfiguration(config);
        QObject::connect(&server_, &QTcpServer::pendingConnectionAvailable, &server_,
                         [this] { accept(); });
        if (!server_.listen(QHostAddress::LocalHost))
            throw std::runtime_error("the test server could not listen");
    }

    void serve(const QString& path, Response response) { routes_[path] = std::move(response); }
    QUrl url(const QString& path) const {
        return QUrl(QStringLiteral("https://localhost:%1%2").arg(server_.serverPort()).arg(path));
    }
    int requestCount(const QString& path) const { return counts_.value(path); }

    // What a client needs to trust this server and nothing else beyond the system's.
    QSslConfiguration clientConfiguration() const {
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setCaCertificates({testCertificate().certificate});
        return config;
    }

  private:
    void accept() {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            auto received = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
                *received += socket->readAll();
                if (received->contains("\r\n\r\n"))
                    answer(socket, received->split(' ').value(1));
            });
        }
    }

    void answer(QTcpSocket* socket, const QByteArray& target) {
        QString path = QString::fromLatin1(target);
        counts_[path] += 1;
        Response response = routes_.value(path, Response{"not found", 404});
        if (response.mode == Mode::silent)
            return;
        QByteArray body = response.body;
        QByteArray head = "HTTP/1.1 " + QByteArray::number(response.status) +
                          " X\r\nContent-Type: application/octet-stream\r\nContent-Length: " +
                          QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
        if (response.mode == Mode::truncated)
            body.truncate(body.size() / 2);
        socket->write(head + body);
        socket->disconnectFromHost();
    }

    QSslServer server_;
    QMap<QString, Response> routes_;
    QMap<QString, int> counts_;
};

} // namespace marklode::test
