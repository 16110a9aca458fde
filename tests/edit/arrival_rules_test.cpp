#include "edit/arrival_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "edit/edit.h"
#include "session/new_mission.h"
#include "support/recording_ui.h"

namespace vorlan {
namespace {

TEST(ArrivalRulesTest, EachControlWritesItsByteInEverySelectedFlightGroupOnly) {
    struct Case {
        std::string_view control, field;
        EditValue input;
        int offset = 0;
        int expect = -1;  // -1: nothing is written
        const char* error = nullptr;
    };
    const Case cases[] = {
        {"ArrMotherRadio", "ArriveByMothership", 1, 195, 1},
        {"ArrMotherRadio", "ArriveByMothership", 0, 195, 0},
        {"ArrMotherBox", "ArrivalMothership", 3, 194, 3},
        // Row n is flight group n: there is no fifth.
        {"ArrMotherBox", "ArrivalMothership", 4, 194, -1, "ArrivalMothership: 4"},
        {"ArrAltMotherRadio", "AltArriveByMothership", 1, 199, 1},
        {"ArrAltmotherBox", "AltArrivalMothership", 2, 198, 2},
        {"ArrMinSpin", "ArrivalDelayMinutes", "12", 170, 12},
        {"ArrSecSpin", "ArrivalDelaySeconds", "300", 171, 44},
        // Still being typed: nothing to store.
        {"ArrMinSpin", "ArrivalDelayMinutes", "", 170},
        {"ArrSecSpin", "ArrivalDelaySeconds", "-", 171},
        {"ArrMinSpin", "ArrivalDelayMinutes", "4x", 170, -1, "'4x' is not a valid integer value"},
        {"DepMotherRadio", "DepartByMothership", 1, 197, 1},
        {"DepMotherBox", "DepartureMothership", 0, 196, 0},
        {"DepAltMotherRadio", "AltDepartByMothership", 1, 201, 1},
        {"DepAltMotherBox", "AltDepartureMothership", 3, 200, 3},
        {"DepMin", "DepartureDelayMinutes", "7", 188, 7},
        {"DepSec", "DepartureDelaySeconds", "300", 189, 44},
        // The departure delays never complain: anything but a number stores 0.
        {"DepMin", "DepartureDelayMinutes", "", 188, 0},
        {"DepSec", "DepartureDelaySeconds", "abc", 189, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control);
        test::RecordingUi ui;
        Session session(ui);
        ResetToNewMission(session);
        auto& groups = session.CurrentMission().FlightGroups;
        groups.clear();
        std::mt19937 random(5);
        for (int i = 0; i < 4; ++i) {
            std::ranges::generate(groups.emplace_back(std::make_unique<FGObject>())->Record.Image(),
                                  [&] { return static_cast<std::uint8_t>(random()); });
        }
        session.Select.SelectedFGs = {true, false, true, false};
        session.Select.CurrentFGIndex = 2;
        session.ClearModified();
        ASSERT_EQ(FindFieldRule(c.field), FindControlRule(c.control));
        std::vector<std::vector<std::uint8_t>> expected;
        for (std::size_t i = 0; i < groups.size(); ++i) {
            const auto image = groups[i]->Record.Image();
            expected.emplace_back(image.begin(), image.end());
            if (i % 2 == 0 && c.expect >= 0) {
                expected.back()[static_cast<std::size_t>(c.offset)] =
                    static_cast<std::uint8_t>(c.expect);
            }
        }

        const EditResult result = ApplyEdit(session, ControlEdit{c.control, c.input});
        EXPECT_EQ(result.Error.empty(), c.error == nullptr) << result.Error;
        if (c.error != nullptr) {
            EXPECT_NE(result.Error.find(c.error), std::string::npos) << result.Error;
        }
        EXPECT_EQ(session.Status.FGModified, c.expect >= 0);
        for (std::size_t i = 0; i < groups.size(); ++i) {
            EXPECT_TRUE(std::ranges::equal(groups[i]->Record.Image(), expected[i])) << "FG " << i;
        }
    }
}

}  // namespace
}  // namespace vorlan
