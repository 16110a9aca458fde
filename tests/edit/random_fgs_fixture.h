#pragma once
// Four flight groups of random bytes, 1 and 3 selected and 3 current: a page rule's edit must
// reach exactly the selected records, and random bytes show any byte it touches by mistake.

#include <gtest/gtest.h>

#include <random>
#include <string_view>
#include <utility>
#include <vector>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "session/session.h"
#include "support/recording_ui.h"

namespace vorlan::test {

// Record bytes to set or expect: (offset, value).
using Bytes = std::vector<std::pair<std::size_t, int>>;

class RandomFGsTest : public ::testing::Test {
protected:
    void MakeFGs(unsigned seed) {
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        groups.clear();
        std::mt19937 random(seed);
        for (int i = 0; i < 4; ++i) {
            groups.push_back(std::make_unique<FGObject>());
            for (std::size_t b = 0; b < FGRec::Tag::kSize; ++b) {
                groups.back()->Record.SetByteAt(b, static_cast<std::uint8_t>(random()));
            }
        }
        session.Select.SelectedFGs = {false, true, false, true};
        session.Select.CurrentFGIndex = 3;
        session.ClearModified();
    }
    FGObject& FG(std::size_t i) { return *session.CurrentMission().FlightGroups.at(i); }
    // The same bytes in all four flight groups.
    void SetAll(const Bytes& bytes) {
        for (std::size_t i = 0; i < 4; ++i) {
            for (const auto& [offset, value] : bytes) {
                FG(i).Record.SetByteAt(offset, static_cast<std::uint8_t>(value));
            }
        }
    }
    EditResult Apply(std::string_view control, EditValue value) {
        return ApplyEdit(session, ControlEdit{control, std::move(value)});
    }

    RecordingUi ui;
    Session session{ui};
};

}  // namespace vorlan::test
