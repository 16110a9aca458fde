#pragma once
// The "Orders" page's controls and linked rules. The order controls edit the order at
// (Select.CurrentOrderRegion, Select.CurrentOrderNumber) of every selected flight group; the
// designation belongs to the flight group itself. A target's index lists the table of its class.

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/control_rule.h"
#include "model/fg_object.h"
#include "model/record_layouts.h"

namespace vorlan {

class Session;

std::span<const ControlRule> OrderPageRules();
// The rule of an order field by its name (Command, Speed, Target1Type, ...); null for any other.
const ControlRule* FindOrderFieldRule(std::string_view field);

// What the linked rules ask the page to show again beyond its bound controls: the four order
// sentences and the two parameter captions.
inline constexpr std::string_view kOrderLinesControl = "OrderLines";
inline constexpr std::string_view kParameterCaptionControls[] = {"OrderP1Lab", "OrderP2Lab"};

// The order the page edits, of fg.
ConstRecordRef<OrderRec::Tag> CurrentOrder(const Session& session, const FGObject& fg);

// The sentences of orders 1 to 4 of the current region of the current flight group.
std::array<std::string, FGRec::kOrdersPerRegion> CurrentRegionOrderTexts(const Session& session);

// The rows of target t's index list (t 1..4): the index table of that target's class in the
// current flight group's current order.
std::vector<std::string> TargetIndexRows(const Session& session, int t);

// Linked rules.
// The order sentences change with any command, target or link.
void RedrawOrderLines(EditContext& context);
// The parameter captions follow the command and the parameters.
void RefreshParameterCaptions(EditContext& context);
// The command changed: both of the above.
void FollowCommand(EditContext& context);
// A class changed: its index list now lists the new class, and the sentences change.
void FollowTargetClass(EditContext& context);

}  // namespace vorlan
