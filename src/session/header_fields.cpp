#include "session/header_fields.h"

#include <charconv>
#include <cstdint>

#include "session/session.h"
#include "text/blank_trim.h"

namespace vorlan {

HeaderFields ReadHeaderFields(const Mission& mission) {
    const auto& header = mission.MissionHeader;
    HeaderFields fields;
    for (int i = 0; i < HeaderRec::kRegionNames; ++i) {
        fields.RegionNames[i] =
            std::string(TrimBlanksAndNuls(header.GetText(HeaderRec::RegionNames(i))));
    }
    for (int i = 0; i < HeaderRec::kHeaderStrings; ++i) {
        fields.HeaderStrings[i] =
            std::string(TrimBlanksAndNuls(header.GetText(HeaderRec::HeaderStrings(i))));
    }
    fields.Flag1 = header.Get(HeaderRec::HeaderFlag1) != 0;
    fields.Flag2 = header.Get(HeaderRec::HeaderFlag2) != 0;
    const int type = header.Get(HeaderRec::MissionType);
    fields.MissionType = type < kMissionTypeCount ? type : -1;
    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        fields.ValueTexts[i] = std::to_string(header.Get(HeaderRec::HeaderValues(i)));
    }
    return fields;
}

std::optional<std::int32_t> ParseDecimalInt32(std::string_view text) {
    // from_chars takes a minus sign but not a plus sign.
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
        if (!text.empty() && text.front() == '-') {
            return std::nullopt;
        }
    }
    std::int32_t value = 0;
    const auto* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value, 10);
    if (text.empty() || ec != std::errc{} || ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::string> StoreHeaderFields(Session& session, const HeaderFields& fields) {
    auto& header = session.CurrentMission().MissionHeader;
    for (int i = 0; i < HeaderRec::kRegionNames; ++i) {
        header.SetText(HeaderRec::RegionNames(i), fields.RegionNames[i]);
    }
    for (int i = 0; i < HeaderRec::kHeaderStrings; ++i) {
        header.SetText(HeaderRec::HeaderStrings(i), fields.HeaderStrings[i]);
    }
    header.Set(HeaderRec::HeaderFlag2, fields.Flag2 ? 1 : 0);
    header.Set(HeaderRec::HeaderFlag1, fields.Flag1 ? 1 : 0);
    if (fields.MissionType >= 0) {
        header.Set(HeaderRec::MissionType, fields.MissionType);
    }
    for (int i = 0; i < HeaderRec::kHeaderValues; ++i) {
        const auto value = ParseDecimalInt32(fields.ValueTexts[i]);
        if (!value) {
            return "'" + fields.ValueTexts[i] + "' is not a valid integer value";
        }
        // Only the low byte fits the field.
        header.Set(HeaderRec::HeaderValues(i), static_cast<std::uint8_t>(*value & 0xFF));
    }
    return std::nullopt;
}

}  // namespace vorlan
