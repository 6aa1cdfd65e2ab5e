// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DesktopIdentity.h"

#include <QGuiApplication>
#include <QIcon>

namespace kestrano {

void setDesktopIdentity()
{
    // The name of the installed kestrano.desktop; Wayland compositors take
    // the windows' icon from that launcher.
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrano"));
#if !defined(Q_OS_WIN) && !defined(Q_OS_MACOS)
    // The very pictures of the Windows icon resource, from 16 to 256 pixels,
    // so that X11 window managers need not scale a single one.
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/01.ico")));
#endif
}

} // namespace kestrano
