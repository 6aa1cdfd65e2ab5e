// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Dictionary loading, sentence transcription and the whole composition of a
// Transcribe press, on the real dictionaries and real English prose.
#include "BenchSupport.h"
#include "EspeakGuesser.h"
#include "PronunciationDictionary.h"
#include "TranscriptionDocument.h"
#include "TranscriptionEngine.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

// What any loader has to do at least: get the bytes into memory and widen
// them to 16-bit units.
bool readAndWiden(const std::string& path)
{
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return false;
    }
    std::fseek(file, 0, SEEK_END);
    std::string bytes(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    std::u16string wide(bytes.size(), u'\0');
    std::transform(bytes.begin(), bytes.end(), wide.begin(),
                   [](char byte) { return static_cast<char16_t>(static_cast<signed char>(byte)); });
    benchmark::DoNotOptimize(wide.data());
    return true;
}

void BM_ReadAndWidenFloor(benchmark::State& state, const char* fileName)
{
    // One untimed round first, so that the allocator has settled on reusing
    // large blocks, as it has for the loader that runs many times.
    const std::string path = dataPath(fileName);
    if (!readAndWiden(path)) {
        state.SkipWithError("dictionary file missing");
        return;
    }
    for (auto _ : state) {
        readAndWiden(path);
    }
}

// Pressing Transcribe again with the same variety: the same file again.
void BM_LoadDictionary(benchmark::State& state, const char* fileName)
{
    const std::string path = dataPath(fileName);
    for (auto _ : state) {
        if (!kestrano::loadDictionary(path)) {
            state.SkipWithError("dictionary file missing");
            return;
        }
    }
    state.counters["words"] = static_cast<double>(kestrano::pronunciationDictionary().size());
}

long residentKilobytes()
{
    long pages = 0;
    long resident = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) {
            resident = 0;
        }
        std::fclose(statm);
    }
    return resident * 4;
}

// What holding the British dictionary costs in resident memory, over an
// empty table.
void BM_DictionaryResidentMemory(benchmark::State& state)
{
    kestrano::pronunciationDictionary() = kestrano::PronunciationDictionary();
    const long before = residentKilobytes();
    for (auto _ : state) {
        if (!kestrano::loadDictionary(dataPath(britishFile))) {
            state.SkipWithError("dictionary file missing");
            return;
        }
    }
    state.counters["resident_MB"] = static_cast<double>(residentKilobytes() - before) / 1024.0;
}

// Switching the variety at every press: each load builds a new table.
void BM_LoadDictionaryAlternating(benchmark::State& state)
{
    const std::string paths[] = {dataPath(britishFile), dataPath(americanFile)};
    std::size_t next = 0;
    for (auto _ : state) {
        if (!kestrano::loadDictionary(paths[next])) {
            state.SkipWithError("dictionary file missing");
            return;
        }
        next = 1 - next;
    }
}

// The prose, sentence by sentence, as the window reads it (with the reading
// step and the homograph table) or word by word as typed (--literal).
void BM_TranscribeSentence(benchmark::State& state, const char* fileName, bool reading)
{
    if (!kestrano::loadDictionary(dataPath(fileName))) {
        state.SkipWithError("dictionary file missing");
        return;
    }
    const kestrano::HomographTable homographs =
        kestrano::loadHomographTable(dataPath("homographs.txt"));
    const kestrano::Variety variety = std::string_view(fileName) == britishFile
                                          ? kestrano::Variety::British
                                          : kestrano::Variety::American;
    std::vector<std::u16string> sentences;
    int words = 0;
    for (const QString& piece : transcriptionPieces(sampleText(50000))) {
        sentences.push_back(piece.toStdU16String());
        words += static_cast<int>(piece.split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
    }
    const kestrano::TranscriptionEngine engine =
        reading ? kestrano::TranscriptionEngine(kestrano::pronunciationDictionary(),
                                                {variety, &homographs})
                : kestrano::TranscriptionEngine();
    for (auto _ : state) {
        for (const std::u16string& sentence : sentences) {
            benchmark::DoNotOptimize(engine.transcribeSentence(sentence));
        }
    }
    state.counters["words/s"] =
        benchmark::Counter(static_cast<double>(words) * static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate);
}

// One press without the window: load the file and the homograph table
// again, then compose, reading the text as the window does.
void BM_ComposeDocument(benchmark::State& state, const char* fileName)
{
    const QString text = sampleTextOfWords(static_cast<int>(state.range(0)) * wordsPerPage);
    for (auto _ : state) {
        if (!kestrano::loadDictionary(dataPath(fileName))) {
            state.SkipWithError("dictionary file missing");
            return;
        }
        const kestrano::HomographTable homographs =
            kestrano::loadHomographTable(dataPath("homographs.txt"));
        const kestrano::TranscriptionEngine engine(kestrano::pronunciationDictionary(),
                                                   {kestrano::Variety::British, &homographs});
        benchmark::DoNotOptimize(composeTranscriptionDocument(text, {true, false}, engine));
    }
    state.SetLabel(std::to_string(state.range(0)) + " pages");
}

// Names that neither dictionary holds, each guessed anew whenever it comes.
const char* const unknownNames[] = {
    "Okafor",    "Rashford", "Alfama",     "Sintra",   "Hengesbach", "Nwosu",     "Adebayo",
    "Okonkwo",   "Oyelaran", "Giannakis",  "Gvardiol", "Martinelli", "Ramaswamy", "Venkatesan",
    "Mouraria",  "Cascais",  "Bermondsey", "Dalston",  "Mykolaiv",   "Zalando",   "Duolingo",
    "Deliveroo", "Kestrano", "Brightfern", "Xiaomi"};

// A page of the sample text in which every token is known to the
// dictionary, but every `unknownEvery`-th (when not 0), which is a name it
// lacks: 5% unknown words for 20.
QString pageWithUnknownWords(int unknownEvery)
{
    const kestrano::TranscriptionEngine engine;
    const auto known = [&](const QString& token) {
        const auto words = engine.transcribeWords(token.toStdU16String());
        return std::none_of(words.begin(), words.end(), [](const kestrano::WordTranscription& w) {
            return w.source == kestrano::WordSource::NotFound;
        });
    };
    QStringList tokens =
        sampleTextOfWords(wordsPerPage).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    std::size_t names = 0;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        if (unknownEvery > 0 && (i + 1) % unknownEvery == 0) {
            tokens[i] = QString::fromLatin1(unknownNames[names++ % std::size(unknownNames)]);
        } else if (!known(tokens[i])) {
            tokens[i] = QStringLiteral("text");
        }
    }
    return tokens.join(QLatin1Char(' '));
}

// One press of kestrano-cli --guess --british on a page: load the file again,
// compose with guessing on. espeak-ng is loaded before the timing, as it is
// once per process.
void BM_ComposeGuessing(benchmark::State& state)
{
    const bool guessing = state.range(0) != 0;
    const int unknownEvery = static_cast<int>(state.range(1));
    if (!kestrano::loadDictionary(dataPath(britishFile))) {
        state.SkipWithError("dictionary file missing");
        return;
    }
    const QString page = pageWithUnknownWords(unknownEvery);
    const kestrano::EspeakGuesser guesser(kestrano::EspeakVoice::EnGb);
    guesser.guess(u"warm");
    const kestrano::TranscriptionEngine engine(kestrano::pronunciationDictionary(),
                                               guessing ? &guesser : nullptr);
    for (auto _ : state) {
        kestrano::loadDictionary(dataPath(britishFile));
        benchmark::DoNotOptimize(composeTranscriptionDocument(page, {true, false}, engine));
    }
    state.SetLabel(std::string(guessing ? "guessing" : "not guessing") +
                   (unknownEvery ? ", 1 word in " + std::to_string(unknownEvery) + " unknown"
                                 : ", no unknown word"));
}

// One guess, espeak-ng loaded: what each unknown word adds to a press.
void BM_GuessWord(benchmark::State& state)
{
    const kestrano::EspeakGuesser guesser(kestrano::EspeakVoice::EnGb);
    std::size_t next = 0;
    for (auto _ : state) {
        const std::string name = unknownNames[next++ % std::size(unknownNames)];
        benchmark::DoNotOptimize(guesser.guess(std::u16string(name.begin(), name.end())));
    }
}

} // namespace

BENCHMARK_CAPTURE(BM_ReadAndWidenFloor, british, britishFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadDictionary, british, britishFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ReadAndWidenFloor, american, americanFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadDictionary, american, americanFile)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDictionaryAlternating)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DictionaryResidentMemory)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TranscribeSentence, british, britishFile, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TranscribeSentence, american, americanFile, true)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TranscribeSentence, british_literal, britishFile, false)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ComposeDocument, british, britishFile)
    ->Arg(1)
    ->Arg(200)
    ->Unit(benchmark::kMillisecond);

BENCHMARK(BM_ComposeGuessing)
    ->Args({0, 0})
    ->Args({1, 0})
    ->Args({1, 20})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuessWord)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
