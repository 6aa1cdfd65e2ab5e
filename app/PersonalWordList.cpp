// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "PersonalWordList.h"

#include <QDir>
#include <QStandardPaths>

namespace kestrano {

QString personalWordListPath(bool british)
{
    // The generic folder, not the application's own: the path stays the
    // same whatever the organisation and application names are set to.
    const QDir data(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    return data.filePath(british ? QStringLiteral("kestrano/my-words-british.txt")
                                 : QStringLiteral("kestrano/my-words-american.txt"));
}

} // namespace kestrano
