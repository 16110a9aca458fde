#include "app/cli_commands.h"

#include <sys/stat.h>

#include <ostream>

#include "app/cli_edit.h"
#include "app/cli_ui.h"
#include "io/load_mission.h"
#include "io/voice_commands.h"
#include "io/write_mission.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "settings/settings_file.h"
#include "text/mission_dump.h"

namespace vorlan {
namespace {

constexpr const char* kCommands =
    "Usage: vorlan-cli COMMAND ARGUMENTS\n"
    "\n"
    "Commands:\n"
    "  info FILE                     platform, flight groups, messages, title and size\n"
    "  new OUT [--format xvt|bop]    write a new mission (format from the settings by default)\n"
    "  resave IN OUT                 load IN and save it as OUT (OUT may be IN)\n"
    "  dump FILE                     every flight group, message and goal as text, one per line\n"
    "                                (with each message's WAV when the mission has a voice list)\n"
    "  edit IN OUT OP...             apply the operations in order, then save as OUT\n"
    "  --help                        this text\n"
    "\n";

// The edit operations and fields come from their tables, so the text never falls behind them.
std::string UsageText() {
    return kCommands + EditOperationsHelp() +
           "\nSettings are read from the editor's settings file.\n";
}

int Usage(std::ostream& err, const std::string& problem) {
    err << "vorlan-cli: " << problem << "\n\n" << UsageText();
    return kExitUsage;
}

// Read-only commands never leave a backup copy behind.
bool Load(Session& session, const std::string& path) {
    return LoadMission(session, path, LoadOptions{.AllowBackup = false});
}

int Info(Session& session, const std::string& path, std::ostream& out) {
    if (!Load(session, path)) {
        return kExitFailure;
    }
    const Mission& mission = session.CurrentMission();
    struct stat st {};
    ::stat(path.c_str(), &st);
    out << "platform: " << mission.MissionPlatform << '\n'
        << "flight groups: " << mission.FlightGroups.size() << '\n'
        << "messages: " << mission.Messages.size() << '\n'
        << "title: " << mission.Title() << '\n'
        << "size: " << st.st_size << " bytes\n";
    return kExitSuccess;
}

int Dump(Session& session, const std::string& path, std::ostream& out) {
    if (!Load(session, path)) {
        return kExitFailure;
    }
    // The voice list is found through the settings' game directory, as the editor finds it.
    const std::vector<std::string> voices =
        ReadMissionWavList(session, path).value_or(std::vector<std::string>{});
    DumpMission(session.CurrentMission(), session.Vocab, out, voices);
    return kExitSuccess;
}

int New(Session& session, const std::vector<std::string>& args, std::ostream& err) {
    std::string out;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--format") {
            if (i + 1 >= args.size() || (args[i + 1] != "xvt" && args[i + 1] != "bop")) {
                return Usage(err, "--format takes xvt or bop");
            }
            session.RunningSettings.DefaultFormat = args[++i] == "xvt" ? 0 : 1;
        } else if (out.empty()) {
            out = args[i];
        } else {
            return Usage(err, "new takes one output file");
        }
    }
    if (out.empty()) {
        return Usage(err, "new needs an output file");
    }
    NewMission(session);
    session.CurrentMission().MissionFileName = out;
    return WriteMission(session, out, true) ? kExitSuccess : kExitFailure;
}

int Resave(Session& session, const std::string& in, const std::string& out) {
    if (!Load(session, in)) {
        return kExitFailure;
    }
    session.CurrentMission().MissionFileName = out;
    return WriteMission(session, out, true) ? kExitSuccess : kExitFailure;
}

// Everything on the command line is checked before IN is read, and OUT is written only when
// every operation applied: a script never gets a half-edited mission.
int RunEdit(Session& session, const std::vector<std::string>& args, std::ostream& err) {
    std::vector<EditOp> ops;
    EditProblem problem;
    if (!ParseEditOps({args.begin() + 3, args.end()}, ops, problem)) {
        if (problem.IsUsage) {
            return Usage(err, problem.Text);
        }
        err << "vorlan-cli: " << problem.Text << '\n';
        return kExitFailure;
    }
    if (!Load(session, args[1])) {
        return kExitFailure;
    }
    if (!ApplyEditOps(session, ops, problem)) {
        err << "vorlan-cli: " << problem.Text << "; nothing was written\n";
        return kExitFailure;
    }
    session.CurrentMission().MissionFileName = args[2];
    return WriteMission(session, args[2], true) ? kExitSuccess : kExitFailure;
}

}  // namespace

int RunCli(const std::vector<std::string>& args, const std::string& settingsPath, std::ostream& out,
           std::ostream& err) {
    if (args.empty()) {
        return Usage(err, "no command given");
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << UsageText();
        return kExitSuccess;
    }

    CliUi ui(err);
    Session session(ui);
    loadSettings(&session.RunningSettings, settingsPath);
    ResetToNewMission(session);

    if (command == "info" && args.size() == 2) {
        return Info(session, args[1], out);
    }
    if (command == "dump" && args.size() == 2) {
        return Dump(session, args[1], out);
    }
    if (command == "new") {
        return New(session, args, err);
    }
    if (command == "resave" && args.size() == 3) {
        return Resave(session, args[1], args[2]);
    }
    if (command == "edit" && args.size() >= 3) {
        return RunEdit(session, args, err);
    }
    if (command == "info" || command == "resave" || command == "dump" || command == "edit") {
        return Usage(err, "wrong number of arguments for " + command);
    }
    return Usage(err, "unknown command '" + command + "'");
}

}  // namespace vorlan
