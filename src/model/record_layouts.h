#pragma once
// The byte layouts of the mission file's records: every named field with its offset and type.
// Bytes that no field names are carried unchanged from load to save.

#include <cstddef>
#include <cstdint>

#include "model/record_fields.h"

namespace vorlan {

// One trigger: the 6-byte condition record shared by every rule of the mission.
namespace TriggerRec {
struct Tag {
    static constexpr std::size_t kSize = 6;
};
inline constexpr Field<Tag, std::uint8_t> Condition{0};
inline constexpr Field<Tag, std::uint8_t> TargetType{1};
inline constexpr Field<Tag, std::uint8_t> Target{2};
inline constexpr Field<Tag, std::uint8_t> Amount{3};
inline constexpr Field<Tag, std::uint8_t> Parameter1{4};
inline constexpr Field<Tag, std::uint8_t> Parameter2{5};
// TargetType value that makes Target a flight group number.
inline constexpr std::uint8_t kFlightGroupTarget = 1;
}  // namespace TriggerRec

// Offsets of the four triggers and their joins inside a trigger block (1-based trigger number).
namespace TriggerBlock {
constexpr std::size_t TriggerOffset(int t) {
    constexpr std::size_t offsets[] = {0, 6, 16, 22};
    return offsets[t - 1];
}
inline constexpr std::size_t kJoin12 = 14;
inline constexpr std::size_t kJoin34 = 30;
inline constexpr std::size_t kFGArrivalJoinPairs = 32;
inline constexpr std::size_t kJoinPairs = 49;  // message and global goal blocks
}  // namespace TriggerBlock

// A point: x, y, z and whether it is enabled.
namespace PointRec {
struct Tag {
    static constexpr std::size_t kSize = 8;
};
inline constexpr Field<Tag, std::int16_t> X{0};
inline constexpr Field<Tag, std::int16_t> Y{2};
inline constexpr Field<Tag, std::int16_t> Z{4};
inline constexpr Field<Tag, std::int16_t> Enabled{6};
}  // namespace PointRec

// One order of a flight group (148 bytes).
namespace OrderRec {
struct Tag {
    static constexpr std::size_t kSize = 148;
};
inline constexpr Field<Tag, std::uint8_t> Command{0};
inline constexpr Field<Tag, std::uint8_t> Speed{1};
inline constexpr Field<Tag, std::uint8_t> Parameter1{2};
inline constexpr Field<Tag, std::uint8_t> Parameter2{3};
inline constexpr Field<Tag, std::uint8_t> Target3Type{6};
inline constexpr Field<Tag, std::uint8_t> Target4Type{7};
inline constexpr Field<Tag, std::uint8_t> Target3{8};
inline constexpr Field<Tag, std::uint8_t> Target4{9};
inline constexpr Field<Tag, std::uint8_t> TargetJoin34{10};
inline constexpr Field<Tag, std::uint8_t> Target1Type{12};
inline constexpr Field<Tag, std::uint8_t> Target1{13};
inline constexpr Field<Tag, std::uint8_t> Target2Type{14};
inline constexpr Field<Tag, std::uint8_t> Target2{15};
inline constexpr Field<Tag, std::uint8_t> TargetJoin12{16};
inline constexpr Field<Tag, std::uint8_t> MGLT{18};
// Waypoint w (1..8) of the order.
constexpr SubRecord<Tag, PointRec::Tag> OrderWaypoint(int w) {
    return {static_cast<std::size_t>(20 + (w - 1) * 8)};
}
}  // namespace OrderRec

// One goal of a flight group (80 bytes).
namespace FGGoalRec {
struct Tag {
    static constexpr std::size_t kSize = 80;
};
inline constexpr Field<Tag, std::uint8_t> Must{0};
inline constexpr Field<Tag, std::uint8_t> Condition{1};
inline constexpr Field<Tag, std::uint8_t> Amount{2};
inline constexpr Field<Tag, std::int8_t> Points{3};
inline constexpr Field<Tag, std::uint8_t> GoalCheck{4};
inline constexpr Field<Tag, std::uint8_t> Team{5};
inline constexpr Field<Tag, std::uint8_t> TimeLimit{15};
}  // namespace FGGoalRec

// The flight group record (3646 bytes).
namespace FGRec {
struct Tag {
    static constexpr std::size_t kSize = 3646;
};
inline constexpr TextField<Tag, 20> Name{0};
inline constexpr Field<Tag, std::int8_t> HudMode{20};
inline constexpr Field<Tag, std::int8_t> HudMode2{21};
inline constexpr Field<Tag, std::int8_t> Role{22};
inline constexpr Field<Tag, std::int8_t> Role2{23};
inline constexpr Field<Tag, std::int8_t> OptionByte24{24};
inline constexpr Field<Tag, std::int8_t> OptionByte25{25};
inline constexpr Field<Tag, std::int8_t> OptionByte26{26};
inline constexpr TextField<Tag, 20> Cargo{40};
inline constexpr TextField<Tag, 20> SpecialCargo{60};
inline constexpr TextField<Tag, 20> OrderDescription{80};
inline constexpr Field<Tag, std::uint8_t> SpecialCraft{105};
inline constexpr Field<Tag, std::uint8_t> RandomSpecialCraft{106};
inline constexpr Field<Tag, std::uint8_t> CraftType{107};
inline constexpr Field<Tag, std::uint8_t> CraftCount{108};
inline constexpr Field<Tag, std::uint8_t> Status{109};
inline constexpr Field<Tag, std::uint8_t> Warhead{110};
inline constexpr Field<Tag, std::uint8_t> Beam{111};
inline constexpr Field<Tag, std::uint8_t> IFF{112};
inline constexpr Field<Tag, std::uint8_t> Team{113};
inline constexpr Field<Tag, std::uint8_t> AI{114};
inline constexpr Field<Tag, std::uint8_t> Markings{115};
inline constexpr Field<Tag, std::uint8_t> Radio{116};
inline constexpr Field<Tag, std::uint8_t> Formation{118};
inline constexpr Field<Tag, std::uint8_t> FormationSpacing{119};
inline constexpr Field<Tag, std::uint8_t> GlobalGroup{120};
inline constexpr Field<Tag, std::uint8_t> Waves{122};
inline constexpr Field<Tag, std::uint8_t> PlayerNumber{125};
inline constexpr Field<Tag, std::uint8_t> ArriveOnlyIfHuman{126};
inline constexpr Field<Tag, std::uint8_t> PlayerCraft{127};
inline constexpr Field<Tag, std::uint8_t> Orientation{129};
inline constexpr Field<Tag, std::uint8_t> ArrivalDifficulty{134};
inline constexpr std::size_t kArrivalTriggers = 136;
inline constexpr Field<Tag, std::uint8_t> ArrivalJoin12{kArrivalTriggers + TriggerBlock::kJoin12};
inline constexpr Field<Tag, std::uint8_t> ArrivalJoin34{kArrivalTriggers + TriggerBlock::kJoin34};
inline constexpr Field<Tag, std::uint8_t> ArrivalJoinPairs{kArrivalTriggers +
                                                           TriggerBlock::kFGArrivalJoinPairs};
inline constexpr Field<Tag, std::uint8_t> ArrivalDelayMinutes{170};
inline constexpr Field<Tag, std::uint8_t> ArrivalDelaySeconds{171};
inline constexpr std::size_t kDepartureTriggers = 172;
inline constexpr Field<Tag, std::uint8_t> DepartureJoin12{kDepartureTriggers +
                                                          TriggerBlock::kJoin12};
inline constexpr Field<Tag, std::uint8_t> DepartureDelayMinutes{188};
inline constexpr Field<Tag, std::uint8_t> DepartureDelaySeconds{189};
inline constexpr Field<Tag, std::uint8_t> AbortCondition{190};
inline constexpr Field<Tag, std::uint8_t> ArrivalMothership{194};
inline constexpr Field<Tag, std::uint8_t> ArriveByMothership{195};
inline constexpr Field<Tag, std::uint8_t> DepartureMothership{196};
inline constexpr Field<Tag, std::uint8_t> DepartByMothership{197};
inline constexpr Field<Tag, std::uint8_t> AltArrivalMothership{198};
inline constexpr Field<Tag, std::uint8_t> AltArriveByMothership{199};
inline constexpr Field<Tag, std::uint8_t> AltDepartureMothership{200};
inline constexpr Field<Tag, std::uint8_t> AltDepartByMothership{201};
inline constexpr std::size_t kOrders = 202;
inline constexpr std::size_t kSkipTriggers = 2570;
inline constexpr std::size_t kGoals = 2826;
inline constexpr std::size_t kStartPoints = 3466;
inline constexpr std::size_t kExtraPoints = 3502;
inline constexpr Field<Tag, std::uint8_t> Countermeasures{3527};
inline constexpr Field<Tag, std::uint8_t> ExplosionTime{3528};
inline constexpr Field<Tag, std::uint8_t> Status2{3529};
inline constexpr Field<Tag, std::uint8_t> GlobalUnit{3530};
inline constexpr Field<Tag, std::uint8_t> OptionalCraftCategory{3550};
inline constexpr Field<Tag, std::uint8_t> SpecialCraftAlt{3602};

inline constexpr int kRegions = 4;
inline constexpr int kOrdersPerRegion = 4;
inline constexpr int kGoalCount = 8;
inline constexpr int kFilePoints = 6;  // start points 1..4 and extra points 5..6
// Craft type whose first start point may not be stored as the origin.
inline constexpr std::uint8_t kStartPointCraftType = 183;

// Arrival trigger t (1..4) and departure trigger t (1..2).
constexpr SubRecord<Tag, TriggerRec::Tag> ArrivalTrigger(int t) {
    return {kArrivalTriggers + TriggerBlock::TriggerOffset(t)};
}
constexpr SubRecord<Tag, TriggerRec::Tag> DepartureTrigger(int t) {
    return {kDepartureTriggers + TriggerBlock::TriggerOffset(t)};
}
// Order o of region r, both 1..4.
constexpr SubRecord<Tag, OrderRec::Tag> Order(int r, int o) {
    return {kOrders + static_cast<std::size_t>((r - 1) * 592 + (o - 1) * 148)};
}
// The skip block of order o of region r: trigger t (1..2) and its join.
constexpr std::size_t SkipBlockOffset(int r, int o) {
    return kSkipTriggers + static_cast<std::size_t>((r - 1) * 64 + (o - 1) * 16);
}
constexpr SubRecord<Tag, TriggerRec::Tag> SkipTrigger(int r, int o, int t) {
    return {SkipBlockOffset(r, o) + TriggerBlock::TriggerOffset(t)};
}
constexpr Field<Tag, std::uint8_t> SkipJoin12(int r, int o) {
    return {SkipBlockOffset(r, o) + TriggerBlock::kJoin12};
}
// Goal g (0..7).
constexpr SubRecord<Tag, FGGoalRec::Tag> Goal(int g) {
    return {kGoals + static_cast<std::size_t>(g * 80)};
}
// File point i (1..6): start points 1..4, then extra points 5..6.
constexpr SubRecord<Tag, PointRec::Tag> FilePoint(int i) {
    return {i <= 4 ? kStartPoints + static_cast<std::size_t>((i - 1) * 8)
                   : kExtraPoints + static_cast<std::size_t>((i - 5) * 8)};
}
constexpr Field<Tag, std::uint8_t> StartPointRegion(int i) {  // i = 0..3
    return {3498 + static_cast<std::size_t>(i)};
}
constexpr Field<Tag, std::uint8_t> OptionalWarheads(int i) {  // i = 0..7
    return {3532 + static_cast<std::size_t>(i)};
}
constexpr Field<Tag, std::uint8_t> OptionalBeams(int i) {  // i = 0..3
    return {3540 + static_cast<std::size_t>(i)};
}
constexpr Field<Tag, std::uint8_t> OptionalCountermeasures(int i) {  // i = 0..2
    return {3546 + static_cast<std::size_t>(i)};
}
constexpr Field<Tag, std::uint8_t> OptionalCraft(int i) {  // i = 0..9
    return {3551 + static_cast<std::size_t>(i)};
}
constexpr Field<Tag, std::uint8_t> OptionalCraftCount(int i) {  // i = 0..9
    return {3561 + static_cast<std::size_t>(i)};
}
constexpr Field<Tag, std::uint8_t> OptionalCraftWaves(int i) {  // i = 0..9
    return {3571 + static_cast<std::size_t>(i)};
}
}  // namespace FGRec

// An in-flight message (162 bytes).
namespace MsgRec {
struct Tag {
    static constexpr std::size_t kSize = 162;
};
inline constexpr Field<Tag, std::uint16_t> MessageNumber{0};
inline constexpr TextField<Tag, 64> Text{2};
inline constexpr std::size_t kMessageTriggers = 92;
inline constexpr Field<Tag, std::uint8_t> Join12{kMessageTriggers + TriggerBlock::kJoin12};
inline constexpr Field<Tag, std::uint8_t> Join34{kMessageTriggers + TriggerBlock::kJoin34};
inline constexpr Field<Tag, std::uint8_t> JoinPairs{kMessageTriggers + TriggerBlock::kJoinPairs};
inline constexpr Field<Tag, std::uint8_t> Delay{140};
inline constexpr Field<Tag, std::uint8_t> Color{142};
inline constexpr int kTeams = 10;
constexpr Field<Tag, std::uint8_t> SentToTeam(int team) {  // team = 0..9
    return {82 + static_cast<std::size_t>(team)};
}
constexpr SubRecord<Tag, TriggerRec::Tag> MessageTrigger(int t) {  // t = 1..4
    return {kMessageTriggers + TriggerBlock::TriggerOffset(t)};
}
}  // namespace MsgRec

// One goal kind of a team's global goal record (122 bytes).
namespace GGGoalRec {
struct Tag {
    static constexpr std::size_t kSize = 122;
};
inline constexpr Field<Tag, std::uint8_t> Join12{TriggerBlock::kJoin12};
inline constexpr Field<Tag, std::uint8_t> Join34{TriggerBlock::kJoin34};
inline constexpr Field<Tag, std::uint8_t> JoinPairs{TriggerBlock::kJoinPairs};
inline constexpr Field<Tag, std::int8_t> GoalPoints{51};
constexpr SubRecord<Tag, TriggerRec::Tag> GoalTrigger(int t) {  // t = 1..4
    return {TriggerBlock::TriggerOffset(t)};
}
}  // namespace GGGoalRec

// The global goal record of a team (368 bytes).
namespace GGRec {
struct Tag {
    static constexpr std::size_t kSize = 368;
};
inline constexpr Field<Tag, std::uint16_t> RecordWord{0};
inline constexpr int kGoalKinds = 3;
constexpr SubRecord<Tag, GGGoalRec::Tag> GoalKind(int k) {  // k = 0..2
    return {2 + static_cast<std::size_t>(k * 122)};
}
}  // namespace GGRec

// A team (487 bytes).
namespace TeamRec {
struct Tag {
    static constexpr std::size_t kSize = 487;
};
inline constexpr Field<Tag, std::uint16_t> TeamWord{0};
inline constexpr TextField<Tag, 16> TeamName{2};
inline constexpr int kEndTexts = 6;
constexpr Field<Tag, std::uint8_t> Allies(int team) {  // team = 0..7
    return {26 + static_cast<std::size_t>(team)};
}
// End texts in order: Succ1, Succ2, Fail1, Fail2, Sec1, Sec2.
constexpr TextField<Tag, 64> EndText(int i) {  // i = 0..5
    return {36 + static_cast<std::size_t>(i * 64)};
}
}  // namespace TeamRec

// The mission header (9198 bytes).
namespace HeaderRec {
struct Tag {
    static constexpr std::size_t kSize = 9198;
};
inline constexpr Field<Tag, std::uint16_t> FGCount{0};
inline constexpr Field<Tag, std::uint16_t> MessageCount{2};
inline constexpr Field<Tag, std::uint8_t> HeaderFlag2{6};
inline constexpr Field<Tag, std::uint8_t> HeaderFlag1{9};
inline constexpr Field<Tag, std::uint8_t> MissionType{9130};
inline constexpr int kHeaderStrings = 4;
inline constexpr int kRegionNames = 4;
inline constexpr int kHeaderValues = 9;
constexpr TextField<Tag, 20> HeaderStrings(int i) {  // i = 0..3
    return {18 + static_cast<std::size_t>(i * 20)};
}
constexpr TextField<Tag, 132> RegionNames(int i) {  // i = 0..3
    return {98 + static_cast<std::size_t>(i * 132)};
}
constexpr Field<Tag, std::uint8_t> HeaderValues(int i) {  // i = 0..8
    return {9131 + static_cast<std::size_t>(i)};
}
}  // namespace HeaderRec

// The briefing record (17428 bytes); the editor reads no field of it.
namespace BriefingRec {
struct Tag {
    static constexpr std::size_t kSize = 17428;
};
}  // namespace BriefingRec

}  // namespace vorlan
