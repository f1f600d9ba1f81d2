#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>
#include <map>
#include <vector>

namespace marklode::test {

// A tile server on localhost: answers every GET with what `respond` says and records what it
// was asked.
class TileServer {
  public:
    static constexpr QRgb tileColour = 0xffff00ff; // magenta: no basemap pixel looks like it

    struct Answer {
        Answer(int status = 200) : status(status) {} // implicit: a bare status is the usual answer
        static Answer redirect(const QByteArray& location) {
            Answer answer(302);
            answer.headers = "Location: " + location + "\r\n";
            return answer;
        }
        static Answer endlessBody() {
            Answer answer;
            answer.endless = true;
            return answer;
        }

        int status;           // 0 keeps the request hanging
        QByteArray body;      // empty: the magenta tile for 200, a line of text otherwise
        QByteArray headers;   // more header lines, each ending in \r\n
        bool endless = false; // 200 without a length, then data until the client hangs up
    };

    struct Request {
        QByteArray path;
        QByteArray userAgent;
        QByteArray cacheControl;
    };

    TileServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { read(socket); });
        });
        png_ = png(QSize(256, 256));
    }

    static QByteArray png(QSize size) {
        QImage image(size, QImage::Format_ARGB32);
        image.fill(tileColour);
        QByteArray data;
        QBuffer buffer(&data);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        return data;
    }

    QString urlTemplate() const {
        return QStringLiteral("http://127.0.0.1:%1/{z}/{x}/{y}.png").arg(server_.serverPort());
    }

    std::function<Answer(const QByteArray& path)> respond = [](const QByteArray&) { return 200; };
    std::vector<Request> requests;

  private:
    void read(QTcpSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        const auto end = pending.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QByteArray head = pending.left(end);
        pending.clear();
        Request request;
        for (const QByteArray& line : head.split('\n')) {
            const QByteArray trimmed = line.trimmed();
            if (trimmed.startsWith("GET "))
                request.path = trimmed.split(' ').value(1);
            else if (trimmed.toLower().startsWith("user-agent:"))
                request.userAgent = trimmed.mid(11).trimmed();
            else if (trimmed.toLower().startsWith("cache-control:"))
                request.cacheControl = trimmed.mid(14).trimmed();
        }
        requests.push_back(request);
        const Answer answer = respond(request.path);
        const int status = answer.status;
        if (status == 0)
            return;
        QByteArray response =
            "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n";
        response += status == 200 ? "Content-Type: image/png\r\n" : "Content-Type: text/plain\r\n";
        response += answer.headers;
        if (answer.endless) {
            // Each chunk goes out once the last one has, so the client sets the pace.
            const QByteArray chunk(64 * 1024, 'x');
            QObject::connect(socket, &QTcpSocket::bytesWritten, socket,
                             [socket, chunk] { socket->write(chunk); });
            socket->write(response + "Connection: close\r\n\r\n" + chunk);
            return;
        }
        const QByteArray body = !answer.body.isEmpty() ? answer.body
                                : status == 200        ? png_
                                                       : QByteArray("no tile");
        response += "Cache-Control: max-age=86400\r\n";
        response += "Last-Modified: Mon, 01 Jan 2024 00:00:00 GMT\r\n";
        response += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
        response += "Connection: close\r\n\r\n";
        socket->write(response + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QByteArray png_;
    std::map<QTcpSocket*, QByteArray> buffers_;
};

} // namespace marklode::test
