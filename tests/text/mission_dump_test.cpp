#include "text/mission_dump.h"

#include <gtest/gtest.h>

#include <sstream>

#include "session/new_mission.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

class MissionDumpTest : public ::testing::Test {
protected:
    MissionDumpTest() : session(ui) { ResetToNewMission(session); }

    std::vector<std::string> Dump() {
        std::ostringstream out;
        DumpMission(session.CurrentMission(), session.Vocab, out);
        return Lines(out.str());
    }

    test::RecordingUi ui;
    Session session;
};

TEST_F(MissionDumpTest, LinesComeInTheirFixedOrderAndNumber) {
    auto& m = session.CurrentMission();
    m.FlightGroups.push_back(MakeFGFromTemplate(session, m));
    m.Messages.push_back(std::make_unique<MsgObject>());
    m.MissionHeader.Set(HeaderRec::MessageCount, 1);

    const auto lines = Dump();
    // platform, 10 teams, per flight group 3 + 4 + 2 + 16 * 3 + 8, per message 5, 120 goals.
    ASSERT_EQ(lines.size(), 1u + 10 + 2 * 65 + 5 + 120);
    EXPECT_EQ(lines[0], "platform\t18");
    EXPECT_EQ(lines[1], "team\t0\t1.Rebel");
    EXPECT_EQ(lines[10], "team\t9\t10.");
    EXPECT_EQ(lines[11].rfind("fg\t0\trow\t", 0), 0u);
    EXPECT_EQ(lines[12].rfind("fg\t0\tref\t", 0), 0u);
    EXPECT_EQ(lines[13], "fg\t0\tinfo\t1");
    EXPECT_EQ(lines[14].rfind("fg\t0\tarrival\t1\t", 0), 0u);
    EXPECT_EQ(lines[18].rfind("fg\t0\tdeparture\t1\t", 0), 0u);
    EXPECT_EQ(lines[20].rfind("fg\t0\torder\t1\t1\t", 0), 0u);
    EXPECT_EQ(lines[21].rfind("fg\t0\tskip\t1\t1\t1\t", 0), 0u);
    EXPECT_EQ(lines[22].rfind("fg\t0\tskip\t1\t1\t2\t", 0), 0u);
    EXPECT_EQ(lines[23].rfind("fg\t0\torder\t1\t2\t", 0), 0u);
    EXPECT_EQ(lines[68].rfind("fg\t0\tgoal\t0\t", 0), 0u);
    EXPECT_EQ(lines[76].rfind("fg\t1\trow\t", 0), 0u);
    EXPECT_EQ(lines[141].rfind("msg\t0\trow\t", 0), 0u);
    EXPECT_EQ(lines[142].rfind("msg\t0\ttrigger\t1\t", 0), 0u);
    EXPECT_EQ(lines[146].rfind("gg\t0\t0\t1\t", 0), 0u);
    EXPECT_EQ(lines.back().rfind("gg\t9\t2\t4\t", 0), 0u);
}

TEST_F(MissionDumpTest, EveryItemStaysOnOneLine) {
    session.CurrentMission().Teams[2].Record.SetText(TeamRec::TeamName, "a\tb\\c\r\nd");
    session.Vocab.rebuildTeams(session.CurrentMission().Teams);
    const auto lines = Dump();
    EXPECT_EQ(lines[3], "team\t2\t3.a\\tb\\\\c\\r\\nd");
    EXPECT_EQ(EscapeDumpText("plain"), "plain");
}

}  // namespace
}  // namespace vorlan
