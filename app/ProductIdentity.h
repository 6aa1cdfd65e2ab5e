// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Who publishes Kestrano and where it lives on the web. The organization and
// application names also locate the settings store, so changing them loses
// every user's saved options.
namespace kestrano::product {

inline constexpr char organizationName[] = "Brightfern";
inline constexpr char organizationDomain[] = "brightfern.com";
inline constexpr char applicationName[] = "Kestrano";

inline constexpr char updateFeedUrl[] = "https://www.brightfern.com/kestrano/appcast.xml";
inline constexpr char websiteUrl[] = "https://www.brightfern.com/kestrano/";

} // namespace kestrano::product
