#include "text/flight_group_rows.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "session/new_mission.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

// A new mission holds one X-wing group named "Unnamed", flown by player 1.
class FlightGroupRows : public ::testing::Test {
protected:
    FlightGroupRows() { ResetToNewMission(session); }

    ByteRecord<FGRec::Tag>& Rec(std::size_t i) {
        return session.CurrentMission().FlightGroups.at(i)->Record;
    }
    ByteRecord<FGRec::Tag>& Add(int unit, int craft) {
        auto& groups = session.CurrentMission().FlightGroups;
        groups.push_back(MakeFGFromTemplate(session, session.CurrentMission()));
        groups.back()->Record.Set(FGRec::GlobalUnit, unit);
        groups.back()->Record.Set(FGRec::CraftCount, craft);
        return groups.back()->Record;
    }
    const std::string& Row(std::size_t i) {
        RebuildFlightGroupList(session.CurrentMission(), session.Vocab, list);
        return list.Rows.at(i);
    }
    std::string RefName(std::size_t i) const {
        return session.Vocab.table(TableId::FlightGroupRefNames).at(i);
    }

    test::RecordingUi ui;
    Session session{ui};
    ListRows list;
};

TEST_F(FlightGroupRows, FullRowsPutEveryBlankInPlace) {
    EXPECT_EQ(Row(0), "1     0  -  0   Plr: 1    1  x  [ 1 ]  X-W  Unnamed");
    EXPECT_EQ(RefName(0), "X-W Unnamed (1)");

    auto& rec = Rec(0);
    rec.Set(FGRec::Team, 9);
    rec.Set(FGRec::GlobalGroup, 10);
    rec.Set(FGRec::ArriveOnlyIfHuman, 1);
    rec.Set(FGRec::GlobalUnit, 9);
    rec.SetText(FGRec::Name, "  Red ");
    EXPECT_EQ(Row(0), "A   10  -  9? Plr: 1    1  x  [ 1 ]  X-W  Red 1");
    EXPECT_EQ(RefName(0), "X-W Red (1)");  // a player group is never numbered in its unit

    rec.Set(FGRec::Team, 15);
    rec.Set(FGRec::PlayerNumber, 0);
    rec.Set(FGRec::Waves, 2);
    rec.Set(FGRec::CraftCount, 12);
    EXPECT_EQ(Row(0), "10   10  -  9               3  x  [ 12 ]  X-W  Red 1");
    EXPECT_EQ(RefName(0), "X-W Red 1");

    const std::pair<int, std::string> difficulties[] = {
        {8, "<= Easy  "}, {7, "--never--  "}, {10, "   hard     "}, {11, ""}};
    for (const auto& [code, piece] : difficulties) {
        rec.Set(FGRec::ArrivalDifficulty, code);
        EXPECT_EQ(Row(0), "10   10  -  9" + piece + "3  x  [ 12 ]  X-W  Red 1") << code;
    }
}

TEST_F(FlightGroupRows, StoredBytesOutsideTheTablesStillGiveARow) {
    auto& rec = Rec(0);
    rec.Set(FGRec::CraftType, 232);
    rec.Set(FGRec::Waves, 255);
    rec.Set(FGRec::Team, 255);
    for (std::size_t i = 0; i < 20; ++i) {  // a name that fills its field, as a file may hold
        rec.SetByteAt(i, 'N');
    }
    EXPECT_EQ(Row(0), "100     0  -  0   Plr: 1    256  x  [ 1 ]  Unk  " + std::string(20, 'N'));
    rec.Set(FGRec::CraftType, 250);
    rec.SetText(FGRec::Name, "");
    Row(0);
    EXPECT_EQ(RefName(0), "Unk  (1)");
}

TEST_F(FlightGroupRows, UnitPositionsCountCraftOfEarlierGroupsInTheSameUnit) {
    Add(5, 2);
    Add(7, 4);
    Add(5, 3);
    Add(5, 1).Set(FGRec::PlayerNumber, 2);
    Add(51, 9);  // units 0 and past 50 neither show a position nor count
    Add(0, 9);
    Add(5, 1);
    Add(50, 2);  // the last unit that counts
    Add(50, 1);
    for (int pass = 0; pass < 2; ++pass) {  // every rebuild counts from the start
        EXPECT_TRUE(Row(1).ends_with("Unnamed 1"));
        EXPECT_TRUE(Row(2).ends_with("Unnamed 1"));
        EXPECT_TRUE(Row(3).ends_with("Unnamed 3"));
        EXPECT_TRUE(Row(4).ends_with("Unnamed 6"));
        EXPECT_TRUE(Row(5).ends_with("X-W  Unnamed"));
        EXPECT_EQ(RefName(4), "X-W Unnamed (2)");
        EXPECT_EQ(RefName(6), "X-W Unnamed");
        EXPECT_EQ(RefName(7), "X-W Unnamed 7");
        EXPECT_TRUE(Row(8).ends_with("Unnamed 1"));
        EXPECT_TRUE(Row(9).ends_with("Unnamed 3"));
    }
}

TEST_F(FlightGroupRows, ShortFormOnlyForPlatformLowByte255) {
    Rec(0).Set(FGRec::GlobalUnit, 4);
    Rec(0).Set(FGRec::ArriveOnlyIfHuman, 1);
    Add(4, 1);
    session.CurrentMission().MissionPlatform = 0x01FF;
    EXPECT_EQ(Row(0), "Plr: 1    1  x  [ 1 ]  X-W  Unnamed");
    EXPECT_EQ(RefName(1), "X-W Unnamed");

    // The older platforms keep following the flight groups, in the full form.
    for (const std::int16_t platform : {kPlatformXvt, kPlatformOld}) {
        const std::string name = "Gold" + std::to_string(platform);
        session.CurrentMission().MissionPlatform = platform;
        Rec(1).SetText(FGRec::Name, name);
        EXPECT_EQ(Row(1), "1     0  -  4               1  x  [ 1 ]  X-W  " + name + " 2");
        EXPECT_EQ(RefName(1), "X-W " + name + " 2");
    }
}

TEST_F(FlightGroupRows, SelectionIsKeptByIndex) {
    Add(0, 1).SetText(FGRec::Name, "A much longer name");
    Add(0, 1);
    Add(0, 1);
    Row(0);
    list.Selected[1] = list.Selected[3] = true;
    session.CurrentMission().FlightGroups.pop_back();
    Rec(1).SetText(FGRec::Name, "B");
    EXPECT_TRUE(Row(1).ends_with("X-W  B"));  // a reused row keeps nothing of before
    EXPECT_EQ(list.Selected, (std::vector<bool>{false, true, false}));

    Add(0, 1);  // a row that was removed comes back unselected
    Row(0);
    EXPECT_EQ(list.Selected, (std::vector<bool>{false, true, false, false}));
    EXPECT_EQ(session.Vocab.RowCount(TableId::FlightGroupRefNames), 4);
}

}  // namespace
}  // namespace vorlan
