#pragma once
// The "Messages" page's controls. The text belongs to the current message alone; colour, delay
// and the teams a message is sent to are written to every selected message.

#include <span>
#include <string>
#include <string_view>

#include "edit/control_rule.h"

namespace vorlan {

// The text field takes this many characters; with its colour prefix the text fills 64 bytes.
inline constexpr std::size_t kMessageTextLength = 63;
// SeenByList offers the first eight teams.
inline constexpr int kMessageTeams = 8;

std::span<const ControlRule> MessagePageRules();

// A stored text's colour prefix ('1', '2' or '3'), or 0 when it has none.
char MessageColorPrefix(std::string_view stored);
// What the text field and the list show: the stored text without its colour prefix.
std::string MessageTextShown(std::string_view stored);
// What an edit stores: the prefix the stored text had before the edit, then the typed text (at
// most kMessageTextLength characters). The prefix never comes from the typed text, so an edit
// cannot lose it and a typed leading digit of a prefixed message stays text.
std::string MessageTextToStore(std::string_view storedBefore, std::string_view typed);

// "Message #<index> of <count>".
std::string MessageHeading(int index, int count);
// The voice file group's caption for the message at index: three messages stand for the end of
// the mission.
std::string VoiceFileCaption(int index);

}  // namespace vorlan
