#pragma once
// The one list of places that hold a flight group number. Whatever rewrites references goes
// through here, so a place can never be renumbered by one operation and forgotten by another.

#include <cstdint>

#include "model/mission.h"

namespace vorlan {

// Calls rewrite(n) for every flight group number stored in the mission and stores what it
// returns, in a fixed order: per flight group its arrival, departure, mothership, order target
// and skip places; then the messages; then the global goals.
template <class Rewrite>
void RewriteFGReferences(Mission& mission, Rewrite&& rewrite) {
    const auto trigger = [&rewrite](RecordRef<TriggerRec::Tag> t) {
        if (t.Get(TriggerRec::TargetType) == TriggerRec::kFlightGroupTarget) {
            t.Set(TriggerRec::Target, rewrite(t.Get(TriggerRec::Target)));
        }
    };
    const auto orderTarget = [&rewrite](RecordRef<OrderRec::Tag> order,
                                        Field<OrderRec::Tag, std::uint8_t> type,
                                        Field<OrderRec::Tag, std::uint8_t> target) {
        if (order.Get(type) == TriggerRec::kFlightGroupTarget) {
            order.Set(target, rewrite(order.Get(target)));
        }
    };
    const auto plain = [&rewrite](ByteRecord<FGRec::Tag>& rec,
                                  Field<FGRec::Tag, std::uint8_t> field) {
        rec.Set(field, rewrite(rec.Get(field)));
    };

    for (auto& fg : mission.FlightGroups) {
        auto& rec = fg->Record;
        for (int t = 1; t <= 4; ++t) {
            trigger(rec.Sub(FGRec::ArrivalTrigger(t)));
        }
        trigger(rec.Sub(FGRec::DepartureTrigger(1)));
        trigger(rec.Sub(FGRec::DepartureTrigger(2)));
        plain(rec, FGRec::ArrivalMothership);
        plain(rec, FGRec::DepartureMothership);
        plain(rec, FGRec::AltArrivalMothership);
        plain(rec, FGRec::AltDepartureMothership);
        for (int r = 1; r <= FGRec::kRegions; ++r) {
            for (int o = 1; o <= FGRec::kOrdersPerRegion; ++o) {
                auto order = rec.Sub(FGRec::Order(r, o));
                orderTarget(order, OrderRec::Target1Type, OrderRec::Target1);
                orderTarget(order, OrderRec::Target2Type, OrderRec::Target2);
                orderTarget(order, OrderRec::Target3Type, OrderRec::Target3);
                orderTarget(order, OrderRec::Target4Type, OrderRec::Target4);
            }
        }
        for (int r = 1; r <= FGRec::kRegions; ++r) {
            for (int o = 1; o <= FGRec::kOrdersPerRegion; ++o) {
                trigger(rec.Sub(FGRec::SkipTrigger(r, o, 1)));
                trigger(rec.Sub(FGRec::SkipTrigger(r, o, 2)));
            }
        }
    }
    for (auto& message : mission.Messages) {
        for (int t = 1; t <= 4; ++t) {
            trigger(message->Record.Sub(MsgRec::MessageTrigger(t)));
        }
    }
    for (auto& goal : mission.GlobalGoals) {
        for (int k = 0; k < GGRec::kGoalKinds; ++k) {
            auto block = goal.Record.Sub(GGRec::GoalKind(k));
            for (int t = 1; t <= 4; ++t) {
                trigger(block.Sub(GGGoalRec::GoalTrigger(t)));
            }
        }
    }
}

}  // namespace vorlan
