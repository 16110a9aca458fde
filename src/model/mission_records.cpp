#include "model/mission_records.h"

namespace vorlan {

void MsgObject::ComputeSentToAnyTeam() {
    SentToAnyTeam = 0;
    for (int team = 0; team < 8; ++team) {
        if (Record.Get(MsgRec::SentToTeam(team)) == 1) {
            SentToAnyTeam = 1;
        }
    }
}

}  // namespace vorlan
