#include "ops/fg_renumber.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <numeric>
#include <random>
#include <utility>
#include <vector>

#include "ops/fg_delete.h"
#include "ops/fg_move.h"
#include "ops_test_support.h"

namespace vorlan {
namespace {

// (type offset, number offset) of every place that may hold a flight group number, written out
// from the record layouts independently of the code under test. kPlain marks an untyped place.
constexpr std::size_t kPlain = SIZE_MAX;
using Places = std::vector<std::pair<std::size_t, std::size_t>>;

Places TriggersAt(std::initializer_list<std::size_t> starts) {
    Places places;
    for (std::size_t start : starts) {
        places.emplace_back(start + 1, start + 2);
    }
    return places;
}
const Places kFGPlaces = [] {
    Places places = TriggersAt({136, 142, 152, 158, 172, 178});  // arrival, departure
    for (std::size_t mothership : {194, 196, 198, 200}) {
        places.emplace_back(kPlain, mothership);
    }
    for (std::size_t order = 202; order < 202 + 16 * 148; order += 148) {
        for (auto [type, target] : {std::pair{12, 13}, {14, 15}, {6, 8}, {7, 9}}) {
            places.emplace_back(order + type, order + target);
        }
    }
    for (std::size_t skip = 2570; skip < 2570 + 16 * 16; skip += 16) {
        places.emplace_back(skip + 1, skip + 2);
        places.emplace_back(skip + 7, skip + 8);
    }
    return places;
}();
const Places kMessagePlaces = TriggersAt({92, 98, 108, 114});
const Places kGoalPlaces = TriggersAt({2, 8, 18, 24, 124, 130, 140, 146, 246, 252, 262, 268});

// Visits the bytes of every flight group, message and global goal record with their places.
template <class Visit>
void ForEachRecord(Mission& mission, Visit visit) {
    for (auto& fg : mission.FlightGroups) {
        visit(fg->Record.Image(), kFGPlaces);
    }
    for (auto& message : mission.Messages) {
        visit(message->Record.Image(), kMessagePlaces);
    }
    for (auto& goal : mission.GlobalGoals) {
        visit(goal.Record.Image(), kGoalPlaces);
    }
}

std::vector<std::vector<std::uint8_t>> Snapshot(Mission& mission) {
    std::vector<std::vector<std::uint8_t>> records;
    ForEachRecord(mission, [&](auto bytes, const Places&) {
        records.emplace_back(bytes.begin(), bytes.end());
    });
    return records;
}

// Random bytes, except that numbers are mostly near the flight group count or at the wrapping
// end, and half the typed places name a flight group (type 1); the others any other type.
void Populate(Session& session, int fgCount, int messageCount, std::uint32_t seed) {
    test::MakeFGs(session, fgCount);
    for (int m = 0; m < messageCount; ++m) {
        session.CurrentMission().Messages.push_back(std::make_unique<MsgObject>());
    }
    std::mt19937 random(seed);
    ForEachRecord(session.CurrentMission(), [&](auto bytes, const Places& places) {
        std::ranges::generate(bytes, [&] { return static_cast<std::uint8_t>(random()); });
        for (auto [type, number] : places) {
            if (type != kPlain) {
                bytes[type] = random() % 2 ? 1 : static_cast<std::uint8_t>(random() % 255 + 2);
            }
            bytes[number] = static_cast<std::uint8_t>(random() % 2 ? random() % (fgCount + 3)
                                                                   : 250 + random() % 6);
        }
    });
}

// A list command spelled out one step at a time: one renumbering step per exchange or removal,
// moves walking against their direction and deletes from the bottom.
struct Stepwise {
    Stepwise(bool remove, bool up, RowSelection rows) : from(rows.size()) {
        const std::size_t count = rows.size();
        std::iota(from.begin(), from.end(), 0);
        resetFirst = remove && (count == 1 || std::ranges::count(rows, true) == std::ssize(rows));
        rows[0] = rows[0] && !resetFirst;
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t i = up ? k : count - 1 - k;
            const std::size_t j = up ? i - 1 : i + 1;
            // No one-byte reference names a flight group past 255: such steps renumber nothing.
            const bool nameable = std::max(i, j) <= 255;
            if (rows[i] && remove) {
                if (i <= 255) {
                    steps.emplace_back(static_cast<std::uint8_t>(i), FGRenumber::Remove);
                }
                from.erase(from.begin() + static_cast<std::ptrdiff_t>(i));
            } else if (rows[i]) {
                if (nameable) {
                    steps.emplace_back(static_cast<std::uint8_t>(i),
                                       up ? FGRenumber::Up : FGRenumber::Down);
                }
                std::swap(from[i], from[j]);
                rows[i] = false;
                rows[j] = true;
            }
        }
    }
    std::uint8_t operator()(std::uint8_t n) const {
        for (auto [index, op] : steps) {
            n = RenumberFGNumber(n, index, op);
        }
        return n;
    }

    std::vector<std::pair<std::uint8_t, FGRenumber>> steps;
    std::vector<std::size_t> from;  // per row afterwards, the row its flight group came from
    bool resetFirst;  // every flight group (or the only one) deleted: the first stays, reset
};

// Every byte of every record is as before, except numbers at places naming a flight group,
// which went through the steps.
void ExpectRewritten(Session& session, const std::vector<std::vector<std::uint8_t>>& before,
                     const Stepwise& steps) {
    const std::size_t fgCount = steps.from.size();
    const std::size_t removed = before.size() - Snapshot(session.CurrentMission()).size();
    std::size_t r = 0;
    ForEachRecord(session.CurrentMission(), [&](auto bytes, const Places& places) {
        std::vector<std::uint8_t> expected = before[r < fgCount ? steps.from[r] : r + removed];
        for (auto [type, number] : places) {
            if (type == kPlain || expected[type] == TriggerRec::kFlightGroupTarget) {
                expected[number] = steps(expected[number]);
            }
        }
        if (r == 0 && steps.resetFirst) {
            const auto reset = session.Template.DefaultFGRecord.Image();
            expected.assign(reset.begin(), reset.end());
        }
        const auto at = std::ranges::mismatch(bytes, expected).in1 - bytes.begin();
        ASSERT_EQ(at, std::ssize(expected)) << "record " << r << " differs at offset " << at;
        ++r;
    });
}

// Moves and deletes compose their steps into one 256-value table and rewrite each mission once;
// on generated missions that must equal the steps one at a time, at exactly the right places.
TEST(FGNumberMap, CommandsEqualTheRuleAppliedStepByStep) {
    std::mt19937 random(20240517);
    int commandsRun = 0;
    for (int round = 0; round < 100; ++round) {
        // A few missions past 256 flight groups, whose steps past 255 must renumber nothing.
        const int fgCount = round % 50 == 0 ? 257 + static_cast<int>(random() % 30)
                                            : 1 + static_cast<int>(random() % 20);
        test::RecordingUi ui;
        Session session(ui);
        Populate(session, fgCount, static_cast<int>(random() % 4), random());

        for (int command = 0; command < 3; ++command) {
            RowSelection rows(session.CurrentMission().FlightGroups.size());
            const unsigned density = 1 + random() % 4;
            std::generate(rows.begin(), rows.end(), [&] { return random() % 5 < density; });
            const int currentRow = static_cast<int>(random() % rows.size());
            const unsigned kind = random() % 3;
            const auto direction = kind == 0 ? MoveDirection::Up : MoveDirection::Down;
            const auto before = Snapshot(session.CurrentMission());
            if (kind == 2 ? DeleteSelectedFGs(session, rows, currentRow).Changed
                          : MoveSelectedFGs(session, direction, rows, currentRow).Changed) {
                ++commandsRun;
                ExpectRewritten(session, before, Stepwise(kind == 2, kind == 0, rows));
            } else {
                ASSERT_TRUE(Snapshot(session.CurrentMission()) == before);
            }
            ASSERT_FALSE(HasFatalFailure()) << "round " << round << ", command " << command;
        }
    }
    EXPECT_GT(commandsRun, 100);  // the preconditions must not have refused nearly everything
}

// The one-pass table and the place-by-place renumbering give the same bytes for any sequence
// of steps.
TEST(FGNumberMap, OnePassEqualsRenumberingPlaceByPlace) {
    std::mt19937 random(77);
    for (int round = 0; round < 30; ++round) {
        const int fgCount = 1 + static_cast<int>(random() % 20);
        const int messages = static_cast<int>(random() % 4);
        const std::uint32_t seed = random();
        test::RecordingUi ui;
        Session table(ui);
        Session steps(ui);
        Populate(table, fgCount, messages, seed);
        Populate(steps, fgCount, messages, seed);
        FGNumberMap map;
        for (int k = 1 + static_cast<int>(random() % 6); k > 0; --k) {
            const auto index =
                static_cast<std::uint8_t>(random() % static_cast<unsigned>(fgCount + 2));
            const auto op = static_cast<FGRenumber>("UDX"[random() % 3]);
            map.Then(index, op);
            RenumberFGReferences(steps.CurrentMission(), index, op);
        }
        ApplyFGNumberMap(table.CurrentMission(), map);
        ASSERT_TRUE(Snapshot(table.CurrentMission()) == Snapshot(steps.CurrentMission()))
            << "round " << round;
    }
}

}  // namespace
}  // namespace vorlan
