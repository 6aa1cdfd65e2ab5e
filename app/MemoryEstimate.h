// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>

// Bytes the toolkit needs at its peak to show `document` in a rich-text view.
// Its HTML parser holds a node of several hundred bytes for every tag and a
// copy of every text run until the view's document is built, so a text of
// millions of one-character sentences needs gigabytes for a moment.
qint64 estimatedBytesToShow(const QString& document);

// The memory the system can still give without swapping, read from a file in
// the format of /proc/meminfo; nothing when the file has no such figure.
std::optional<qint64>
availableMemoryBytes(const QString& meminfoPath = QStringLiteral("/proc/meminfo"));

// Whether showing `document` would take more memory than the system can still
// give. Without the figure (kernels before 3.14) a document is never refused.
bool tooLargeToShow(const QString& document,
                    const QString& meminfoPath = QStringLiteral("/proc/meminfo"));
