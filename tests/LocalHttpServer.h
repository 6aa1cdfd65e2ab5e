// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtNetwork>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

// A tiny HTTP server that the test itself runs, answering a GET for a path in
// `answers` with its answer and any other with a 404. Each connection is
// served by a thread of its own, so that a stream goes on while the test keeps
// its own thread busy.
class LocalHttpServer : public QTcpServer
{
public:
    // The status line's `status` (with any header lines after it), then
    // `body`: once, or for an `endless` stream again and again, `interval`
    // apart or as fast as the client takes it, under a header that announces
    // `length` when it is set. A null status gets no answer at all.
    struct Answer
    {
        QByteArray status = "200 OK";
        QByteArray body{};
        bool endless = false;
        std::chrono::milliseconds interval{0};
        qint64 length = -1;
    };

    // The threads end once they notice this, and are joined after it.
    ~LocalHttpServer() override { stopping = true; }

    // Serves https from now on, with the test certificate of tests/data, made
    // for 127.0.0.1 to last a century. Returns it for the client to trust.
    QSslCertificate useTls()
    {
        QFile keyPem(KESTRANO_TEST_DATA_DIR "/localhost-key.pem");
        key = keyPem.open(QIODevice::ReadOnly) ? QSslKey(&keyPem, QSsl::Ec) : QSslKey();
        certificate =
            QSslCertificate::fromPath(KESTRANO_TEST_DATA_DIR "/localhost-certificate.pem").value(0);
        return certificate;
    }

    QUrl url(const QString& path) const
    {
        const QString scheme = certificate.isNull() ? "http" : "https";
        return QUrl(scheme + "://127.0.0.1:" + QString::number(serverPort()) + path);
    }

    QHash<QByteArray, Answer> answers;
    std::atomic<bool> hold = false; // while set, a stream sends nothing after its header
    std::atomic<int> requests = 0;
    std::atomic<int> waiting = 0; // requests left unanswered, until the client gives up

protected:
    void incomingConnection(qintptr descriptor) override
    {
        // Copied here, on the test's thread, which may change them for the next request.
        threads.emplace_back([this, descriptor, answers = answers] {
            QSslSocket socket;
            socket.setSocketDescriptor(descriptor);
            if (!certificate.isNull()) {
                socket.setLocalCertificate(certificate);
                socket.setPrivateKey(key);
                socket.startServerEncryption();
            }
            serve(socket, answers);
        });
    }

private:
    void serve(QSslSocket& socket, const QHash<QByteArray, Answer>& answers)
    {
        QByteArray request;
        while (!request.contains("\r\n\r\n")) {
            if (!waitForClient(socket)) {
                return;
            }
            request += socket.readAll();
        }
        ++requests;
        const Answer answer = answers.value(request.split(' ').value(1), {"404 Not Found", "none"});
        if (answer.status.isNull()) {
            ++waiting;
            while (waitForClient(socket)) {
                socket.readAll();
            }
            --waiting;
            return;
        }
        const qint64 length = answer.endless ? answer.length : answer.body.size();
        socket.write("HTTP/1.1 " + answer.status + "\r\nConnection: close\r\n" +
                     (length < 0 ? "" : "Content-Length: " + QByteArray::number(length) + "\r\n") +
                     "\r\n" + (answer.endless ? "" : answer.body));
        socket.flush();
        while (hold && open(socket)) {
            QThread::msleep(5);
        }
        while (answer.endless && open(socket)) {
            // Writing no more than the client takes keeps the server's own memory flat.
            if (socket.bytesToWrite() < answer.body.size()) {
                socket.write(answer.body);
            }
            if (answer.interval.count() == 0 && socket.bytesToWrite() > 0) {
                socket.waitForBytesWritten(20);
            } else {
                // Also notices the client closing.
                socket.waitForReadyRead(int(std::max<qint64>(answer.interval.count(), 20)));
            }
        }
        socket.disconnectFromHost();
        if (socket.state() != QAbstractSocket::UnconnectedState) {
            socket.waitForDisconnected(5000);
        }
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
    std::atomic<bool> stopping = false;
    std::vector<std::jthread> threads; // last, so that they end first
};
