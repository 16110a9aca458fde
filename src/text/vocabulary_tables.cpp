#include "text/vocabulary_tables.h"

#include <iterator>

namespace vorlan {
namespace {

// The rows exactly as the game words them: blanks, repeats and odd spellings included.

constexpr std::string_view kPlayerNames[] = {"(A.I.)", "1", "2", "3", "4", "5", "6", "7", "8"};
static_assert(std::size(kPlayerNames) == 9);

constexpr std::string_view kTeamList[] = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
static_assert(std::size(kTeamList) == 10);

constexpr std::string_view kPlayerPositionNames[] = {"2 (1)", "2", "3", "4", "5", "6"};
static_assert(std::size(kPlayerPositionNames) == 6);

constexpr std::string_view kIFFNames[] = {"Rebel", "Imperial", "Blue", "Yellow", "Red", "Azzameen"};
static_assert(std::size(kIFFNames) == 6);

constexpr std::string_view kMarkingNames[] = {"Red    (TIEs - None)", "Gold   (TIEs - Red)",
                                              "Blue    (TIEs - Gold)", "Green (TIEs - Blue)"};
static_assert(std::size(kMarkingNames) == 4);

constexpr std::string_view kAIRankNames[] = {"Rookie", "Officer", "Veteran",
                                             "Ace",    "Top Ace", "Jedi"};
static_assert(std::size(kAIRankNames) == 6);

constexpr std::string_view kRadioNames[] = {
    // 0
    "Off", "Team 1", "Team 2", "Team 3", "Team 4", "Team 5", "Team 6", "Team 7", "Team 8",
    "Player 1",
    // 10
    "Player 2", "Player 3", "Player 4", "Player 5", "Player 6", "Player 7", "Player 8"};
static_assert(std::size(kRadioNames) == 17);

constexpr std::string_view kFormationNames[] = {
    // 0
    "Vic", "Finger Four", "Line Astern", "Line Abreast", "Echelon Right", "Echelon Left",
    "Double Astern", "Diamond 1", "Stacked High", "High 'X'",
    // 10
    "Vic Abreast", "High Vic", "Reverse High Vic", "Reverse Line Astern", "Stacked Low",
    "Abreast Right", "Abreast Left", "Wing Forward", "Wing Back", "Line Astern Up",
    // 20
    "Line Astern Down", "Abreast 'V'", "Abreast Inverted 'V'", "Double Astern Mirror",
    "Double Stacked Astern", "Double Stacked High", "Diamond 2", "Diamond 3", "Flat Pentagon",
    "Side Pentagon",
    // 30
    "Front Pentagon", "Flat Hexagon", "Side Hexagon", "Front Hexagon", "(Single Point)"};
static_assert(std::size(kFormationNames) == 35);

constexpr std::string_view kWarheadNames[] = {"None",
                                              "Space Bombs",
                                              "Heavy Rockets",
                                              "Concussion Missiles",
                                              "Proton Torpedoes",
                                              "Advanced Missiles",
                                              "Advanced Torpedoes",
                                              "Mag Pulse Torpedoes",
                                              "(Ion Pulse Torpedoes)"};
static_assert(std::size(kWarheadNames) == 9);

constexpr std::string_view kBeamNames[] = {"None", "Tractor", "Jamming", "Decoy",
                                           "(Energy Transfer)"};
static_assert(std::size(kBeamNames) == 5);

constexpr std::string_view kCountermeasureNames[] = {"None", "Chaff", "Flare", "(Cluster mine)"};
static_assert(std::size(kCountermeasureNames) == 4);

constexpr std::string_view kDifficultyNames[] = {
    "All Levels",    "Cheat, Easy",   "Medium",
    "Hard",          "Medium, Hard",  "Cheat, Easy, Medium",
    "Never Appears", "Never Appears", "Cheat, Easy",
    "Medium",        "Hard"};
static_assert(std::size(kDifficultyNames) == 11);

constexpr std::string_view kRoleNames[] = {
    // 0
    "Command Ship", "Base", "Station", "Mission Critical Craft", "Convoy Craft", "Strike Craft",
    "Reload Craft", "Primary Target", "Secondary Target", "Tertiary Target",
    // 10
    "Resource Centre", "Facility", "HYP from Region 1", "HYP from Region 2", "HYP from Region 3",
    "HYP from Region 4", "HYP to Region 1", "HYP to Region 2", "HYP to Region 3", "HYP to Region 4",
    // 20
    "20", "21", "22", "23", "24", "25"};
static_assert(std::size(kRoleNames) == 26);

constexpr std::string_view kOptionalCraftPresets[] = {
    "No other craft", "All Friendly Flyable Craft", "All Rebel Starfighters",
    "All Flyable Transports", "User Defined Options"};
static_assert(std::size(kOptionalCraftPresets) == 5);

constexpr std::string_view kAbortReasonNames[] = {
    // 0
    "never", "shields out/damaged", "2", "out of missles", "at 50% hull", "attacked",
    "at 50% shields", "at 25% shields", "at 75% hull", "at 25% hull",
    // 10
    "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    // 20
    "20"};
static_assert(std::size(kAbortReasonNames) == 21);

constexpr std::string_view kStartPointNames[] = {" Start 1", " Start 2", " Start 3",
                                                 " Start 4", "?",        "?"};
static_assert(std::size(kStartPointNames) == 6);

constexpr std::string_view kRegionNumbers[] = {"1", "2", "3", "4"};
static_assert(std::size(kRegionNumbers) == 4);

constexpr std::string_view kOrderWaypointNames[] = {" Waypoint 1", " Waypoint 2", " Waypoint 3",
                                                    " Waypoint 4", " Waypoint 5", " Waypoint 6",
                                                    " Waypoint 7", " Waypoint 8"};
static_assert(std::size(kOrderWaypointNames) == 8);

constexpr std::string_view kFlightGroupNameSuggestions[] = {
    // 0
    "1.0 1.0 1.0", "Red", "Blue", "Green", "Gold", "Rogue", "Avenger", "Alpha", "Beta", "Gamma",
    // 10
    "Delta", "Eta", "Eagle", "Mu", "Nu", "Rho", "Tau", "Theta", "Zeta", "Liberty",
    // 20
    "Defiance", "Iota", "Omicron", "Lambda", "Omega", "Kappa", "Sigma", "Upsilon", "Chi", "Pi",
    // 30
    "Xi"};
static_assert(std::size(kFlightGroupNameSuggestions) == 31);

constexpr std::string_view kPlanetAppearanceNames[] = {
    // 0
    "v.small grey, 1 moon", "White-ish, 2 moons", "grey, no moons", "pink-ish, 2 moons",
    "grey, 2 moons", "grey, 1 big moon", "grey, from darkside", "red, from darkside",
    "Big orange-ish", "Big grey, 3/4 shadow",
    // 10
    "Big red, 1/2 shadow", "HUGE white-ish", "2 Yellow Stars", "2 Yellow Stars", "2 Blue Stars",
    "2 Orange Stars", "2 Red Stars", "17", "18", "19",
    // 20
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29",
    // 30
    "30"};
static_assert(std::size(kPlanetAppearanceNames) == 31);

constexpr std::string_view kStatusNames[] = {
    // 0
    "Normal", "Double Missiles", "Half Missiles", "No Shields", "50% Shields", "No Lasers",
    "No Hyperdrive", "Shields 0%, Charging", "Shields Added", "Hyperdrive Added",
    // 10
    "10", "11", "(200% Shields)", "Shields 50%,Charging", "(No Lasers)", "15",
    "Add Shields+H/drive", "17", "200% Shields", "(50% Shields)",
    // 20
    "Invincible", "Infinite Warheads", "22", "23", "24", "25", "26", "27", "28", "29",
    // 30
    "30", "31", "32", "33", "34", "35", "36", "37", "38", "39",
    // 40
    "40", "41", "42", "43", "44", "45", "46", "47", "48", "49",
    // 50
    "50"};
static_assert(std::size(kStatusNames) == 51);

constexpr std::string_view kOrderNames[] = {
    // 0
    "Hold Steady", "Fly home", "Circle waypoints", "Circle and Evade", "Rendezvous", "Disabled",
    "Await boarding", "Attack targets", "Attack escorts of", "Protect",
    // 10
    "Escort (prevent boarding)", "Disable targets", "Board to Give/Reload", "Board to Take",
    "Board to Exchange", "Board to Capture", "Board to Destroy", "Pick up/Bag", "Drop off/Deploy",
    "Wait 1",
    // 20
    "Wait 2", "SShip Circle", "SShip await return", "SShip await launch", "SS Patrol + protect",
    "SS Patrol + protect 2", "SS Patrol + attack", "SS Patrol + disable", "SShip Hold Steady 1",
    "SShip Fly Home",
    // 30
    "SShip Hold Steady 2", "Board to ?", "Board to repair", "SShip hold Steady 3",
    "SShip hold Steady 4", "SShip hold Steady 5", "Self-Destruct", "Kamikaze attack",
    "Permanently disabled", "SShip hold Steady 6",
    // 40
    "I.D. Targets", "41", "42", "43", "44", "45", "Defect", "47", "48", "Becon",
    // 50
    "Hyper to Region", "51", "52", "53", "54", "55", "56", "57", "58", "59",
    // 60
    "60", "61", "62", "63", "64", "65", "66", "67", "68", "69",
    // 70
    "70", "71", "72", "73", "74", "75"};
static_assert(std::size(kOrderNames) == 76);

constexpr std::string_view kThrottleNames[] = {"   0%", " 10%", " 20%", " 30%", " 40%", " 50%",
                                               " 60%",  " 70%", " 80%", " 90%", "100%"};
static_assert(std::size(kThrottleNames) == 11);

constexpr std::string_view kOrderDesignationSuggestions[] = {
    // 0
    "Attack", "Patrol", "Escort", "Intercept", "Protect", "Defence", "Superiority", "Suppression",
    "Strike", "Strike Escort",
    // 10
    "Defence", "Recon", "Inspection", "Heavy Attack", "Hvy Attack", "Disable", "Base Defence",
    "Dogfight"};
static_assert(std::size(kOrderDesignationSuggestions) == 18);

constexpr std::string_view kTriggerAmountNames[] = {
    // 0
    "100%", "75%", "50%", "25%", "At least one", "All but one", "The special craft",
    "All non-special craft", "All non-player craft", "All player craft",
    // 10
    "10", "11", "12", "13", "14", "15", "66%", "33%", "Each craft", "19",
    // 20
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29",
    // 30
    "30", "31", "32", "33", "34", "35", "36", "37", "38", "39",
    // 40
    "40", "41", "42", "43", "44", "45", "46", "47", "48", "49",
    // 50
    "50"};
static_assert(std::size(kTriggerAmountNames) == 51);

constexpr std::string_view kTriggerClassNames[] = {
    // 0
    "None ?", "Flight Group", "Ship Type", "Ship Category", "Object Category", "IFF",
    "Craft with orders", "Craft when", "Global Group (GG)", "9",
    // 10
    "10", "11", "Team", "13", "14", "15", "16", "17", "18", "19",
    // 20
    "20", "All Teams except", "22", "Global Unit (GU)", "24", "25", "26", "Message #", "28", "29",
    // 30
    "30", "31"};
static_assert(std::size(kTriggerClassNames) == 32);

constexpr std::string_view kTriggerConditionNames[] = {
    // 0
    "(Always true)", "arrive", "be destroyed", "be attacked", "be captured", "be inspected",
    "be boarded", "finish docking", "be disabled", "exist (survive)",
    // 10
    "(Never true)", "11", "complete mission", "complete primary goal", "fail primary goal",
    "complete secondary goal", "fail secondary goal", "complete bonus goal", "fail bonus goal",
    "be dropped off",
    // 20
    "be reinforced", "have 0% shields", "be at 50% hull", "run out of missiles", "(arrive?)",
    "be dropped off", "be unharmed?", "NOT be disabled", "NOT be bagged",
    "destroyed without inspection",
    // 30
    "be docked with", "NOT be docked with", "begin boarding", "NOT begin boarding",
    "be at 50% shields", "be at 25% shields", "be at 75% hull", "be at 25% hull", "38", "39",
    // 40
    "40", "be all Player craft", "reinforced by A.I.?", "come and go", "be bagged", "withdraw",
    "be carried away", "arrive in Region #", "leave Region #", "49",
    // 50
    "50", "51", "52", "53", "be delivered?", "55", "be shown", "57", "be I.D.ed", "59",
    // 60
    "60", "61", "62", "63", "64", "65", "66", "67", "68", "69",
    // 70
    "70"};
static_assert(std::size(kTriggerConditionNames) == 71);

constexpr std::string_view kNumberNames[] = {
    // 0
    "none", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    // 10
    "10", "11", "12", "13", "14", "15", "16", "17", "18", "19",
    // 20
    "20", "21", "22", "23", "24", "25", "26", "27", "28", "29",
    // 30
    "30", "31", "32", "33", "34", "35", "36", "37", "38", "39",
    // 40
    "40", "41", "42", "43", "44", "45", "46", "47", "48", "49",
    // 50
    "50", "51", "52", "53", "54", "55", "56", "57", "58", "59",
    // 60
    "60", "61", "62", "63", "64", "65", "66", "67", "68", "69",
    // 70
    "70", "71", "72", "73", "74", "75", "76", "77", "78", "79",
    // 80
    "80", "81", "82", "83", "84", "85", "86", "87", "88", "89",
    // 90
    "90", "91", "92", "93", "94", "95", "96", "97", "98", "99",
    // 100
    "100", "101", "102", "103", "104", "105", "106", "107", "108", "109",
    // 110
    "110", "111", "112", "113", "114", "115", "116", "117", "118", "119",
    // 120
    "120", "121", "122", "123", "124", "125", "126", "127", "128", "129",
    // 130
    "130", "131", "132", "133", "134", "135", "136", "137", "138", "139",
    // 140
    "140", "141", "142", "143", "144", "145", "146", "147", "148", "149",
    // 150
    "150", "151", "152", "153", "154", "155", "156", "157", "158", "159",
    // 160
    "160", "161", "162", "163", "164", "165", "166", "167", "168", "169",
    // 170
    "170", "171", "172", "173", "174", "175", "176", "177", "178", "179",
    // 180
    "180", "181", "182", "183", "184", "185", "186", "187", "188", "189",
    // 190
    "190", "191", "192", "193", "194", "195", "196", "197", "198", "199",
    // 200
    "200", "201", "202", "203", "204", "205", "206", "207", "208", "209",
    // 210
    "210", "211", "212", "213", "214", "215", "216", "217", "218", "219",
    // 220
    "220", "221", "222", "223", "224", "225", "226", "227", "228", "229",
    // 230
    "230", "231", "232", "233", "234", "235", "236", "237", "238", "239",
    // 240
    "240", "241", "242", "243", "244", "245", "246", "247", "248", "249",
    // 250
    "250", "251", "252", "253", "254", "255"};
static_assert(std::size(kNumberNames) == 256);

constexpr std::string_view kShipCategoryNames[] = {
    // 0
    "Starfighters", "Transport craft", "Freighters/Containers", "Starships", "Utility craft",
    "Platforms", "Mines", "7", "8", "9",
    // 10
    "10", "11", "12", "13", "14", "15"};
static_assert(std::size(kShipCategoryNames) == 16);

constexpr std::string_view kObjectCategoryNames[] = {
    "Space craft", "Weapons", "Satellites", "4", "5", "6", "7", "8", "9", "10"};
static_assert(std::size(kObjectCategoryNames) == 10);

constexpr std::string_view kCraftWhenNames[] = {
    // 0
    "0", "inspected", "finished docking?", "3", "disabled", "attacked", "shields at 0%?",
    "special craft", "non-special craft", "Players",
    // 10
    "non-player", "11", "not disabled", "13", "14", "15", "16", "17", "18", "19",
    // 20
    "20"};
static_assert(std::size(kCraftWhenNames) == 21);

constexpr std::string_view kGoalVerbNames[] = {"must", "must NOT", "BONUS must", "BONUS must NOT"};
static_assert(std::size(kGoalVerbNames) == 4);

constexpr std::string_view kMessageColorNames[] = {"Green",  "Red", "Blue",
                                                   "Yellow", "Red", "Purple"};
static_assert(std::size(kMessageColorNames) == 6);

constexpr std::string_view kTeamNameSuggestions[] = {
    // 0
    "Rebel", "Imperial", "Azzameen", "Viraxo", "Airam", "Pirate", "Mercenary", "Smugglers",
    "Trainee", "Red",
    // 10
    "Blue", "Gold", "Green", "One", "Two", "Three", "Four", "Five", "Six", "Seven",
    // 20
    "Eight"};
static_assert(std::size(kTeamNameSuggestions) == 21);

}  // namespace

std::span<const std::string_view> StartupRows(TableId id) {
    switch (id) {
        case TableId::PlayerNames:
            return kPlayerNames;
        case TableId::TeamList:
            return kTeamList;
        case TableId::PlayerPositionNames:
            return kPlayerPositionNames;
        case TableId::IFFNames:
            return kIFFNames;
        case TableId::MarkingNames:
            return kMarkingNames;
        case TableId::AIRankNames:
            return kAIRankNames;
        case TableId::RadioNames:
            return kRadioNames;
        case TableId::FormationNames:
            return kFormationNames;
        case TableId::WarheadNames:
            return kWarheadNames;
        case TableId::BeamNames:
            return kBeamNames;
        case TableId::CountermeasureNames:
            return kCountermeasureNames;
        case TableId::DifficultyNames:
            return kDifficultyNames;
        case TableId::RoleNames:
            return kRoleNames;
        case TableId::OptionalCraftPresets:
            return kOptionalCraftPresets;
        case TableId::AbortReasonNames:
            return kAbortReasonNames;
        case TableId::StartPointNames:
            return kStartPointNames;
        case TableId::RegionNumbers:
            return kRegionNumbers;
        case TableId::OrderWaypointNames:
            return kOrderWaypointNames;
        case TableId::FlightGroupNameSuggestions:
            return kFlightGroupNameSuggestions;
        case TableId::PlanetAppearanceNames:
            return kPlanetAppearanceNames;
        case TableId::StatusNames:
            return kStatusNames;
        case TableId::CraftTypeNames:
            return CraftTypeNamesRows();
        case TableId::CraftAbbreviations:
            return CraftAbbreviationsRows();
        case TableId::OrderNames:
            return kOrderNames;
        case TableId::ThrottleNames:
            return kThrottleNames;
        case TableId::OrderDesignationSuggestions:
            return kOrderDesignationSuggestions;
        case TableId::TriggerAmountNames:
            return kTriggerAmountNames;
        case TableId::TriggerClassNames:
            return kTriggerClassNames;
        case TableId::TriggerConditionNames:
            return kTriggerConditionNames;
        case TableId::NumberNames:
            return kNumberNames;
        case TableId::ShipCategoryNames:
            return kShipCategoryNames;
        case TableId::ObjectCategoryNames:
            return kObjectCategoryNames;
        case TableId::CraftWhenNames:
            return kCraftWhenNames;
        case TableId::GoalVerbNames:
            return kGoalVerbNames;
        case TableId::MessageColorNames:
            return kMessageColorNames;
        case TableId::TeamNameSuggestions:
            return kTeamNameSuggestions;
        case TableId::FlightGroupRefNames:
            break;
    }
    // Built from the mission's flight groups, so it starts empty.
    return {};
}

}  // namespace vorlan
