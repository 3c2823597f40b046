#pragma once

#include <QByteArray>
#include <QString>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <map>
#include <memory>
#include <string>

namespace pickwell {

// A small web server on 127.0.0.1 that a test starts and stops, with fixed answers by path:
//   /ok 200, /moved 301 to /ok, /missing 404, /broken 500, /slow never answers,
//   /nohead 405 to HEAD and 200 to GET, /late... 200 after `lateMs`.
// It counts the requests by method and path.
class LoopbackHttpServer {
public:
    explicit LoopbackHttpServer(int lateMs = 0)
        : m_lateMs(lateMs) {
        m_server.listen(QHostAddress::LocalHost);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { Read(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }

    std::string Address(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(m_server.serverPort()) + path;
    }
    int Requests(const std::string& methodAndPath) const {
        const auto it = m_requests.find(methodAndPath);
        return it == m_requests.end() ? 0 : it->second;
    }
    int AllRequests() const { return m_all; }

    // An address on this machine where nothing listens.
    static std::string RefusedAddress() {
        QTcpServer closed;
        closed.listen(QHostAddress::LocalHost);
        const quint16 port = closed.serverPort();
        closed.close();
        return "http://127.0.0.1:" + std::to_string(port) + "/";
    }

private:
    void Read(QTcpSocket* socket) {
        QByteArray& buffer = m_buffers[socket];
        buffer += socket->readAll();
        if (!buffer.contains("\r\n\r\n")) {
            return;
        }
        const QList<QByteArray> words = buffer.left(buffer.indexOf("\r\n")).split(' ');
        m_buffers.erase(socket);
        const std::string method = words.value(0).toStdString();
        const std::string path = words.value(1).toStdString();
        ++m_requests[method + " " + path];
        ++m_all;
        if (path == "/slow") {
            return;
        }
        if (path.starts_with("/late")) {
            QTimer::singleShot(m_lateMs, socket, [socket] { Answer(socket, "200 OK", {}); });
            return;
        }
        if (path == "/ok" || (path == "/nohead" && method == "GET")) {
            Answer(socket, "200 OK", {});
        } else if (path == "/nohead") {
            Answer(socket, "405 Method Not Allowed", {});
        } else if (path == "/moved") {
            Answer(socket, "301 Moved Permanently", "Location: /ok\r\n");
        } else if (path == "/broken") {
            Answer(socket, "500 Internal Server Error", {});
        } else {
            Answer(socket, "404 Not Found", {});
        }
    }

    static void Answer(QTcpSocket* socket, const char* status, const char* headers) {
        socket->write(QByteArray("HTTP/1.1 ") + status + "\r\n" + (headers ? headers : "") +
                      "Content-Length: 2\r\nConnection: close\r\n\r\nok");
        socket->disconnectFromHost();
    }

    QTcpServer m_server;
    int m_lateMs;
    std::map<QTcpSocket*, QByteArray> m_buffers;
    std::map<std::string, int> m_requests;
    int m_all = 0;
};

} // namespace pickwell
