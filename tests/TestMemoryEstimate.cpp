// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "MemoryEstimate.h"

#include <QTemporaryFile>

#include <gtest/gtest.h>

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
    for (const auto& [meminfo, expected] : cases) {
        QTemporaryFile file;
        ASSERT_TRUE(file.open());
        file.write(meminfo);
        file.close();
        EXPECT_EQ(availableMemoryBytes(file.fileName()), expected) << meminfo;
    }
    EXPECT_EQ(availableMemoryBytes(QStringLiteral("/nonexistent/meminfo")), std::nullopt);
    EXPECT_GT(availableMemoryBytes().value_or(0), 0);
}
