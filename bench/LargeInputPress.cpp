// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// One Transcribe press on a very large input in the real window, offscreen:
// prints how long the press took and how much memory the process needed at
// its peak, before and after. Usage: large_input_press [megabytes]
#include "BenchSupport.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTextEdit>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>

namespace {

long peakResidentMegabytes()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

// The sample prose repeated until it holds `bytes` UTF-8 bytes.
QString sampleOfSize(qsizetype bytes)
{
    const QString page = sampleTextOfWords(100 * wordsPerPage);
    const qsizetype pageBytes = page.toUtf8().size();
    QString text;
    text.reserve(bytes + page.size());
    while (text.size() < bytes) {
        text += page.left(qMin(page.size(), (bytes - text.size()) * page.size() / pageBytes + 1));
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // leave the user's options alone
    const int megabytes = argc > 1 ? std::atoi(argv[1]) : 10;
    QApplication application(argc, argv);
    QDir::setCurrent(QString::fromStdString(dataPath("..")));

    MainWindow window;
    window.show();
    auto* input = window.findChild<QPlainTextEdit*>(QStringLiteral("plainTextEdit"));
    auto* output = window.findChild<QTextEdit*>(QStringLiteral("textEdit"));
    auto* html = window.findChild<QPlainTextEdit*>(QStringLiteral("plainTextEdit_2"));
    auto* transcribe = window.findChild<QPushButton*>(QStringLiteral("btnPhonetize"));

    const QString text = sampleOfSize(qsizetype(megabytes) * 1024 * 1024);
    input->setPlainText(text);
    QApplication::processEvents();
    const long peakBefore = peakResidentMegabytes();

    QElapsedTimer timer;
    timer.start();
    transcribe->click();
    const qint64 pressMs = timer.elapsed();
    QApplication::processEvents();
    const qint64 shownMs = timer.elapsed();

    std::printf("input: %lld UTF-8 bytes, %lld paragraphs in the view, %lld characters of HTML\n",
                static_cast<long long>(text.toUtf8().size()),
                static_cast<long long>(output->document()->blockCount()),
                static_cast<long long>(html->document()->characterCount()));
    std::printf("press: %lld ms (%lld ms until the window had drawn it)\n",
                static_cast<long long>(pressMs), static_cast<long long>(shownMs));
    std::printf("peak resident memory: %ld MB before the press, %ld MB after\n", peakBefore,
                peakResidentMegabytes());
    return html->toPlainText().isEmpty() ? 1 : 0;
}
