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

// The estimate is checked against the kernel's figure, in kilobytes among
// other lines; without the figure (kernels before 3.14) nothing is refused.
TEST(TooLargeToShow, RefusesWhatNeedsMoreThanIsAvailable)
{
    QString document = QStringLiteral("a"); // a whole number of kilobytes
    while (estimatedBytesToShow(document) % 1024 != 0) {
        document += u'a';
    }
    const qint64 kilobytes = estimatedBytesToShow(document) / 1024;
    for (const auto& [available, refused] : {std::pair{kilobytes, false}, {kilobytes - 1, true}}) {
        const Meminfo meminfo("MemTotal:       24631428 kB\nMemAvailable:   " +
                              QByteArray::number(available) + " kB\nBuffers:  123456 kB\n");
        EXPECT_EQ(tooLargeToShow(document, meminfo.fileName()), refused) << available;
    }
    for (const char* noFigure : {"MemTotal: 1 kB\n", "MemAvailable: lots\n", ""}) {
        EXPECT_FALSE(tooLargeToShow(document, Meminfo(noFigure).fileName()));
    }
    EXPECT_FALSE(tooLargeToShow(document, QStringLiteral("/nonexistent/meminfo")));
    // The kernel's own file reports a size of 0 and must still be read whole.
    EXPECT_GT(availableMemoryBytes().value_or(0), 0);
}
