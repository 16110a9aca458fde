#pragma once
// The "Ship" page: what a flight group is (name, craft, team, side, player, loadout, cargo). Every
// control writes all selected flight groups; choosing a craft type or a team can set the side
// and team (auto-link), a colour word as the name sets the markings, and the backdrop craft turns
// the cargo group into brightness, size and backdrop.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "edit/control_rule.h"
#include "model/mission.h"
#include "text/row_colors.h"

namespace vorlan {

std::span<const ControlRule> ShipPageRules();

// The craft type whose cargo fields hold a backdrop's brightness, size and picture.
inline constexpr int kBackdropCraftType = 183;
inline constexpr std::string_view kNonPlayerCraftWarning = "Non-Player Craft Chosen for Player";
// The special cargo field's background while the special ship lies outside the flight group.
inline constexpr RowColor kShadedBackground{192, 192, 192};

// Linked rules, run once after a control wrote every selected flight group.

// ShipBox: selected flight groups with AutoIFF take the side and team of their new craft type;
// then the status list and the special craft list follow the current flight group's craft.
void AutoLinkByCraftType(EditContext& context);
// TeamBox: selected flight groups with AutoIFF take the IFF of their new team.
void AutoLinkByTeam(EditContext& context);
// ShipName: with the colour-link preference on, a colour word as the name sets the markings.
void LinkColorToName(EditContext& context);
// FGSizeSpin: a special craft at or past the new last craft moves just past it.
void AdjustSpecialCraft(EditContext& context);
// PlayerBox: warns when a player is put in a craft a player cannot fly.
void CheckPlayerCraft(EditContext& context);

// Which side a craft type belongs to for auto-link; most craft have none.
enum class CraftSide { None, Rebel, Imperial };
CraftSide SideOfCraft(int craftType);

// The lowest team 0 to 7 whose IFF is rebel, or 0 when none is.
int RebelTeam(const Mission& mission);
// Scans teams 0 to 7: a team counts when its IFF is imperial or its name (blanks trimmed, any
// case) is IMPERIAL or EMPIRE; the last one counted wins, and the first imperial IFF ends the
// scan. 0 when none counts.
int ImperialTeam(const Mission& mission);

// The markings a name asks for on a craft type, or none when the name is no colour word. TIE
// markings rows are shifted by one, so a TIE's colour is one row further down.
std::optional<int> MarkingsForName(std::string_view name, int craftType);

// Craft a player can fly: the fighters, the missile boat and the gunboat.
bool IsPlayerCraft(int craftType);

// The cargo group of a craft type: its captions, the special craft list and its width.
struct CargoGroupLayout {
    bool Backdrop = false;
    std::string_view GroupCaption;
    std::string_view DefaultCaption;       // beside CargoEd
    std::string_view SpecialCaption;       // beside SpecCargEd
    std::string_view SpecialCraftCaption;  // beside SpecShpSpin, two lines
    int SpecialCraftWidth = 0;             // of SpecShpSpin, in pixels
    // Row k stores k: "1" to "255" for a special ship, else the backdrop names, at most one per
    // byte value.
    std::vector<std::string> SpecialCraftRows;
};
CargoGroupLayout CargoLayoutFor(int craftType, const Vocabulary& vocab,
                                const std::optional<std::vector<std::string>>& backdropNames);

// The special cargo field is shaded when the flight group shows the cargo layout, its special
// craft is not random and the special ship shown lies past the flight group's craft count.
bool SpecialCargoShaded(const FGObject& fg);

// The fifteen suggestions of the cargo fields: 0.1 to 0.9, then 1.0 to 6.0.
std::vector<std::string> CargoSuggestions();

}  // namespace vorlan
