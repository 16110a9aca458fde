#pragma once
// The "Options" page's controls and linked rules: the tactical role and HUD mode, the optional
// weapons offered before flight, and the optional craft (a preset or ten user-defined rows).

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "edit/control_rule.h"

namespace vorlan {

std::span<const ControlRule> OptionsPageRules();

// The HUD mode byte a typed text stores: the whole number's low 8 bits, 0 for anything else.
std::uint8_t HudModeByte(std::string_view text);

// A row of the optional craft list: "1 x [ 2 ]  Xwing" (waves, craft, type), or "<None>" when
// the row has no craft.
std::string OptionalCraftRowText(const Vocabulary& vocab, const FGObject& fg, int row);

// OpShipTypes and the two optional craft spin boxes: the optional craft list shows the change.
void ShowOptionalCraftList(EditContext& context);
// OpFGList: the clicked row becomes the one the controls under the list edit; nothing is
// written, and a click that leaves no row selected does nothing.
void ChooseOptionalCraftRow(EditContext& context);
// OpShipBox: a craft chosen for a row the current flight group has no craft in gets a count of
// 1, written as the count spin box would write it, into every selected flight group.
void OptionalCraftCountOfOne(EditContext& context);

}  // namespace vorlan
