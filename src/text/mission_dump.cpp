#include "text/mission_dump.h"

#include "text/flight_group_info.h"
#include "text/flight_group_rows.h"
#include "text/message_rows.h"
#include "text/order_text.h"
#include "text/trigger_text.h"

namespace vorlan {
namespace {

// Writes the fields of one line; the last is the text and is escaped.
class LineWriter {
public:
    explicit LineWriter(std::ostream& out) : out_(out) {}

    template <class... Fields>
    void Line(std::string_view text, const Fields&... fields) {
        ((out_ << fields << '\t'), ...);
        out_ << EscapeDumpText(text) << '\n';
    }

private:
    std::ostream& out_;
};

void DumpFlightGroup(LineWriter& w, const Mission& mission, const Vocabulary& vocab,
                     const FGObject& fg, const std::string& row, std::size_t i) {
    const auto& ref = vocab.table(TableId::FlightGroupRefNames);
    w.Line(row, "fg", i, "row");
    w.Line(i < ref.size() ? ref[i] : std::string(), "fg", i, "ref");
    w.Line(std::to_string(fg.PresentAtStart), "fg", i, "info");
    for (int t = 1; t <= 4; ++t) {
        w.Line(TriggerText(fg.Record.Sub(FGRec::ArrivalTrigger(t)), mission, vocab), "fg", i,
               "arrival", t);
    }
    for (int t = 1; t <= 2; ++t) {
        w.Line(TriggerText(fg.Record.Sub(FGRec::DepartureTrigger(t)), mission, vocab), "fg", i,
               "departure", t);
    }
    for (int r = 1; r <= FGRec::kRegions; ++r) {
        for (int o = 1; o <= FGRec::kOrdersPerRegion; ++o) {
            w.Line(OrderText(fg.Record.Sub(FGRec::Order(r, o)), mission, vocab), "fg", i, "order",
                   r, o);
            for (int t = 1; t <= 2; ++t) {
                w.Line(TriggerText(fg.Record.Sub(FGRec::SkipTrigger(r, o, t)), mission, vocab),
                       "fg", i, "skip", r, o, t);
            }
        }
    }
    for (int g = 0; g < FGRec::kGoalCount; ++g) {
        w.Line(GoalText(fg.Record.Sub(FGRec::Goal(g)), vocab), "fg", i, "goal", g);
    }
}

}  // namespace

std::string EscapeDumpText(std::string_view text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '\t':
                escaped += "\\t";
                break;
            case '\n':
                escaped += "\\n";
                break;
            case '\r':
                escaped += "\\r";
                break;
            case '\\':
                escaped += "\\\\";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

void DumpMission(Mission& mission, Vocabulary& vocab, std::ostream& out,
                 std::span<const std::string> voiceEntries) {
    ListRows groupRows;
    RebuildFlightGroupList(mission, vocab, groupRows);
    RecomputePresentAtStart(mission);
    ListRows messageRows;
    RebuildMessageList(mission, messageRows);

    LineWriter w(out);
    w.Line(std::to_string(mission.MissionPlatform), "platform");
    for (int team = 0; team < kTeamCount; ++team) {
        w.Line(vocab.name(TableId::TeamList, team), "team", team);
    }
    for (std::size_t i = 0; i < mission.FlightGroups.size(); ++i) {
        DumpFlightGroup(w, mission, vocab, *mission.FlightGroups[i], groupRows.Rows[i], i);
    }
    for (std::size_t i = 0; i < mission.Messages.size(); ++i) {
        const MsgObject& message = *mission.Messages[i];
        w.Line(messageRows.Rows[i], "msg", i, "row");
        for (int t = 1; t <= 4; ++t) {
            w.Line(TriggerText(message.Record.Sub(MsgRec::MessageTrigger(t)), mission, vocab),
                   "msg", i, "trigger", t);
        }
        if (i < voiceEntries.size()) {
            w.Line(voiceEntries[i], "msg", i, "wav");
        }
    }
    for (std::size_t team = 0; team < mission.GlobalGoals.size(); ++team) {
        const GGObject& goals = mission.GlobalGoals[team];
        for (int k = 0; k < GGRec::kGoalKinds; ++k) {
            const auto kind = goals.Record.Sub(GGRec::GoalKind(k));
            for (int t = 1; t <= 4; ++t) {
                w.Line(TriggerText(kind.Sub(GGGoalRec::GoalTrigger(t)), mission, vocab), "gg", team,
                       k, t);
            }
        }
    }
}

}  // namespace vorlan
