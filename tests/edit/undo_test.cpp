// Undo and redo through the edit path: a long random run of edits and list operations is undone
// to the last byte and redone to the last byte, with the modified state following saves.

#include "edit/undo.h"

#include <gtest/gtest.h>

#include <random>

#include "edit/edit.h"
#include "edit/trigger_rules.h"
#include "io/byte_sink.h"
#include "io/load_mission.h"
#include "io/mission_writer.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"

namespace vorlan {
namespace {

// Everything an undo must restore: the file's bytes, every flight group's editor-only state and
// goal strings, the voice list and the selection.
struct State {
    std::vector<std::uint8_t> Bytes;
    RowSelection SelectedFGs;
    int CurrentFG = 0;
    std::vector<std::string> Voices;
    friend bool operator==(const State&, const State&) = default;
};

State StateOf(const Session& session) {
    State state;
    const Mission& mission = session.CurrentMission();
    MemoryByteSink sink;
    WriteMissionBytes(mission, sink);
    sink.Finish();
    state.Bytes = std::move(sink.Bytes);
    for (std::size_t i = 0; i < mission.FlightGroups.size(); ++i) {
        for (const ImageKind kind : {ImageKind::FlightGroup, ImageKind::FGGoalStrings}) {
            std::vector<std::uint8_t> image(ImageSize(kind));
            ReadImage(mission, kind, i, image);
            state.Bytes.insert(state.Bytes.end(), image.begin(), image.end());
        }
    }
    state.SelectedFGs = session.Select.SelectedFGs;
    state.CurrentFG = session.Select.CurrentFGIndex;
    state.Voices = session.VoiceList.Entries;
    return state;
}

void ExpectSame(const State& now, const State& expected, std::size_t step) {
    EXPECT_EQ(now.Voices, expected.Voices) << "step " << step;
    ASSERT_EQ(now.Bytes.size(), expected.Bytes.size()) << "step " << step;
    const auto differ = std::mismatch(now.Bytes.begin(), now.Bytes.end(), expected.Bytes.begin());
    EXPECT_EQ(differ.first, now.Bytes.end())
        << "step " << step << ": byte " << (differ.first - now.Bytes.begin());
}

class UndoTest : public ::testing::Test {
protected:
    void Load(int flightGroups, std::uint32_t seed) {
        test::MissionFileOptions options;
        options.FlightGroups = flightGroups;
        options.Messages = 6;
        options.Seed = seed;
        options.GoalStringPercent = 30;
        test::WriteFileBytes(dir.File("m.tie"), test::GenerateMissionFile(options));
        ASSERT_TRUE(LoadMission(session, dir.File("m.tie")));
        session.Undo.SetLimits({100000, std::size_t{1} << 40});
    }
    void Select(std::initializer_list<int> rows) {
        session.Select.SelectedFGs.assign(session.CurrentMission().FlightGroups.size(), false);
        for (const int row : rows) {
            session.Select.SelectedFGs[static_cast<std::size_t>(row)] = true;
        }
        session.Select.CurrentFGIndex = *rows.begin();
    }
    std::string Name(int fg) {
        return session.CurrentMission().FlightGroups[static_cast<std::size_t>(fg)]->Record.GetText(
            FGRec::Name);
    }

    test::TempDir dir;
    test::RecordingUi ui;
    Session session{ui};
};

// A random value the control takes.
EditValue RandomValue(const Session& session, const ControlRule& rule, std::mt19937& random) {
    switch (rule.Kind) {
        case ValueKind::Row:
            return static_cast<int>(random() % static_cast<unsigned>(RowCountFor(session, rule)));
        case ValueKind::Number:
            return rule.Min +
                   static_cast<int>(random() % static_cast<unsigned>(rule.Max - rule.Min + 1));
        case ValueKind::Check:
            return static_cast<int>(random() % 2);
        case ValueKind::Text:
            return std::string(random() % 25, static_cast<char>('a' + random() % 26));
        case ValueKind::Rows: {
            std::vector<int> rows;
            for (int row = 0; row < RowCountFor(session, rule); ++row) {
                if (random() % 3 == 0) {
                    rows.push_back(row);
                }
            }
            return rows;
        }
    }
    return 0;
}

// A trigger panel control in one of the flight group contexts, on a random order.
Edit RandomTriggerEdit(Session& session, std::mt19937& random) {
    constexpr TriggerContext kContexts[] = {TriggerContext::Arrival, TriggerContext::Departure,
                                            TriggerContext::Jump};
    session.Select.CurrentTriggerContext = kContexts[random() % 3];
    session.Select.CurrentOrderRegion = 1 + static_cast<int>(random() % 4);
    session.Select.CurrentOrderNumber = 1 + static_cast<int>(random() % 4);
    const auto rules = TriggerPanelRules();
    const TriggerControlRule& rule = rules[random() % rules.size()];
    if (rule.Part == TriggerPart::Parameter1 || rule.Part == TriggerPart::Parameter2) {
        return ControlEdit{rule.Control, std::to_string(random() % 400)};
    }
    return ControlEdit{rule.Control, static_cast<int>(random() % 4)};
}

Edit RandomEdit(Session& session, std::mt19937& random) {
    const unsigned kind = random() % 12;
    if (kind >= 10) {
        return RandomTriggerEdit(session, random);
    }
    if (kind < 6) {
        const auto pages = AllControlRules();
        const auto page = pages[random() % pages.size()];
        const ControlRule& rule = page[random() % page.size()];
        return ControlEdit{rule.Control, RandomValue(session, rule, random)};
    }
    if (kind < 9) {
        constexpr FGListCommand kCommands[] = {FGListCommand::New, FGListCommand::Delete,
                                               FGListCommand::MoveUp, FGListCommand::MoveDown,
                                               FGListCommand::Paste};
        return FGListEdit{kCommands[random() % std::size(kCommands)]};
    }
    return HyperbuoyEdit{static_cast<int>(random() % 4), static_cast<int>(random() % 4),
                         random() % 2 == 0};
}

TEST_F(UndoTest, ARandomRunUndoesAndRedoesToTheLastByte) {
    for (std::uint32_t seed = 1; seed <= 4; ++seed) {
        Load(12, seed);
        std::mt19937 random(seed);
        const State original = StateOf(session);
        std::vector<std::pair<std::size_t, State>> saves{{0, original}};
        for (int i = 0; i < 120; ++i) {
            const std::size_t count = session.CurrentMission().FlightGroups.size();
            RowSelection rows(count);
            std::generate(rows.begin(), rows.end(), [&] { return random() % 3 == 0; });
            session.Select.SelectedFGs = rows;
            session.Select.CurrentFGIndex = static_cast<int>(random() % count);
            session.Select.CurrentGoalIndex = static_cast<int>(random() % 8);
            ApplyEdit(session, RandomEdit(session, random));
            if (random() % 15 == 0) {  // as a save does
                session.Undo.MarkSaved();
                session.ClearModified();
                session.Status.FGModified = false;
                saves.emplace_back(session.Undo.StepCount(), StateOf(session));
            }
        }
        const State last = StateOf(session);
        const std::size_t steps = session.Undo.StepCount();
        ASSERT_GT(steps, 60u) << "seed " << seed;
        // Only the last save is the file on disk: the mission is unmodified exactly there.
        const std::size_t savedAt = saves.back().first;
        const bool lastSaved = savedAt == steps;
        for (std::size_t at = steps; at-- > 0;) {
            ASSERT_TRUE(UndoLastEdit(session).Changed);
            while (saves.back().first > at) {
                saves.pop_back();
            }
            EXPECT_EQ(session.IsModified(), at != savedAt) << "seed " << seed << " step " << at;
            if (at == saves.back().first) {
                ExpectSame(StateOf(session), saves.back().second, at);
            }
        }
        EXPECT_FALSE(UndoLastEdit(session).Changed);
        ExpectSame(StateOf(session), original, 0);
        while (RedoLastEdit(session).Changed) {
        }
        ExpectSame(StateOf(session), last, steps);
        EXPECT_EQ(session.IsModified(), !lastSaved);
    }
}

TEST_F(UndoTest, TypingIntoOneFieldIsOneStepAndANewEditDropsTheRedo) {
    Load(5, 9);
    Select({1, 3});
    const std::string before = Name(1);
    const auto field = [&] {
        const auto image = session.CurrentMission().FlightGroups[1]->Record.TextBytes(FGRec::Name);
        return std::vector<std::uint8_t>(image.begin(), image.end());
    };
    const auto bytes = field();
    for (const char* text : {"R", "Re", "Red"}) {
        ApplyEdit(session, ControlEdit{"ShipName", std::string(text)});
    }
    EXPECT_EQ(session.Undo.StepCount(), 1u);
    EXPECT_EQ(session.Undo.UndoLabel(), "change Name of 2 flight groups");
    ApplyEdit(session, ControlEdit{"ShipBox", 5});
    ASSERT_TRUE(UndoLastEdit(session).Changed);
    ASSERT_TRUE(UndoLastEdit(session).Changed);
    EXPECT_EQ(Name(1), before);
    EXPECT_EQ(field(), bytes);  // every byte of the field, not just the text
    ApplyEdit(session, ControlEdit{"GGSpin", 7});
    EXPECT_FALSE(session.Undo.CanRedo());
}

TEST_F(UndoTest, TheCapDropsTheOldestStepsAndTheSavedStateWithThem) {
    Load(3, 2);
    session.Undo.SetLimits({3, std::size_t{1} << 30});
    Select({0});
    for (int row = 1; row <= 5; ++row) {
        ApplyEdit(session, ControlEdit{"ShipBox", row});
    }
    EXPECT_EQ(session.Undo.StepCount(), 3u);
    while (UndoLastEdit(session).Changed) {
    }
    EXPECT_EQ(session.CurrentMission().FlightGroups[0]->Record.Get(FGRec::CraftType), 2);
    EXPECT_TRUE(session.IsModified());  // the loaded state is out of reach
}

TEST_F(UndoTest, OneValueWrittenIntoManyFlightGroupsKeepsLittleMoreThanTheOldBytes) {
    Load(400, 3);
    session.Select.SelectedFGs.assign(400, true);
    ApplyEdit(session, ControlEdit{"GGSpin", 9});
    EXPECT_LT(session.Undo.StepBytes(0), 2 * 400u + 1024);
    Select({0});
    ApplyEdit(session, ControlEdit{"GUSpin", 3});
    EXPECT_LT(session.Undo.StepBytes(1), 1024u);
}

}  // namespace
}  // namespace vorlan
