#include "app/cli_commands.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "support/mission_factory.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

class CliTest : public ::testing::Test {
protected:
    int Run(const std::vector<std::string>& args) {
        out.str("");
        err.str("");
        return RunCli(args, dir.File("settings/Vorlan.ini"), out, err);
    }

    test::TempDir dir;
    std::ostringstream out;
    std::ostringstream err;
};

TEST_F(CliTest, NewThenInfoDescribesTheMission) {
    const std::string path = dir.File("new.tie");
    ASSERT_EQ(Run({"new", path}), 0) << err.str();
    ASSERT_EQ(Run({"info", path}), 0) << err.str();
    EXPECT_EQ(out.str(),
              "platform: 18\nflight groups: 1\nmessages: 0\ntitle: \nsize: 106395 bytes\n");

    ASSERT_EQ(Run({"new", path, "--format", "xvt"}), 0) << err.str();
    ASSERT_EQ(Run({"info", path}), 0);
    EXPECT_NE(out.str().find("platform: 12\n"), std::string::npos);
    EXPECT_NE(out.str().find("size: 95131 bytes\n"), std::string::npos);
}

TEST_F(CliTest, ResaveKeepsEveryByteAndMayOverwriteItsInput) {
    const auto file = test::GenerateMissionFile({.FlightGroups = 4, .Messages = 3, .Seed = 21});
    test::WriteFileBytes(dir.File("in.tie"), file);
    ASSERT_EQ(Run({"resave", dir.File("in.tie"), dir.File("out.tie")}), 0) << err.str();
    EXPECT_EQ(test::ReadFileBytes(dir.File("out.tie")), file);
    ASSERT_EQ(Run({"resave", dir.File("in.tie"), dir.File("in.tie")}), 0) << err.str();
    EXPECT_EQ(test::ReadFileBytes(dir.File("in.tie")), file);
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"in.tie", "out.tie"}));
}

TEST_F(CliTest, RefusedLoadWritesNothingAndFails) {
    auto file = test::GenerateMissionFile({});
    file[0] = 255;
    test::WriteFileBytes(dir.File("old.tie"), file);
    EXPECT_EQ(Run({"resave", dir.File("old.tie"), dir.File("out.tie")}), 1);
    EXPECT_EQ(err.str(), "error: This is a TIE Fighter mission file - Can't load it\n");
    EXPECT_EQ(Run({"info", dir.File("missing.tie")}), 1);
    EXPECT_EQ(err.str(), "error: " + dir.File("missing.tie") + " does not exist.\n");
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"old.tie"}));
}

TEST_F(CliTest, ShortFileWarnsButSucceeds) {
    auto file = test::GenerateMissionFile({});
    file.resize(file.size() - 10);
    test::WriteFileBytes(dir.File("short.tie"), file);
    EXPECT_EQ(Run({"info", dir.File("short.tie")}), 0);
    EXPECT_EQ(err.str().rfind("warning: " + dir.File("short.tie") + " ends early", 0), 0u);
    EXPECT_EQ(Run({"resave", dir.File("short.tie"), dir.File("full.tie")}), 0);
    EXPECT_EQ(test::ReadFileBytes(dir.File("full.tie")).size(), file.size() + 10);
}

// The dump's lines are the text layer's; the command adds the voice list of the game directory.
TEST_F(CliTest, DumpShowsTheVoiceListOfTheSettingsGameDirectory) {
    EXPECT_EQ(Run({"dump", dir.File("none.tie")}), 1);
    std::filesystem::create_directories(dir.File("settings"));
    std::filesystem::create_directories(dir.File("game/WAVE"));
    test::WriteFileText(dir.File("settings/Vorlan.ini"),
                        "[Directories]\nXWA=" + dir.File("game") + "\n");
    test::WriteFileText(dir.File("game/WAVE/D.LST"), "msg\\a.wav\r\n");
    test::WriteFileBytes(dir.File("d.tie"), test::GenerateMissionFile({.Messages = 2}));
    ASSERT_EQ(Run({"dump", dir.File("d.tie")}), 0) << err.str();
    EXPECT_NE(out.str().find("msg\t0\ttrigger\t4\t"), std::string::npos);
    EXPECT_NE(out.str().find("\nmsg\t0\twav\tmsg\\\\a.wav\nmsg\t1\trow\t"), std::string::npos);
    EXPECT_EQ(out.str().find("msg\t1\twav"), std::string::npos);  // the list has no line for it
}

TEST_F(CliTest, UsageErrors) {
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out.str().find("resave IN OUT"), std::string::npos);
    EXPECT_EQ(Run({}), 2);
    EXPECT_EQ(Run({"frobnicate"}), 2);
    EXPECT_NE(err.str().find("unknown command 'frobnicate'"), std::string::npos);
    EXPECT_EQ(Run({"info"}), 2);
    EXPECT_EQ(Run({"new", dir.File("x.tie"), "--format", "tie"}), 2);
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{});
}

// The installed program itself: arguments, exit status and output streams.
TEST_F(CliTest, ProgramExitStatusFollowsTheCommand) {
    const std::string cli = VORLAN_CLI_PATH;
    const std::string env = "XDG_CONFIG_HOME=" + dir.Path() + " ";
    const std::string path = dir.File("p.tie");
    EXPECT_EQ(std::system((env + cli + " new " + path).c_str()), 0);
    EXPECT_EQ(std::system((env + cli + " info " + path + " > " + dir.File("info.txt")).c_str()), 0);
    EXPECT_EQ(test::ReadFileText(dir.File("info.txt")).rfind("platform: 18\n", 0), 0u);
    EXPECT_NE(std::system((env + cli + " info " + dir.File("no.tie") + " 2>/dev/null").c_str()), 0);
}

}  // namespace
}  // namespace vorlan
