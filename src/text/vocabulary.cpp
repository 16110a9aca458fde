#include "text/vocabulary.h"

#include <algorithm>

#include "text/vocabulary_tables.h"

namespace vorlan {

namespace {
// RadioNames rows 1 to 8 name the first eight teams; the rest are fixed.
constexpr int kRadioTeams = 8;
}  // namespace

Vocabulary::Vocabulary() {
    for (std::size_t i = 0; i < kTableCount; ++i) {
        const auto rows = StartupRows(static_cast<TableId>(i));
        tables_[i].assign(rows.begin(), rows.end());
    }
}

const std::vector<std::string>& Vocabulary::table(TableId id) const {
    return tables_.at(static_cast<std::size_t>(id));
}

std::string Vocabulary::name(TableId id, int code) const {
    const auto& rows = table(id);
    if (code < 0 || code >= static_cast<int>(rows.size())) {
        return std::to_string(code);
    }
    return rows[static_cast<std::size_t>(code)];
}

std::string Vocabulary::craftAbbreviation(int craftType) const {
    const auto& rows = table(TableId::CraftAbbreviations);
    if (craftType < 0 || craftType >= static_cast<int>(rows.size())) {
        return std::string(kUnknownCraftAbbreviation);
    }
    return rows[static_cast<std::size_t>(craftType)];
}

void Vocabulary::rebuildTeams(std::span<const TeamDetailObject> teams) {
    auto& teamList = Rows(TableId::TeamList);
    const auto count = std::min(teams.size(), teamList.size());
    for (std::size_t i = 0; i < count; ++i) {
        teamList[i] = std::to_string(i + 1) + "." + teams[i].Record.GetText(TeamRec::TeamName);
    }
    auto& radio = Rows(TableId::RadioNames);
    for (std::size_t i = 0; i < kRadioTeams; ++i) {
        radio[i + 1] = "Team " + teamList[i];
    }
}

void Vocabulary::SetFlightGroupRefNames(std::vector<std::string> names) {
    Rows(TableId::FlightGroupRefNames) = std::move(names);
}

TableId IndexTable(int classCode) {
    switch (classCode) {
        case 1:
            return TableId::FlightGroupRefNames;
        case 2:
            return TableId::CraftTypeNames;
        case 3:
            return TableId::ShipCategoryNames;
        case 4:
            return TableId::ObjectCategoryNames;
        case 5:
            return TableId::IFFNames;
        case 6:
            return TableId::OrderNames;
        case 7:
            return TableId::CraftWhenNames;
        case 12:  // one team
        case 21:  // all teams except one
            return TableId::TeamList;
        default:
            return TableId::NumberNames;
    }
}

TableId StatusTable(int craftType) {
    return craftType == kPlanetCraftType ? TableId::PlanetAppearanceNames : TableId::StatusNames;
}

std::string_view StatusCaption(int craftType) {
    return craftType == kPlanetCraftType ? "  Planet" : "Status 1";
}

}  // namespace vorlan
