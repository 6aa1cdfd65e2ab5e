# SPDX-FileCopyrightText: 2026 Brightfern
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The modules of tools/generate-dictionaries, one source or rule set each."""
