// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFile>
#include <QHash>
#include <QProcess>
#include <QSslCertificate>
#include <QSslKey>
#include <QSslSocket>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>

#include <atomic>
#include <chrono>
#include <memory>
#include <vector>

// A tiny HTTP server that the test itself runs: a GET for a path in `routes`
// gets that body, one in `redirects` a redirect to that address, one in
// `streams` a body without end, any other path a 404, and a path whose body
// is null gets no answer at all. Each connection is served by a thread of its
// own, so that a stream goes on while the test keeps its own thread busy.
class LocalHttpServer : public QTcpServer
{
public:
    // `chunk` again and again, `interval` apart or else as fast as the client
    // takes it, under a header that announces `length` when it is set.
    struct Stream
    {
        QByteArray chunk;
        std::chrono::milliseconds interval{0};
        qint64 length = -1;
    };

    ~LocalHttpServer() override
    {
        stopping = true;
        for (const auto& thread : threads) {
            thread->wait();
        }
    }

    // Serves https from now on, with a certificate made for the purpose by
    // openssl. Returns it for the client to trust; null if none could be made.
    QSslCertificate useTls()
    {
        const QTemporaryDir folder;
        const QString keyFile = folder.filePath("key.pem");
        const QString certificateFile = folder.filePath("certificate.pem");
        QProcess openssl;
        openssl.start("openssl",
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:prime256v1",
                       "-nodes", "-days", "2", "-subj", "/CN=127.0.0.1", "-addext",
                       "subjectAltName=IP:127.0.0.1", "-keyout", keyFile, "-out", certificateFile});
        openssl.waitForFinished();
        QFile keyPem(keyFile);
        key = keyPem.open(QIODevice::ReadOnly) ? QSslKey(&keyPem, QSsl::Ec) : QSslKey();
        certificate =
            key.isNull() ? QSslCertificate() : QSslCertificate::fromPath(certificateFile).value(0);
        return certificate;
    }

    QUrl url(const QString& path) const
    {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                        .arg(certificate.isNull() ? "http" : "https")
                        .arg(serverPort())
                        .arg(path));
    }

    QHash<QByteArray, QByteArray> routes;
    QHash<QByteArray, QUrl> redirects;
    QHash<QByteArray, Stream> streams;
    std::atomic<bool> holdStreams = false; // streams send their header, then wait while it is set
    std::atomic<int> requests = 0;
    std::atomic<int> waiting =
        0; // connections with a request left unanswered, until the client closes them

protected:
    void incomingConnection(qintptr descriptor) override
    {
        // Copied here, on the test's thread, which may change them for the next request.
        const Answers answers{routes, redirects, streams};
        threads.emplace_back(QThread::create([this, descriptor, answers] {
            QSslSocket socket;
            socket.setSocketDescriptor(descriptor);
            if (!certificate.isNull()) {
                socket.setLocalCertificate(certificate);
                socket.setPrivateKey(key);
                socket.startServerEncryption();
            }
            serve(socket, answers);
        }));
        threads.back()->start();
    }

private:
    struct Answers
    {
        QHash<QByteArray, QByteArray> routes;
        QHash<QByteArray, QUrl> redirects;
        QHash<QByteArray, Stream> streams;
    };

    void serve(QSslSocket& socket, const Answers& answers)
    {
        QByteArray request;
        while (!request.contains("\r\n\r\n")) {
            if (!waitForClient(socket)) {
                return;
            }
            request += socket.readAll();
        }
        ++requests;
        const QByteArray path = request.split(' ').value(1);
        if (answers.streams.contains(path)) {
            stream(socket, answers.streams.value(path));
        } else if (answers.redirects.contains(path)) {
            socket.write(head("302 Found", 0) +
                         "Location: " + answers.redirects.value(path).toEncoded() + "\r\n\r\n");
        } else if (!answers.routes.contains(path)) {
            socket.write(withBody("404 Not Found", "<html>missing</html>"));
        } else if (const QByteArray body = answers.routes.value(path); !body.isNull()) {
            socket.write(withBody("200 OK", body));
        } else {
            ++waiting;
            while (waitForClient(socket)) {
                socket.readAll();
            }
            --waiting;
            return;
        }
        socket.disconnectFromHost();
        if (socket.state() != QAbstractSocket::UnconnectedState) {
            socket.waitForDisconnected(5000);
        }
    }

    void stream(QSslSocket& socket, const Stream& stream)
    {
        socket.write(head("200 OK", stream.length) + "\r\n");
        socket.flush();
        while (holdStreams && open(socket)) {
            QThread::msleep(5);
        }
        while (open(socket)) {
            // Writing no more than the client takes keeps the server's own memory flat.
            if (socket.bytesToWrite() < stream.chunk.size()) {
                socket.write(stream.chunk);
            }
            if (stream.interval.count() == 0 && socket.bytesToWrite() > 0) {
                socket.waitForBytesWritten(20);
            } else {
                // Also notices the client closing.
                socket.waitForReadyRead(int(std::max<qint64>(stream.interval.count(), 20)));
            }
        }
    }

    // The status line and the headers, but for the blank line that ends them.
    static QByteArray head(const QByteArray& status, qint64 length)
    {
        return "HTTP/1.1 " + status + "\r\nConnection: close\r\n" +
               (length < 0 ? QByteArray()
                           : "Content-Length: " + QByteArray::number(length) + "\r\n");
    }

    static QByteArray withBody(const QByteArray& status, const QByteArray& body)
    {
        return head(status, body.size()) + "\r\n" + body;
    }

    bool open(const QSslSocket& socket) const
    {
        return !stopping && socket.state() == QAbstractSocket::ConnectedState;
    }

    // Waits for the client to send something; false when it closed the connection.
    bool waitForClient(QSslSocket& socket) const
    {
        while (open(socket)) {
            if (socket.bytesAvailable() > 0 || socket.waitForReadyRead(20)) {
                return true;
            }
        }
        return false;
    }

    QSslCertificate certificate;
    QSslKey key;
    std::vector<std::unique_ptr<QThread>> threads;
    std::atomic<bool> stopping = false;
};
