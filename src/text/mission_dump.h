#pragma once
// A stable, line-oriented text view of a mission, one line per item with the text exactly as the
// editor shows it, for designers who keep missions in version control and diff them.

#include <ostream>
#include <span>
#include <string>
#include <string_view>

#include "model/mission.h"
#include "text/vocabulary.h"

namespace vorlan {

// Writes every line of the mission: fields separated by one TAB, the last field the text.
// Rebuilds the vocabulary's flight group tables and the present-at-start flags first, as the
// editor does when it shows a mission. voiceEntries are the lines of the mission's voice list.
void DumpMission(Mission& mission, Vocabulary& vocab, std::ostream& out,
                 std::span<const std::string> voiceEntries = {});

// TAB, LF, CR and backslash as \t, \n, \r and \\, every other byte as it is, so that each item
// stays on one line and the escaping can be undone.
std::string EscapeDumpText(std::string_view text);

}  // namespace vorlan
