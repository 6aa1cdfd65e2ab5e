// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <QUrl>

// A tiny HTTP server that the test itself runs: a GET for a path in `routes`
// gets that body, any other path a 404, and a path whose body is null gets no
// answer at all.
class LocalHttpServer : public QTcpServer
{
public:
    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(serverPort()).arg(path));
    }

    QHash<QByteArray, QByteArray> routes;
    int waiting = 0; // connections with a request left unanswered, until the client closes them

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setSocketDescriptor(descriptor);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->peek(socket->bytesAvailable()).contains("\r\n\r\n")) {
                return; // the request's header is not complete yet
            }
            const QByteArray path = socket->readAll().split(' ').value(1);
            const bool found = routes.contains(path);
            const QByteArray body = found ? routes.value(path) : "<html>missing</html>";
            if (body.isNull()) {
                ++waiting;
                connect(socket, &QTcpSocket::disconnected, this, [this] { --waiting; });
                return;
            }
            socket->write(QByteArray("HTTP/1.1 ") + (found ? "200 OK" : "404 Not Found") +
                          "\r\nContent-Length: " + QByteArray::number(body.size()) +
                          "\r\nConnection: close\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
    }
};
