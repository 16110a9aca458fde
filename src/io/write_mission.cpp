#include "io/write_mission.h"

#include "base/atomic_file.h"
#include "io/byte_sink.h"
#include "io/mission_writer.h"
#include "model/caption.h"

namespace vorlan {

bool WriteMission(Session& session, const std::string& path, bool updateCaption,
                  SystemCalls& calls) {
    Mission& mission = session.CurrentMission();
    if (mission.FlightGroups.size() > kMaxFlightGroups) {
        session.Ui().ShowError(path + ": a mission file holds at most " +
                               std::to_string(kMaxFlightGroups) + " flight groups, this one has " +
                               std::to_string(mission.FlightGroups.size()) + ".");
        return false;
    }
    mission.MissionHeader.Set(HeaderRec::FGCount, mission.FlightGroups.size());

    AtomicFileWriter writer(path, calls);
    bool written = writer.Open();
    if (written) {
        FileByteSink sink(writer);
        WriteMissionBytes(mission, sink);
        written = sink.Finish() && writer.Commit();
    }
    if (!written) {
        session.Ui().ShowError(writer.Error());
        return false;
    }

    if (updateCaption) {
        session.Ui().SetCaption(MissionCaption(path, mission.FirstBriefingString()));
        session.AddRecentMission(mission.MissionFileName);
    }
    session.Status.HasFileName = true;
    session.Undo.MarkSaved();
    session.ClearModified();
    session.Status.FGModified = false;
    session.Status.MessagesModified = false;
    session.Ui().ConfirmSaveWavList();
    return true;
}

}  // namespace vorlan
