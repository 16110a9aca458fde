#include "text/flight_group_rows.h"

#include <string_view>
#include <utility>
#include <vector>

#include "text/row_pieces.h"

namespace vorlan {

namespace {

constexpr std::uint8_t kShortFormPlatform = 0xFF;

// The text of each arrival difficulty in a row of a flight group flown by the computer.
constexpr std::string_view kDifficultyPieces[] = {
    "               ", "<= Easy  ",   "   Med     ", "   hard     ", ">= Med   ",    "<= Med   ",
    "--never--  ",     "--never--  ", "<= Easy  ",   "   Med     ",  "   hard     ",
};

// The craft column. Looked up in place: the rebuild runs on every keystroke, so no copies.
std::string_view CraftAbbreviation(const Vocabulary& vocab, int craftType) {
    const auto& rows = vocab.table(TableId::CraftAbbreviations);
    if (craftType < static_cast<int>(rows.size())) {
        return rows[static_cast<std::size_t>(craftType)];
    }
    return kUnknownCraftAbbreviation;
}

std::string_view TrimmedName(const FGObject& fg) {
    return TrimmedFixedText(fg.Record.TextBytes(FGRec::Name));
}

// Small numbers are padded with two blanks so that the columns of most rows line up.
void AppendPadded(std::string& out, unsigned value) {
    if (value < 10) {
        out += "  ";
    }
    AppendNumber(out, value);
}

void AppendRow(std::string& out, const Vocabulary& vocab, const FGObject& fg, RowForm form,
               int unitPosition) {
    const auto& rec = fg.Record;
    const bool full = form == RowForm::Full;
    if (full) {
        const auto teamStart = out.size();
        AppendNumber(out, rec.Get(FGRec::Team) + 1u, 16);
        for (auto i = teamStart; i < out.size(); ++i) {
            if (out[i] >= 'a') {
                out[i] = static_cast<char>(out[i] - 'a' + 'A');
            }
        }
        out += "   ";
        AppendPadded(out, rec.Get(FGRec::GlobalGroup));
        out += "  -";
        AppendPadded(out, rec.Get(FGRec::GlobalUnit));
    }
    const unsigned player = rec.Get(FGRec::PlayerNumber);
    if (player != 0) {
        if (full) {
            out += rec.Get(FGRec::ArriveOnlyIfHuman) == 1 ? "? " : "   ";
        }
        out += "Plr: ";
        AppendNumber(out, player);
        out += "    ";
    } else if (const unsigned difficulty = rec.Get(FGRec::ArrivalDifficulty);
               difficulty < std::size(kDifficultyPieces)) {
        out += kDifficultyPieces[difficulty];
    }
    AppendNumber(out, rec.Get(FGRec::Waves) + 1u);
    out += "  x  [ ";
    AppendNumber(out, rec.Get(FGRec::CraftCount));
    out += " ]  ";
    out += CraftAbbreviation(vocab, rec.Get(FGRec::CraftType));
    out += "  ";
    out += TrimmedName(fg);
    if (full && unitPosition > 0) {
        out += ' ';
        AppendNumber(out, static_cast<unsigned>(unitPosition));
    }
}

void AppendRefName(std::string& out, const Vocabulary& vocab, const FGObject& fg, RowForm form,
                   int unitPosition) {
    out += CraftAbbreviation(vocab, fg.Record.Get(FGRec::CraftType));
    out += ' ';
    out += TrimmedName(fg);
    if (const unsigned player = fg.Record.Get(FGRec::PlayerNumber); player != 0) {
        out += " (";
        AppendNumber(out, player);
        out += ')';
    } else if (form == RowForm::Full && unitPosition > 0) {
        out += ' ';
        AppendNumber(out, static_cast<unsigned>(unitPosition));
    }
}

// Flight groups are separate 4 KB objects, so each row reads three cold cache lines; asking
// for them a few groups ahead hides most of the wait.
constexpr std::size_t kPrefetchAhead = 8;
void PrefetchRowFields(const FGObject& fg) {
    const std::uint8_t* bytes = fg.Record.Data();
    __builtin_prefetch(bytes);
    __builtin_prefetch(bytes + FGRec::CraftType.offset);
    __builtin_prefetch(bytes + FGRec::ArrivalDifficulty.offset);
    __builtin_prefetch(bytes + FGRec::GlobalUnit.offset);
}

}  // namespace

RowForm RowFormFor(std::int16_t platform) {
    // Platforms 12 and 14 share the full form: they hold the same global groups and units, and
    // rows that stopped following the flight groups would show stale names after every edit.
    return (platform & 0xFF) == kShortFormPlatform ? RowForm::Short : RowForm::Full;
}

int GlobalUnitCounters::Take(const FGObject& fg) {
    const int unit = fg.Record.Get(FGRec::GlobalUnit);
    if (unit < 1 || unit > kGlobalUnits) {
        return 0;
    }
    int& counter = counters_[static_cast<std::size_t>(unit - 1)];
    const int position = counter + 1;
    counter += fg.Record.Get(FGRec::CraftCount);
    return position;
}

std::string FlightGroupRow(const Vocabulary& vocab, const FGObject& fg, RowForm form,
                           int unitPosition) {
    std::string row;
    AppendRow(row, vocab, fg, form, unitPosition);
    return row;
}

std::string FlightGroupRefName(const Vocabulary& vocab, const FGObject& fg, RowForm form,
                               int unitPosition) {
    std::string name;
    AppendRefName(name, vocab, fg, form, unitPosition);
    return name;
}

void RebuildFlightGroupList(const Mission& mission, Vocabulary& vocab, ListRows& list) {
    const RowForm form = RowFormFor(mission.MissionPlatform);
    const std::size_t count = mission.FlightGroups.size();
    ResizeKeepingSelection(list, count);

    std::vector<std::string> refNames(count);
    GlobalUnitCounters counters;
    for (std::size_t i = 0; i < count; ++i) {
        if (i + kPrefetchAhead < count) {
            PrefetchRowFields(*mission.FlightGroups[i + kPrefetchAhead]);
        }
        const FGObject& fg = *mission.FlightGroups[i];
        const int unitPosition = form == RowForm::Full ? counters.Take(fg) : 0;
        std::string& row = list.Rows[i];
        row.clear();
        AppendRow(row, vocab, fg, form, unitPosition);
        AppendRefName(refNames[i], vocab, fg, form, unitPosition);
    }
    vocab.SetFlightGroupRefNames(std::move(refNames));
}

}  // namespace vorlan
