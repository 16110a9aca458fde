#include "edit/hyperbuoys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

// One appended buoy: its name, the region it stands in (0-based), its roles, and whether order
// 1 of its region is the beacon order.
struct Buoy {
    std::string Name;
    int Region;
    int Role;
    std::optional<int> SecondRole;
    bool Beacon;
};

struct Case {
    const char* Title;
    HyperbuoyEdit Edit;
    std::vector<std::string> RegionNames;
    int MissionType;
    std::vector<Buoy> Expected;
};

const std::vector<Case> kCases = {
    {"defaults",
     {0, 1, true},
     {},
     6,
     {{"To Region 2", 0, 17, {}, true},
      {"From Region 1", 1, 12, {}, false},
      {"To Region 1", 1, 16, {}, true},
      {"From Region 2", 0, 13, {}, false}}},
    {"without entry buoys",
     {2, 0, false},
     {},
     6,
     {{"Region 1", 2, 16, 14, true}, {"Region 3", 0, 18, 12, true}}},
    {"same region",
     {3, 3, true},
     {},
     6,
     {{"To Region 4", 3, 19, {}, true},
      {"From Region 4", 3, 15, {}, false},
      {"To Region 4", 3, 19, {}, true},
      {"From Region 4", 3, 15, {}, false}}},
    // Cut to 19 characters; 16 fit behind "To " exactly.
    {"long names",
     {0, 1, true},
     {"Outer Rim Sector", "Kessel Run Approach"},
     6,
     {{"To Kessel Run Appro", 0, 17, {}, true},
      {"From Outer Rim Sect", 1, 12, {}, false},
      {"To Outer Rim Sector", 1, 16, {}, true},
      {"From Kessel Run App", 0, 13, {}, false}}},
    {"family mission",
     {1, 2, false},
     {},
     7,
     {{"Region 3", 1, 18, 13, true}, {"Region 2", 2, 17, 14, true}}},
};

// Three flight groups, the second current, the first two selected (and a stale row past the
// end). The template and team table differ from a new mission's, so a byte taken from anywhere
// else shows.
struct BuoyMission {
    BuoyMission() {
        ResetToNewMission(session);
        auto& tmpl = session.Template.DefaultFGRecord;
        tmpl.SetText(FGRec::Cargo, "Crates");
        tmpl.Set(FGRec::CraftCount, 3);
        tmpl.SetByteAt(3600, 0x5a);
        Mission().TeamIFF[0] = 3;
        auto& groups = Mission().FlightGroups;
        groups.push_back(MakeFGFromTemplate(session, Mission()));
        groups.push_back(MakeFGFromTemplate(session, Mission()));
        Mission().MissionHeader.Set(HeaderRec::FGCount, groups.size());
        session.Select.CurrentFGIndex = 1;
        session.Select.SelectedFGs = {true, true, false, true};
        session.ClearModified();
    }

    vorlan::Mission& Mission() { return session.CurrentMission(); }

    // The template with what a buoy must differ in.
    ByteRecord<FGRec::Tag> ExpectedRecord(const Buoy& buoy, int missionType) const {
        ByteRecord<FGRec::Tag> rec = session.Template.DefaultFGRecord;
        rec.Set(FGRec::CraftType, 85);
        rec.Set(FGRec::Status, 20);
        rec.Set(FGRec::IFF, missionType == 7 ? 5 : 0);
        rec.Set(FGRec::HudMode, 0);
        rec.SetText(FGRec::Name, buoy.Name);
        rec.Set(FGRec::StartPointRegion(0), buoy.Region);
        rec.Set(FGRec::Role, buoy.Role);
        if (buoy.SecondRole) {
            rec.Set(FGRec::HudMode2, 0);
            rec.Set(FGRec::Role2, *buoy.SecondRole);
        }
        if (buoy.Beacon) {
            rec.Sub(FGRec::Order(buoy.Region + 1, 1)).Set(OrderRec::Command, 49);
        }
        return rec;
    }

    test::RecordingUi ui;
    Session session{ui};
};

TEST(HyperbuoysTest, AppendsTheBuoysOfEachChoiceAndKeepsTheRest) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.Title);
        BuoyMission m;
        for (std::size_t r = 0; r < c.RegionNames.size(); ++r) {
            m.Mission().MissionHeader.SetText(HeaderRec::RegionNames(static_cast<int>(r)),
                                              c.RegionNames[r]);
        }
        m.Mission().MissionHeader.Set(HeaderRec::MissionType, c.MissionType);
        const auto& groups = m.Mission().FlightGroups;
        const ByteRecord<FGRec::Tag> second = groups[1]->Record;

        const EditResult result = ApplyEdit(m.session, c.Edit);

        EXPECT_TRUE(result.Changed && result.RebuildFGList && result.RefreshFGInfo);
        EXPECT_TRUE(m.session.Status.Modified);
        ASSERT_EQ(groups.size(), 3 + c.Expected.size());
        EXPECT_EQ(m.Mission().MissionHeader.Get(HeaderRec::FGCount), groups.size());
        EXPECT_EQ(groups[1]->Record, second);
        for (std::size_t i = 0; i < c.Expected.size(); ++i) {
            const FGObject& fg = *groups[3 + i];
            EXPECT_EQ(fg.Record.GetText(FGRec::Name), c.Expected[i].Name);
            EXPECT_EQ(fg.Record, m.ExpectedRecord(c.Expected[i], c.MissionType)) << i;
            EXPECT_EQ(fg.AutoIFF, 1);
            EXPECT_EQ(fg.Heading, (std::array<double, 4>{1.0, 0.0, 0.0, -1.0}));
        }
        EXPECT_EQ(m.session.Select.CurrentFGIndex, 1);
        RowSelection selected(groups.size(), false);
        selected[0] = selected[1] = true;
        EXPECT_EQ(m.session.Select.SelectedFGs, selected);
    }
}

TEST(HyperbuoysTest, RefusedOrNotReadyChangesNothing) {
    BuoyMission m;
    const EditResult refused = ApplyEdit(m.session, HyperbuoyEdit{0, 4, true});
    EXPECT_FALSE(refused.Changed);
    EXPECT_NE(refused.Error.find("1 to 4"), std::string::npos);
    EXPECT_FALSE(ApplyEdit(m.session, HyperbuoyEdit{-1, 0, false}).Changed);
    {
        FillGuard filling(m.session);
        EXPECT_FALSE(ApplyEdit(m.session, HyperbuoyEdit{}).Changed);
    }
    EXPECT_EQ(m.Mission().FlightGroups.size(), 3u);
    EXPECT_FALSE(m.session.IsModified());
}

}  // namespace
}  // namespace vorlan
