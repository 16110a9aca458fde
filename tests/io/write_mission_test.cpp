// A save that fails at any point leaves the previous file exactly as it was.

#include "io/write_mission.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "io/load_mission.h"
#include "io/mission_writer.h"
#include "session/new_mission.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

// Accepts writes until a byte budget runs out, then fails as a full disk does. Writes come in
// pieces of at most `piece` bytes, as a real write may return short. With `keep` false the bytes
// are counted but not stored, so thousands of failed saves stay cheap.
class FailingCalls : public SystemCalls {
public:
    FailingCalls(std::size_t budget, std::size_t piece, bool keep)
        : budget_(budget), piece_(piece), keep_(keep) {}

    ssize_t Write(int fd, const void* data, std::size_t size) override {
        if (budget_ == 0) {
            errno = ENOSPC;
            return -1;
        }
        const std::size_t n = std::min({size, budget_, piece_});
        budget_ -= n;
        return keep_ ? SystemCalls::Write(fd, data, n) : static_cast<ssize_t>(n);
    }

private:
    std::size_t budget_;
    std::size_t piece_;
    bool keep_;
};

// Fails the sync, or else the rename, of an otherwise real save.
class FailingStep : public SystemCalls {
public:
    explicit FailingStep(bool failFsync) : failFsync_(failFsync) {}
    int Fsync(int fd) override { return failFsync_ ? Fail(EIO) : SystemCalls::Fsync(fd); }
    int Rename(const char*, const char*) override { return Fail(EXDEV); }

private:
    static int Fail(int error) {
        errno = error;
        return -1;
    }
    bool failFsync_;
};

// Keeps the first bytes written and counts the rest, so that a file of hundreds of megabytes
// costs no disk.
class HeadKeepingCalls : public SystemCalls {
public:
    std::vector<std::uint8_t> Head;
    std::size_t Total = 0;

    ssize_t Write(int, const void* data, std::size_t size) override {
        const auto* bytes = static_cast<const std::uint8_t*>(data);
        Head.insert(Head.end(), bytes,
                    bytes + std::min(size, 16 - std::min<std::size_t>(16, Total)));
        Total += size;
        return static_cast<ssize_t>(size);
    }
};

class WriteMissionTest : public ::testing::Test {
protected:
    WriteMissionTest() : session(ui) { ResetToNewMission(session); }

    // Loads a generated mission from target and marks it changed, as before a save.
    std::vector<std::uint8_t> PrepareChangedMission(const test::MissionFileOptions& options) {
        const auto old = test::GenerateMissionFile(options);
        test::WriteFileBytes(target, old);
        EXPECT_TRUE(LoadMission(session, target));
        session.CurrentMission().FlightGroups[0]->Record.Set(FGRec::CraftType, 77);
        session.MarkFGModified();
        return old;
    }

    void ExpectFailureLeftEverythingAlone(const std::vector<std::uint8_t>& old,
                                          const std::string& context) {
        ASSERT_EQ(ui.Errors.size(), 1u) << context;
        ui.Errors.clear();
        EXPECT_TRUE(session.IsModified()) << context;
        EXPECT_EQ(dir.Entries(), std::vector<std::string>{"m.tie"}) << context;
        EXPECT_EQ(test::ReadFileBytes(target), old) << context;
    }

    test::TempDir dir;
    std::string target = dir.File("m.tie");
    test::RecordingUi ui;
    Session session;
};

TEST_F(WriteMissionTest, CutAtEveryOffsetOfASmallMission) {
    const auto old = PrepareChangedMission(
        {.FlightGroups = 1, .Messages = 0, .Seed = 2, .RandomStrings = false});
    for (std::size_t cut = 0; cut < old.size(); ++cut) {
        FailingCalls calls(cut, 4093, false);
        ASSERT_FALSE(WriteMission(session, target, true, calls));
        // Reading the whole file back every time would dominate; the listing proves no
        // temporary file is left, the contents are compared at intervals.
        if (cut % 4096 == 0 || cut == old.size() - 1) {
            ExpectFailureLeftEverythingAlone(old, "cut at " + std::to_string(cut));
        } else {
            ASSERT_EQ(ui.Errors.size(), 1u);
            ui.Errors.clear();
            ASSERT_EQ(dir.Entries(), std::vector<std::string>{"m.tie"}) << "cut at " << cut;
            ASSERT_TRUE(session.IsModified());
        }
    }
    EXPECT_TRUE(session.History.Entries().empty());
    // And once it can write, it does.
    ASSERT_TRUE(WriteMission(session, target, true));
    EXPECT_FALSE(session.IsModified());
    EXPECT_EQ(test::ReadFileBytes(target).size(), old.size());
    EXPECT_NE(test::ReadFileBytes(target), old);
}

TEST_F(WriteMissionTest, CutAcrossALargeMissionWithRealWrites) {
    const auto old = PrepareChangedMission({.FlightGroups = 300, .Messages = 200, .Seed = 3});
    const std::size_t buffer = 256 * 1024;
    std::vector<std::size_t> cuts = {0, 1, buffer - 1, buffer, buffer + 1, old.size() - 1};
    for (std::size_t cut = 7919; cut < old.size(); cut += old.size() / 12) {
        cuts.push_back(cut);
    }
    for (std::size_t cut : cuts) {
        FailingCalls calls(cut, 1 << 20, true);
        ASSERT_FALSE(WriteMission(session, target, true, calls));
        ExpectFailureLeftEverythingAlone(old, "cut at " + std::to_string(cut));
    }
}

TEST_F(WriteMissionTest, FailedSyncOrRenameAlsoKeepsTheOldFile) {
    const auto old = PrepareChangedMission({.Seed = 4});
    for (bool failFsync : {true, false}) {
        FailingStep calls(failFsync);
        ASSERT_FALSE(WriteMission(session, target, true, calls));
        ExpectFailureLeftEverythingAlone(old, failFsync ? "fsync" : "rename");
    }
}

TEST_F(WriteMissionTest, ImpossiblePathReportsTheSystemText) {
    PrepareChangedMission({.Seed = 5});
    // Even root cannot create a file below a regular file.
    const std::string impossible = target + "/inside.tie";
    ASSERT_FALSE(WriteMission(session, impossible, true));
    ASSERT_EQ(ui.Errors.size(), 1u);
    EXPECT_NE(ui.Errors[0].find("Not a directory"), std::string::npos) << ui.Errors[0];
    EXPECT_TRUE(session.IsModified());
    EXPECT_TRUE(ui.SaveEnabled);
}

// The count field holds 65,535: a mission of that many flight groups saves with it, one more is
// refused before anything is written. (One flight group shared by every slot keeps this cheap.)
TEST_F(WriteMissionTest, FlightGroupLimitAtItsBoundary) {
    Mission& mission = session.CurrentMission();
    const std::shared_ptr<FGObject> fg = MakeFGFromTemplate(session, mission);
    mission.FlightGroups.assign(kMaxFlightGroups, fg);
    HeadKeepingCalls calls;
    ASSERT_TRUE(WriteMission(session, target, false, calls));
    ASSERT_GE(calls.Head.size(), 4u);
    EXPECT_EQ(calls.Head[2], 0xFF);
    EXPECT_EQ(calls.Head[3], 0xFF);
    EXPECT_GT(calls.Total, kMaxFlightGroups * FGRec::Tag::kSize);
    EXPECT_TRUE(ui.Errors.empty());

    mission.FlightGroups.push_back(fg);
    session.MarkFGModified();
    HeadKeepingCalls refused;
    ASSERT_FALSE(WriteMission(session, target, false, refused));
    EXPECT_EQ(refused.Total, 0u);
    ASSERT_EQ(ui.Errors.size(), 1u);
    EXPECT_NE(ui.Errors[0].find("at most 65535 flight groups, this one has 65536"),
              std::string::npos)
        << ui.Errors[0];
    EXPECT_TRUE(session.IsModified());
}

TEST_F(WriteMissionTest, SuccessfulSaveUpdatesCaptionHistoryFlagsAndCounts) {
    session.CurrentMission().FlightGroups.push_back(
        MakeFGFromTemplate(session, session.CurrentMission()));
    session.CurrentMission().MissionFileName = target;
    session.CurrentMission().Briefings[0].BriefingStrings[0] = ">Raid";
    session.MarkMessagesModified();
    ASSERT_TRUE(WriteMission(session, target, true));
    EXPECT_EQ(ui.Captions.back(), " Vorlan beta 0.35se - (m.tie) - >Raid");
    EXPECT_EQ(session.History.Entries(), std::vector<std::string>{target});
    EXPECT_FALSE(session.IsModified());
    EXPECT_TRUE(session.Status.HasFileName);
    EXPECT_EQ(ui.WavListChecks, 1);
    EXPECT_EQ(session.CurrentMission().FGCount(), 2);
    EXPECT_EQ(test::ReadFileBytes(target)[2], 2);

    // The backup-style save changes neither caption nor history.
    ASSERT_TRUE(WriteMission(session, dir.File("copy.tie"), false));
    EXPECT_EQ(ui.Captions.size(), 2u);  // the reset's and the save's
    EXPECT_EQ(session.History.Entries().size(), 1u);
}

}  // namespace
}  // namespace vorlan
