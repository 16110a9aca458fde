// Load and save times of large missions, each next to the plain file read or write of the same
// bytes that bounds it from below, the time to rebuild the flight group list of one, and the
// flight group list operations next to one plain pass over every reference place.
//
// The files live on the real disk (fsync on a memory filesystem would flatter every write): under
// $VORLAN_BENCH_DIR when set, otherwise under the build directory.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <linux/magic.h>
#include <sys/vfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "io/load_mission.h"
#include "io/write_mission.h"
#include "ops/fg_delete.h"
#include "ops/fg_move.h"
#include "ops/fg_reference_places.h"
#include "ops/fg_renumber.h"
#include "session/session.h"
#include "support/mission_factory.h"
#include "support/recording_ui.h"
#include "support/temp_dir.h"
#include "text/flight_group_rows.h"
#include "text/mission_dump.h"

#ifndef VORLAN_BENCH_DEFAULT_DIR
#define VORLAN_BENCH_DEFAULT_DIR "."
#endif

namespace vorlan {
namespace {

constexpr int kMessages = 1000;
// Most flight groups of a real mission have no goal strings; one in ten has them here.
constexpr int kGoalStringPercent = 10;
const std::vector<std::int64_t> kFlightGroupCounts = {100, 1000, 10000};

std::string SystemError(const std::string& what) {
    return what + ": " + std::strerror(errno);
}

// A private directory for one run, removed with everything in it when the program ends.
class BenchDirectory {
public:
    BenchDirectory() {
        const char* chosen = std::getenv("VORLAN_BENCH_DIR");
        const std::string base =
            chosen != nullptr && *chosen != '\0' ? chosen : VORLAN_BENCH_DEFAULT_DIR;
        std::filesystem::create_directories(base);
        std::string pattern = base + "/vorlan-bench-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error(SystemError(pattern));
        }
        path_ = std::filesystem::absolute(pattern).string();
    }
    ~BenchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    BenchDirectory(const BenchDirectory&) = delete;
    BenchDirectory& operator=(const BenchDirectory&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }
    bool OnMemoryFilesystem() const {
        struct statfs fs {};
        return ::statfs(path_.c_str(), &fs) == 0 &&
               (fs.f_type == TMPFS_MAGIC || fs.f_type == RAMFS_MAGIC);
    }

private:
    std::string path_;
};

BenchDirectory& Directory() {
    static BenchDirectory directory;
    return directory;
}

// One generated mission and the files the cases of its size work on.
struct MissionFixture {
    std::vector<std::uint8_t> Bytes;
    std::string SourcePath;  // the generated file; only ever read
    std::string SavePath;
    std::string PlainWritePath;
    // The mission loaded once, for the save cases.
    test::RecordingUi Ui;
    Session Loaded{Ui};
    // Set when the fixture could not be built; every case of this size then reports it.
    std::string Error;
};

bool LoadedCleanly(Session& session, const test::RecordingUi& ui, const std::string& path) {
    return LoadMission(session, path, LoadOptions{.AllowBackup = false}) && ui.Errors.empty() &&
           ui.Warnings.empty();
}

std::unique_ptr<MissionFixture> BuildFixture(int flightGroups) {
    auto fixture = std::make_unique<MissionFixture>();
    const std::string name = "fg" + std::to_string(flightGroups);
    fixture->Bytes = test::GenerateMissionFile({.Platform = 18,
                                                .FlightGroups = flightGroups,
                                                .Messages = kMessages,
                                                .Seed = static_cast<std::uint32_t>(flightGroups),
                                                .GoalStringPercent = kGoalStringPercent});
    fixture->SourcePath = Directory().File(name + ".tie");
    fixture->SavePath = Directory().File(name + "-saved.tie");
    fixture->PlainWritePath = Directory().File(name + "-plain.tie");
    test::WriteFileBytes(fixture->SourcePath, fixture->Bytes);

    if (!LoadedCleanly(fixture->Loaded, fixture->Ui, fixture->SourcePath)) {
        fixture->Error = "the generated mission did not load cleanly";
        return fixture;
    }
    // The save cases only compare with the plain write if they write the very same bytes.
    if (!WriteMission(fixture->Loaded, fixture->SavePath, true) ||
        test::ReadFileBytes(fixture->SavePath) != fixture->Bytes) {
        fixture->Error = "saving the loaded mission does not give back the generated file";
    }
    return fixture;
}

// Generated files are large and slow to make, so each size is built once and shared by all cases.
MissionFixture& FixtureFor(int flightGroups) {
    static std::map<int, std::unique_ptr<MissionFixture>> fixtures;
    auto& fixture = fixtures[flightGroups];
    if (!fixture) {
        fixture = BuildFixture(flightGroups);
    }
    return *fixture;
}

// The fixture of the case's size, or null (with the case marked failed) when it could not be built.
MissionFixture* FixtureOrSkip(benchmark::State& state) {
    MissionFixture& fixture = FixtureFor(static_cast<int>(state.range(0)));
    if (!fixture.Error.empty()) {
        state.SkipWithError(fixture.Error.c_str());
        return nullptr;
    }
    return &fixture;
}

void CountBytes(benchmark::State& state, const MissionFixture& fixture) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fixture.Bytes.size()));
}

// Each load starts from a fresh session and ends by freeing the mission, as opening a file in the
// editor frees the one it replaces.
void Load(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    for (auto _ : state) {
        test::RecordingUi ui;
        Session session(ui);
        if (!LoadedCleanly(session, ui, fixture->SourcePath)) {
            state.SkipWithError("the mission did not load cleanly");
            break;
        }
    }
    CountBytes(state, *fixture);
}

// Reads size bytes of the file into destination with open, read and close; returns what went
// wrong, or an empty text.
std::string ReadWholeFile(const std::string& path, std::uint8_t* destination, std::size_t size) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return SystemError(path);
    }
    std::string error;
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, destination + done, size - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            error = SystemError(path);
            break;
        }
        if (n == 0) {
            error = path + ": shorter than the generated file";
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
    return error;
}

// The floor for a load: the file's bytes into memory never touched before, page faults and all.
void PlainRead(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    const std::size_t size = fixture->Bytes.size();
    for (auto _ : state) {
        std::unique_ptr<std::uint8_t[]> buffer(new std::uint8_t[size]);
        if (const std::string error = ReadWholeFile(fixture->SourcePath, buffer.get(), size);
            !error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(buffer.get());
        benchmark::ClobberMemory();
    }
    CountBytes(state, *fixture);
}

// The same read into one buffer kept from iteration to iteration. A load gets its memory back
// from the allocator's free lists and so takes no page faults once warmed up; on a virtual
// machine those faults can cost more than the copy itself, which makes this the steadier floor.
void PlainReadReusedBuffer(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    const std::size_t size = fixture->Bytes.size();
    std::vector<std::uint8_t> buffer(size);
    for (auto _ : state) {
        if (const std::string error = ReadWholeFile(fixture->SourcePath, buffer.data(), size);
            !error.empty()) {
            state.SkipWithError(error.c_str());
            break;
        }
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    CountBytes(state, *fixture);
}

void Save(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    for (auto _ : state) {
        if (!WriteMission(fixture->Loaded, fixture->SavePath, true)) {
            state.SkipWithError("the save failed");
            break;
        }
    }
    // Each save adds a caption; keep the fixture from growing run after run.
    fixture->Ui.Captions.clear();
    CountBytes(state, *fixture);
}

// The floor for a save: the same bytes written over a file in place and made durable.
void PlainWrite(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    const std::uint8_t* bytes = fixture->Bytes.data();
    const std::size_t size = fixture->Bytes.size();
    for (auto _ : state) {
        const int fd =
            ::open(fixture->PlainWritePath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
        if (fd < 0) {
            state.SkipWithError(SystemError(fixture->PlainWritePath).c_str());
            break;
        }
        std::size_t done = 0;
        while (done < size) {
            const ssize_t n = ::write(fd, bytes + done, size - done);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                errno = n == 0 ? EIO : errno;
                break;
            }
            done += static_cast<std::size_t>(n);
        }
        const bool written = done == size && ::fsync(fd) == 0;
        const std::string error = written ? std::string() : SystemError(fixture->PlainWritePath);
        ::close(fd);
        if (!written) {
            state.SkipWithError(error.c_str());
            break;
        }
    }
    CountBytes(state, *fixture);
}

// The flight group list follows every keystroke that changes a row, so a rebuild of rows and
// reference names must stay well under a frame. The list is kept from one rebuild to the next,
// as the window keeps it.
void RebuildFlightGroupRows(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    ListRows list;
    for (auto _ : state) {
        RebuildFlightGroupList(fixture->Loaded.CurrentMission(), fixture->Loaded.Vocab, list);
        benchmark::DoNotOptimize(list.Rows.data());
        benchmark::ClobberMemory();
    }
}

// The text view of a whole mission, as `vorlan-cli dump` prints it (into memory here).
void DumpWholeMission(benchmark::State& state) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::ostringstream out;
        DumpMission(fixture->Loaded.CurrentMission(), fixture->Loaded.Vocab, out);
        bytes = out.str().size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["dump_bytes"] = static_cast<double>(bytes);
}

// The parts of a mission the flight group list operations touch, copied so that every
// iteration starts from the loaded mission.
std::unique_ptr<Mission> CopyForListOps(const Mission& from) {
    auto copy = std::make_unique<Mission>();
    copy->MissionPlatform = from.MissionPlatform;
    copy->MissionHeader = from.MissionHeader;
    for (const auto& fg : from.FlightGroups) {
        copy->FlightGroups.push_back(std::make_unique<FGObject>(*fg));
    }
    for (const auto& message : from.Messages) {
        copy->Messages.push_back(std::make_unique<MsgObject>(*message));
    }
    copy->GlobalGoals = from.GlobalGoals;
    return copy;
}

// Runs operation on a fresh copy of the fixture's mission each iteration; only the operation
// is timed.
template <class Operation>
void TimeOnCopies(benchmark::State& state, Operation&& operation) {
    MissionFixture* fixture = FixtureOrSkip(state);
    if (fixture == nullptr) {
        return;
    }
    test::RecordingUi ui;
    Session session(ui);
    for (auto _ : state) {
        state.PauseTiming();
        session.ReplaceMission(CopyForListOps(fixture->Loaded.CurrentMission()));
        state.ResumeTiming();
        operation(session);
        benchmark::ClobberMemory();
    }
}

RowSelection EveryOtherRow(std::size_t count) {
    RowSelection rows(count, false);
    for (std::size_t i = 1; i < count; i += 2) {
        rows[i] = true;
    }
    return rows;
}

void DeleteEveryOtherFG(benchmark::State& state) {
    TimeOnCopies(state, [](Session& session) {
        const auto rows = EveryOtherRow(session.CurrentMission().FlightGroups.size());
        if (!DeleteSelectedFGs(session, rows, 1).Changed) {
            throw std::runtime_error("the delete refused to run");
        }
    });
}

// A block of 1,000 selected flight groups in the middle of the list, one place up.
void MoveFGBlockUp(benchmark::State& state) {
    TimeOnCopies(state, [](Session& session) {
        constexpr int kFirst = 4000;
        RowSelection rows(session.CurrentMission().FlightGroups.size(), false);
        std::fill(rows.begin() + kFirst, rows.begin() + kFirst + 1000, true);
        if (!MoveSelectedFGs(session, MoveDirection::Up, rows, kFirst).Changed) {
            throw std::runtime_error("the move refused to run");
        }
    });
}

// The floor for both: every reference place read once and written back unchanged.
void ReferencePass(benchmark::State& state) {
    TimeOnCopies(state, [](Session& session) {
        unsigned sum = 0;
        RewriteFGReferences(session.CurrentMission(), [&sum](std::uint8_t n) {
            sum += n;
            return n;
        });
        benchmark::DoNotOptimize(sum);
    });
}

// The delete's renumbering done the old way, one pass over the mission per deleted flight group.
void StepByStepDelete(benchmark::State& state) {
    TimeOnCopies(state, [](Session& session) {
        Mission& mission = session.CurrentMission();
        for (std::size_t i = mission.FlightGroups.size(); i-- > 0;) {
            if (i % 2 == 1) {
                RenumberFGReferences(mission, static_cast<std::uint8_t>(i), FGRenumber::Remove);
            }
        }
    });
}

void RegisterSizes(const char* name, void (*function)(benchmark::State&)) {
    auto* bench = benchmark::RegisterBenchmark(name, function);
    for (const std::int64_t flightGroups : kFlightGroupCounts) {
        bench->Arg(flightGroups);
    }
    // Disk time is what these measure, so iterations are counted against the wall clock. The run
    // length is left to --benchmark_min_time.
    bench->Unit(benchmark::kMillisecond)->UseRealTime();
}

}  // namespace
}  // namespace vorlan

int main(int argc, char** argv) {
    using namespace vorlan;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::AddCustomContext("bench_dir", Directory().Path());
    if (Directory().OnMemoryFilesystem()) {
        benchmark::AddCustomContext("warning",
                                    "bench_dir is in memory; set VORLAN_BENCH_DIR to a disk");
    }

    RegisterSizes("Load", Load);
    RegisterSizes("PlainRead", PlainRead);
    RegisterSizes("PlainReadReusedBuffer", PlainReadReusedBuffer);
    RegisterSizes("Save", Save);
    RegisterSizes("PlainWrite", PlainWrite);
    benchmark::RegisterBenchmark("RebuildFlightGroupList", RebuildFlightGroupRows)
        ->Arg(10000)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Dump", DumpWholeMission)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);

    benchmark::RegisterBenchmark("DeleteEveryOtherFG", DeleteEveryOtherFG)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("MoveFGBlockUp", MoveFGBlockUp)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("ReferencePass", ReferencePass)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond);
    // Thousands of passes per iteration: a few iterations tell enough.
    benchmark::RegisterBenchmark("StepByStepDelete", StepByStepDelete)
        ->Arg(10000)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(2);

    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
