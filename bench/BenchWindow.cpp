// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A Transcribe press in the real window, offscreen: load, compose, setHtml,
// the HTML mirror and the HTML tab; and one keystroke into a long
// transcription, which makes the mirror export the whole view again.
#include "BenchSupport.h"
#include "MainWindow.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

#include <benchmark/benchmark.h>

namespace {

struct Window
{
    MainWindow window;
    QPlainTextEdit* input = window.findChild<QPlainTextEdit*>(QStringLiteral("plainTextEdit"));
    QTextEdit* output = window.findChild<QTextEdit*>(QStringLiteral("textEdit"));
    QPlainTextEdit* html = window.findChild<QPlainTextEdit*>(QStringLiteral("plainTextEdit_2"));
    QPushButton* transcribe = window.findChild<QPushButton*>(QStringLiteral("btnPhonetize"));
};

void BM_TranscribePress(benchmark::State& state)
{
    Window w;
    w.window.show();
    w.input->setPlainText(sampleTextOfWords(static_cast<int>(state.range(0)) * wordsPerPage));
    for (auto _ : state) {
        w.transcribe->click();
        benchmark::DoNotOptimize(w.html->document()->characterCount());
    }
    if (w.html->toPlainText().isEmpty()) {
        state.SkipWithError("nothing was transcribed");
    }
    state.SetLabel(std::to_string(state.range(0)) + " pages");
}

void BM_KeystrokeInTranscription(benchmark::State& state)
{
    Window w;
    w.window.show();
    w.input->setPlainText(sampleTextOfWords(static_cast<int>(state.range(0)) * wordsPerPage));
    w.transcribe->click();
    w.output->setFocus();
    w.output->moveCursor(QTextCursor::End);
    for (auto _ : state) {
        QTest::keyClick(w.output, Qt::Key_A);
    }
    state.SetLabel(std::to_string(state.range(0)) + " pages");
}

} // namespace

BENCHMARK(BM_TranscribePress)->Arg(1)->Arg(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_KeystrokeInTranscription)->Arg(50)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true); // leave the user's options alone
    QApplication application(argc, argv);
    // The window reads data/... relative to the working directory.
    QDir::setCurrent(QString::fromStdString(dataPath("..")));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
