// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryEstimate.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

namespace {

// A file in the format of /proc/meminfo that holds `text`.
struct Meminfo : QTemporaryFile
{
    explicit Meminfo(const QByteArray& text)
    {
        open();
        write(text);
        close();
    }
};

} // namespace

TEST(AvailableMemoryBytes, ReadsTheKernelsFigure)
{
    const std::pair<const char*, std::optional<qint64>> cases[] = {
        {"MemTotal:       24631428 kB\nMemFree:         1034528 kB\n"
         "MemAvailable:   20189396 kB\nBuffers:          123456 kB\n",
         qint64(20189396) * 1024},
        // Kernels before 3.14 do not give the figure; the check is then skipped.
        {"MemTotal:       24631428 kB\nMemFree:         1034528 kB\n", std::nullopt},
        {"MemAvailable: lots\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(availableMemoryBytes(Meminfo(text).fileName()), expected) << text;
    }
    EXPECT_EQ(availableMemoryBytes(QStringLiteral("/nonexistent/meminfo")), std::nullopt);
    EXPECT_GT(availableMemoryBytes().value_or(0), 0);
}

TEST(TooLargeToShow, RefusesWhatNeedsMoreThanIsAvailable)
{
    // A text whose estimate is a whole number of kilobytes, as the kernel's figure is.
    QString document = QStringLiteral("a");
    while (estimatedBytesToShow(document) % 1024 != 0) {
        document += u'a';
    }
    const qint64 kilobytes = estimatedBytesToShow(document) / 1024;
    for (const auto& [available, refused] : {std::pair{kilobytes, false}, {kilobytes - 1, true}}) {
        const Meminfo meminfo("MemAvailable: " + QByteArray::number(available) + " kB\n");
        EXPECT_EQ(tooLargeToShow(document, meminfo.fileName()), refused) << available;
    }
    EXPECT_FALSE(tooLargeToShow(document, Meminfo("MemTotal: 1 kB\n").fileName()));
}
