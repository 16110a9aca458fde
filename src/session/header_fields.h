#pragma once
// The named header fields as the mission parameters dialog shows them, and the write-back when
// that dialog closes with OK.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/mission.h"
#include "model/record_layouts.h"

namespace vorlan {

class Session;

struct HeaderFields {
    // Shown trimmed of blanks and zero bytes; stored by the fixed-width text rule.
    std::array<std::string, HeaderRec::kRegionNames> RegionNames;
    std::array<std::string, HeaderRec::kHeaderStrings> HeaderStrings;
    bool Flag1 = false;
    bool Flag2 = false;
    // The item of the mission type list; negative when the stored value has no item.
    int MissionType = 0;
    // The nine header values as decimal texts, in field order.
    std::array<std::string, HeaderRec::kHeaderValues> ValueTexts;
};

// The number of entries in the mission type list.
inline constexpr int kMissionTypeCount = 11;

HeaderFields ReadHeaderFields(const Mission& mission);

// Stores the fields in order: names, strings, flags, mission type, then the values (the edit
// path marks the mission). A value text that is not a decimal 32-bit integer stops the store there
// and its error text is returned; it and the later values keep what they held. A negative mission
// type keeps the stored one, so a value the list cannot show survives the dialog.
std::optional<std::string> StoreHeaderFields(Session& session, const HeaderFields& fields);

// The value of a decimal 32-bit integer text (optional sign, digits only), or nothing.
std::optional<std::int32_t> ParseDecimalInt32(std::string_view text);

}  // namespace vorlan
