#pragma once

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

#include <memory>

// A tiny HTTP/1.1 server on 127.0.0.1 that the test itself runs: every GET
// gets the response registered for its path, 404 for any other path, and a
// path registered as silent gets no answer at all.
class LocalHttpServer
{
public:
    struct Response
    {
        int status = 200;
        QByteArray reason = "OK";
        QByteArray body;
        bool silent = false;
    };

    LocalHttpServer()
    {
        QObject::connect(&server, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server.nextPendingConnection()) {
                serve(socket);
            }
        });
    }

    bool listen() { return server.listen(QHostAddress::LocalHost); }

    void route(const QByteArray& path, const Response& response) { routes.insert(path, response); }

    QUrl url(const QByteArray& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2")
                        .arg(server.serverPort())
                        .arg(QString::fromLatin1(path)));
    }

    int requests = 0;
    int droppedSilentConnections = 0; // closed by the client while waiting

private:
    void serve(QTcpSocket* socket)
    {
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            received->append(socket->readAll());
            if (!received->contains("\r\n\r\n")) {
                return;
            }
            const QByteArray path = received->left(received->indexOf("\r\n")).split(' ').value(1);
            received->clear();
            ++requests;
            const Response response =
                routes.value(path, Response{404, "Not Found", "<html>missing</html>", false});
            if (response.silent) {
                QObject::connect(socket, &QTcpSocket::disconnected,
                                 [this] { ++droppedSilentConnections; });
                return;
            }
            socket->write("HTTP/1.1 " + QByteArray::number(response.status) + ' ' +
                          response.reason +
                          "\r\nContent-Type: application/rss+xml\r\nContent-Length: " +
                          QByteArray::number(response.body.size()) +
                          "\r\nConnection: close\r\n\r\n" + response.body);
            socket->disconnectFromHost();
        });
    }

    QTcpServer server;
    QHash<QByteArray, Response> routes;
};
