#include "text/vocabulary_tables.h"

#include <iterator>

namespace vorlan {
namespace {

// The two craft tables differ in length and, from row 183 on, in kind; each keeps its own
// rows. A leading '*' is part of the text.

constexpr std::string_view kCraftTypeNames[] = {
    // 0
    "(None)", "Xwing", "Ywing", "Awing", "Bwing", "TIE Fighter", "TIE Interceptor", "TIE Bomber",
    "TIE Advanced", "TIE Defender ",
    // 10
    "Authority IRD", "Toscan Fighter", "Missile Boat", "Twing", "Z-95", "R-41", "Gunboat",
    "Shuttle", "Escort Shuttle ", "System Patrol Craft",
    // 20
    "Scout Craft", "Stormtrooper Transpost", "Assault Transport", "Escort Transport", "Tug",
    "Combat Utility Vehicle", "CN/A Brick", "CN/B Hexbox", "CN/C Tube", "CN/D Pronged",
    // 30
    "Heavy Lifter", "Mole Miner", "Bulk Freighter", "Cargo Ferry", "Modular Conveyor",
    "Container Transpost", "Rebel Med Transport", "Muurian Transport", "Corellian Transport",
    "Millenium Falcon",
    // 40
    "Corellian Corvette", "Modified Corvette", "Nebulon B Frigate", "Modified Neb B Frigate",
    "Passenger Liner", "Carrack Cruiser", "Strike Cruiser", "Escort Carrier", "Dreadnaught",
    "Calamari Cruiser",
    // 50
    "Lt Calamari Cruiser", "Interdictor", "Victory Star Destroyer", "Imperial Star Destroyer",
    "Super Star Destroyer", "CN/E Hemisphere", "CN/F Slotted", "CN/G Hourglass", "CN/H Gem",
    "CN/I Y shaped",
    // 60
    "Platform 1", "Platform 2", "Platform 3", "Platform 4", "Platform 5", "Platform 6",
    "Asteroid Hangar", "Asteroid Laser Battery", "Asteroid Warhd Launcher", "Factory",
    // 70
    "Satellite1", "Satellite2", "Satellite3", "*Satellite4", "*Satellite5", "Mine1", "Mine2",
    "Mine3", "Gun Platform", "*Mine5",
    // 80
    "Probe1", "Probe Capsule", "*Probe3", "Buoy1", "Buoy2", "Hyper buoy", "Asteroid", "Planet",
    "Rendezvous Buoy", "Cargo Canister",
    // 90
    "Shipyard", "Repair Yard", "*Mod Strike Cruiser", "Lancer Frigate", "Bulk Cruiser",
    "Assault Frigate", "Corellian Gunship", "Imperial Landing Craft", "Assault Shuttle",
    "Marauder Corvette",
    // 100
    "Star Galleon", "Imp Research Ship", "Luxury Yacht 3000", "Ferryboat Liner ",
    "Modified Action Transpost", "Mobquet Transport", "Xiytiar Transport", "Freight Transport/C",
    "Freight Transport/H", "Freight Transport/K ",
    // 110
    "YT-2000", "YT-2400", "Suprosa", "Skipray Blastboat", "TIE Experimental M1",
    "TIE Experimental M2", "TIE Experimental M3", "TIE Experimental M4", "TIE Experimental M5",
    "Cloakshape Fighter",
    // 120
    "Razor Fighter", "Planetary Fighter", "Supa Fighter", "Pinook Fighter", "*Booster Pack",
    "Preybird Fighter", "*StarViper", "Firespray", "Pursuer", "Golan One Station",
    // 130
    "Golan Two Station", "Golan Three Station", "Derilyn Platform", "Sensor Array", "Comm Relay",
    "Space Colony 1", "Space Colony 2", "Space Colony 3", "Casino", "Cargo Facility 1",
    // 140
    "Cargo Facility 2", "Asteroid Mining Unit", "Processing Plant", "Rebel Platform",
    "Imperial Research Center", "Family Base", "Family Repair Yard", "Pirate Ship Yard",
    "Industrial Complex", "*Pirate Junkyard Base",
    // 150
    "Escape Pod Type 1 ", "Pressure Tank", "CN/J Grande", "CN/K Box", "CN/L Sphere", "CN/Hangar",
    "Lrg Gun Emplace", "Lrg Gun/Wrhd Empl", "Proximity Mine A", "Proximity Mine B",
    // 160
    "*Homing Mine A", "Homing Mine B", "New Laser battery", "New Ion battery", "Cargo Freighter",
    "*Cargo Freighter 2", "*Cargo Freighter 3", "*Cargo Freighter 4", "*Cargo Freighter 5",
    "Cargo Tanker",
    // 170
    "*Cargo Tanker 2", "*Cargo Tanker 3", "*Cargo Tanker 4", "*Cargo Tanker 5", "Escape Pod Type 2",
    "*Rebel Pilot", "*Imp Pilot", "*Civ Pilot", "ZeroG Stormtrooper", "ZeroG Utility",
    // 180
    "Emkay", "Astromech Droid", "Worker Droid", "Backdrop / Light (RGB->)", "184", "185", "186",
    "187", "188", "189",
    // 190
    "190", "191", "192", "193", "194", "195", "196", "197", "198", "199",
    // 200
    "200", "201", "202", "203", "204", "205", "206", "207", "208", "209",
    // 210
    "210", "211", "212", "213", "214", "215", "216", "217", "218", "219",
    // 220
    "220", "221", "222", "223", "224", "225", "226", "Death Star II", "Winged Calamari Cruiser",
    "VSD II",
    // 230
    "ISD II", "231", ""};
static_assert(std::size(kCraftTypeNames) == 233);

constexpr std::string_view kCraftAbbreviations[] = {
    // 0
    "---", "X-W", "Y-W", "A-W", "B-W", "T/F", "T/I", "T/B", "T/A", "T/D",
    // 10
    "IRD", "TOS", "MIS", "T/W", "Z-95", "R-41", "GUN", "SHU", "E/S", "SPC",
    // 20
    "SCT", "TRN", "ATR", "ETR", "TUG", "CUV", "CN/A", "CN/B", "CN/C", "CN/D",
    // 30
    "HLF", "MINER", "FRT", "CARG", "CNVYR", "CTRNS", "MTRNS", "MUTR", "CORT", "FALC",
    // 40
    "CRV", "M/CRV", "FRG", "M/FRG", "LINER", "CRKC", "STRKC", "ESC", "DREAD", "CRS",
    // 50
    "CRL", "INT", "VSD", "ISD", "SSD", "CN/E", "CN/F", "CN/G", "CN/H", "CN/I",
    // 60
    "PLT/1", "PLT/2", "PLT/3", "PLT/4", "PLT/5", "PLT/6", "R&D FC", "LAS BAT", "W LNCHR", "FAC/1",
    // 70
    "SAT/1", "SAT/2", "SAT/3", "*Sat4", "*Sat5", "Mn/T1", "Mn/T2", "Mn/T3", "GPLT", "*Mine5",
    // 80
    "PROBE/1", "PROBE", "PROBE/3", "NAV BUOY", "BUOY 2", "HYPER", "Asteroid", "Planet", "RDZ BUOY",
    "C/C",
    // 90
    "SHPYD", "REPYD", "M/SC", "L/FRG", "B/CRS", "A/FRG", "GSP", "L/C", "A/S", "M-CRV",
    // 100
    "STARG", "Imp Research Ship", "LT3000", "F/L", "M/TRN", "MOB", "Xiy/T", "Frt/C", "Frt/H",
    "Frt/K",
    // 110
    "YT-2000", "YT-2400", "Suprosa MOB", "S/B", "T/e1", "T/e2", "T/e3", "T/e4", "T/e5", "Clk/F",
    // 120
    "Rzr/F", "Plt/F", "Sup/F", "Pnk/F", "B/R", "Pry/F", "*Xiz/F", "FRS", "PES", "G/1",
    // 130
    "G/2", "G/3", "D/P", "S/ARY", "C/RLY", "SC/1", "SC/2", "SC/3", "CAS", "C/F1",
    // 140
    "C/F2", "AMU", "PP", "BASE", "IRC", "AZZ", "RY/2", "Pirate SHPYD", "FAC/2", "JUNKYD",
    // 150
    "E-POD", "Pr/Tk", "CN/J", "CN/K", "CN/L", "CN/Hgr", "G/P", "GW/P", "PM/1", "PM/2",
    // 160
    "H/Mine1", "H/Mine2", "L/B", "I/B", "CF", "Cargo Freighter 2", "Cargo Freighter 3",
    "Cargo Freighter 4", "Cargo Freighter 5", "CT",
    // 170
    "Cargo Tanker 2", "Cargo Tanker 3", "Cargo Tanker 4", "Cargo Tanker 5", "E-POD/2",
    "Rebel Pilot", "Imperial Pilot", "Civ Pilot", "ZG/S", "ZG/U",
    // 180
    "MK-09", "R2-D2", "Worker Droid (R2-D2)", "B/Drop", "*Forest moon of Endor", "*Endor",
    "*Sullust", "*Bothuwai", "*Kothlis", "*Hoth",
    // 190
    "*Death Star II", "*Nar shadda", "*Planet 10", "*Planet 11", "*Planet 12", "*Planet 13",
    "*Planet 14", "*Planet 15", "*Moon 1", "*Moon 2",
    // 200
    "*Moon 3", "*Moon 4", "*Moon 5", "*Sun 1", "*Sun 2", "*Sun 3", "*Sun 4", "*Sun 5", "*Sun 6",
    "*Sun 7",
    // 210
    "*Sun 8", "*Sun 9", "*Sun 10", "*Backdrop 1", "*Backdrop 2", "*Backdrop 3", "*Backdrop 4",
    "*Backdrop 5", "*Backdrop 6", "*Backdrop 7",
    // 220
    "*Backdrop 8", "*Backdrop 9", "*Backdrop 10", "*Backdrop 11", "*Backdrop 12", "*Backdrop 13",
    "*Backdrop 14", "*Backdrop 15", "WCRS", "VSDII",
    // 230
    "ISDII", "*Backdrop 16"};
static_assert(std::size(kCraftAbbreviations) == 232);

}  // namespace

std::span<const std::string_view> CraftTypeNamesRows() {
    return kCraftTypeNames;
}

std::span<const std::string_view> CraftAbbreviationsRows() {
    return kCraftAbbreviations;
}

}  // namespace vorlan
