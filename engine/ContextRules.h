// SPDX-FileCopyrightText: 2026 Brightfern
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "HomographTable.h"

#include <string>
#include <vector>

namespace kestrano {

// The reading of words[index] that the words around it call for, from the
// word's readings in the homograph table, or null where no cue decides and
// the dictionary's reading stays. Cues, strongest first:
// - the reading's own cue words before or after it ("lead pipes");
// - a capitalised word inside the sentence is the name ("in Reading");
// - after have, had, was, been, 'd and the like the past ("she'd read");
// - after an article, a possessive, a number or an adjective a noun;
// - after "to", a modal or a subject pronoun a verb;
// - before "to" the form of "have to", before an object the main verb's
//   strong form ("we have three cats");
// - before "of" or "is" a noun, before an article or a possessive a verb;
// - at the end of the sentence the strong form ("what is it for").
const HomographReading* chooseReading(const std::vector<std::u16string>& words, std::size_t index,
                                      const std::vector<HomographReading>& readings);

} // namespace kestrano
