#include "text/order_text.h"

#include <string_view>

#include "text/blank_trim.h"
#include "text/trigger_text.h"

namespace vorlan {

namespace {

constexpr int kNoOrder = 0;

// Appends the link word and the second target of a pair. The blank and the second phrase are
// written even when the second target is unused.
void AppendSecondTarget(std::string& text, int type, int target, int join, const Mission& mission,
                        const Vocabulary& vocabulary) {
    if (type != 0) {
        text += join != 0 ? " or" : " only if";
    }
    text += " ";
    text += TargetText(type, target, mission, vocabulary);
}

}  // namespace

std::string OrderText(ConstRecordRef<OrderRec::Tag> order, const Mission& mission,
                      const Vocabulary& vocabulary) {
    const int command = order.Get(OrderRec::Command);
    std::string text;
    if (command == kNoOrder) {
        text = "(No Order)";
    } else {
        // Codes past the table read as their number, and the targets still follow.
        text = vocabulary.name(TableId::OrderNames, command) + ":";
        text += "  ";
        text += TargetText(order.Get(OrderRec::Target1Type), order.Get(OrderRec::Target1), mission,
                           vocabulary);
        AppendSecondTarget(text, order.Get(OrderRec::Target2Type), order.Get(OrderRec::Target2),
                           order.Get(OrderRec::TargetJoin12), mission, vocabulary);
    }
    // Targets 3 and 4 follow whatever the command is, even no order at all.
    const int target3Type = order.Get(OrderRec::Target3Type);
    if (target3Type != 0) {
        text += "  /  ";
        text += TargetText(target3Type, order.Get(OrderRec::Target3), mission, vocabulary);
        AppendSecondTarget(text, order.Get(OrderRec::Target4Type), order.Get(OrderRec::Target4),
                           order.Get(OrderRec::TargetJoin34), mission, vocabulary);
    }
    return text;
}

std::string OrderHeading(int orderNumber) {
    return "Order #" + std::to_string(orderNumber) + ":";
}

std::string RegionOrderHeading(int region, ConstRecordRef<OrderRec::Tag> order,
                               const Mission& mission, const Vocabulary& vocabulary) {
    std::string regionName;
    if (region >= 1 && region <= HeaderRec::kRegionNames) {
        regionName = mission.MissionHeader.GetText(HeaderRec::RegionNames(region - 1));
    }
    std::string text = "At \"";
    text += TrimBlanksAndNuls(regionName);
    text += "\" - ";
    text += OrderText(order, mission, vocabulary);
    return text;
}

}  // namespace vorlan
