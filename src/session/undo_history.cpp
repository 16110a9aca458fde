#include "session/undo_history.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <memory>
#include <unordered_map>

#include "session/session.h"

namespace vorlan {
namespace {

using Run = std::pair<std::uint32_t, std::uint32_t>;    // first, last (both included)
using Range = std::pair<std::uint32_t, std::uint32_t>;  // offset, length

// A list's selected rows as runs: one selected row costs eight bytes, not a bit per row.
struct CompactRows {
    std::vector<Run> Runs;
    std::uint32_t Size = 0;
};

CompactRows Compact(const RowSelection& rows) {
    CompactRows compact;
    compact.Size = static_cast<std::uint32_t>(rows.size());
    for (std::uint32_t i = 0; i < compact.Size; ++i) {
        if (!rows[i]) {
            continue;
        }
        if (!compact.Runs.empty() && compact.Runs.back().second + 1 == i) {
            compact.Runs.back().second = i;
        } else {
            compact.Runs.emplace_back(i, i);
        }
    }
    return compact;
}

RowSelection Expand(const CompactRows& compact) {
    RowSelection rows(compact.Size, false);
    for (const auto& [first, last] : compact.Runs) {
        std::fill(rows.begin() + first, rows.begin() + last + 1, true);
    }
    return rows;
}

struct SavedSelection {
    Selection Values;  // without its row lists
    CompactRows FGs;
    CompactRows Messages;
};

SavedSelection Save(const Selection& selection) {
    SavedSelection saved{selection, Compact(selection.SelectedFGs),
                         Compact(selection.SelectedMessages)};
    saved.Values.SelectedFGs.clear();
    saved.Values.SelectedMessages.clear();
    return saved;
}

void Restore(Selection& selection, const SavedSelection& saved) {
    selection = saved.Values;
    selection.SelectedFGs = Expand(saved.FGs);
    selection.SelectedMessages = Expand(saved.Messages);
}

// Where two images differ, as ranges; equal runs shorter than a range header are bridged.
void DiffRanges(const std::uint8_t* before, const std::uint8_t* after, std::size_t size,
                std::vector<Range>& out) {
    out.clear();
    if (std::memcmp(before, after, size) == 0) {
        return;
    }
    constexpr std::size_t kBridge = 8;
    std::size_t i = 0;
    while (i < size) {
        while (i + 8 <= size && std::memcmp(before + i, after + i, 8) == 0) {
            i += 8;
        }
        while (i < size && before[i] == after[i]) {
            ++i;
        }
        if (i >= size) {
            break;
        }
        const std::size_t start = i;
        std::size_t end = i + 1;
        for (std::size_t j = end; j < size && j - end < kBridge; ++j) {
            if (before[j] != after[j]) {
                end = j + 1;
            }
        }
        out.emplace_back(static_cast<std::uint32_t>(start),
                         static_cast<std::uint32_t>(end - start));
        i = end;
    }
}

// The changed bytes of every item whose changed ranges lie alike: for one value written into
// many records the item numbers shrink to runs and the new bytes are kept once.
struct PatchGroup {
    ImageKind Kind{};
    std::vector<Range> Ranges;
    std::size_t RangeBytes = 0;
    std::vector<Run> Items;  // in the state after the step
    std::vector<std::uint8_t> Old;
    std::vector<std::uint8_t> New;
    bool NewShared = false;

    std::size_t Count() const {
        std::size_t count = 0;
        for (const auto& [first, last] : Items) {
            count += last - first + 1;
        }
        return count;
    }
    template <class Visit>
    void ForEachItem(Visit visit) const {
        std::size_t k = 0;
        for (const auto& [first, last] : Items) {
            for (std::uint32_t item = first; item <= last; ++item, ++k) {
                visit(item, k);
            }
        }
    }
    std::size_t Bytes() const {
        return sizeof(*this) + Ranges.capacity() * sizeof(Range) + Items.capacity() * sizeof(Run) +
               Old.capacity() + New.capacity();
    }
};

class PatchBuilder {
public:
    // Before and after are whole images; ranges say which of their bytes changed.
    void Add(ImageKind kind, std::uint32_t item, const std::vector<Range>& ranges,
             const std::uint8_t* before, const std::uint8_t* after) {
        oldBytes_.clear();
        newBytes_.clear();
        for (const auto& [offset, length] : ranges) {
            oldBytes_.insert(oldBytes_.end(), before + offset, before + offset + length);
            newBytes_.insert(newBytes_.end(), after + offset, after + offset + length);
        }
        AddGathered(kind, item, ranges, oldBytes_, newBytes_);
    }

    // The changed bytes already gathered, range after range.
    void AddGathered(ImageKind kind, std::uint32_t item, const std::vector<Range>& ranges,
                     const std::vector<std::uint8_t>& oldBytes,
                     const std::vector<std::uint8_t>& newBytes) {
        auto [at, added] = index_.try_emplace(Key{kind, ranges}, groups_.size());
        if (added) {
            PatchGroup group;
            group.Kind = kind;
            group.Ranges = ranges;
            for (const auto& [offset, length] : ranges) {
                group.RangeBytes += length;
            }
            groups_.push_back(std::move(group));
            items_.emplace_back();
        }
        PatchGroup& group = groups_[at->second];
        items_[at->second].push_back(item);
        group.Old.insert(group.Old.end(), oldBytes.begin(), oldBytes.end());
        group.New.insert(group.New.end(), newBytes.begin(), newBytes.end());
    }

    std::vector<PatchGroup> Finish() {
        for (std::size_t g = 0; g < groups_.size(); ++g) {
            PatchGroup& group = groups_[g];
            std::vector<std::uint32_t>& items = items_[g];
            // Items come in capture order; runs need them ascending with their bytes.
            std::vector<std::size_t> order(items.size());
            for (std::size_t k = 0; k < order.size(); ++k) {
                order[k] = k;
            }
            std::sort(order.begin(), order.end(),
                      [&](std::size_t a, std::size_t b) { return items[a] < items[b]; });
            Reorder(group.Old, order, group.RangeBytes);
            Reorder(group.New, order, group.RangeBytes);
            for (const std::size_t k : order) {
                const std::uint32_t item = items[k];
                if (!group.Items.empty() && group.Items.back().second + 1 == item) {
                    group.Items.back().second = item;
                } else {
                    group.Items.emplace_back(item, item);
                }
            }
            ShareNewBytes(group);
            group.Old.shrink_to_fit();
            group.New.shrink_to_fit();
            group.Items.shrink_to_fit();
        }
        return std::move(groups_);
    }

private:
    using Key = std::pair<ImageKind, std::vector<Range>>;

    static void Reorder(std::vector<std::uint8_t>& bytes, const std::vector<std::size_t>& order,
                        std::size_t chunk) {
        std::vector<std::uint8_t> sorted;
        sorted.reserve(bytes.size());
        for (const std::size_t k : order) {
            sorted.insert(sorted.end(), bytes.begin() + static_cast<std::ptrdiff_t>(k * chunk),
                          bytes.begin() + static_cast<std::ptrdiff_t>((k + 1) * chunk));
        }
        bytes = std::move(sorted);
    }

    static void ShareNewBytes(PatchGroup& group) {
        const std::size_t chunk = group.RangeBytes;
        for (std::size_t at = chunk; at < group.New.size(); at += chunk) {
            if (std::memcmp(group.New.data(), group.New.data() + at, chunk) != 0) {
                return;
            }
        }
        group.New.resize(chunk);
        group.NewShared = true;
    }

    std::map<Key, std::size_t> index_;
    std::vector<std::uint8_t> oldBytes_;
    std::vector<std::uint8_t> newBytes_;
    std::vector<PatchGroup> groups_;
    std::vector<std::vector<std::uint32_t>> items_;
};

void ApplyPatches(Mission& mission, const std::vector<PatchGroup>& patches, bool old) {
    for (const PatchGroup& group : patches) {
        group.ForEachItem([&](std::uint32_t item, std::size_t k) {
            const std::uint8_t* bytes =
                old ? group.Old.data() + k * group.RangeBytes
                    : group.New.data() + (group.NewShared ? 0 : k * group.RangeBytes);
            for (const auto& [offset, length] : group.Ranges) {
                WriteImage(mission, group.Kind, item, offset, {bytes, length});
                bytes += length;
            }
        });
    }
}

// What a field-only capture keeps of one flight group: its fields, one after another.
std::size_t FieldBytes(const UndoScope& scope) {
    std::size_t bytes = 0;
    for (const auto& [offset, length] : scope.FGFields) {
        bytes += length;
    }
    return bytes;
}

// The small records every edit may touch: teams, global goals, the header and the IFF table.
template <class Visit>
void ForEachSmallImage(const Mission& mission, Visit visit) {
    for (std::size_t i = 0; i < mission.GlobalGoals.size(); ++i) {
        visit(ImageKind::GlobalGoal, i);
    }
    for (std::size_t i = 0; i < mission.Teams.size(); ++i) {
        visit(ImageKind::Team, i);
    }
    visit(ImageKind::Header, 0);
    visit(ImageKind::MissionValues, 0);
}

// Undo changes what the voice list holds, never which file it belongs to; a list that now
// differs from its file counts as changed.
void RestoreVoiceEntries(WavList& live, const WavList& kept) {
    if (live.Entries != kept.Entries) {
        live.Entries = kept.Entries;
        live.Changed = live.Changed || live.InUse();
    }
}

}  // namespace

struct UndoHistory::Step {
    std::string Label;
    std::string MergeKey;
    SavedSelection Before;
    SavedSelection After;
    bool Lists = false;
    bool Voice = false;
    std::vector<std::shared_ptr<FGObject>> FGsBefore, FGsAfter;
    std::vector<std::shared_ptr<MsgObject>> MessagesBefore, MessagesAfter;
    WavList VoiceBefore, VoiceAfter;
    std::vector<PatchGroup> Patches;

    std::size_t Bytes() const {
        std::size_t bytes = sizeof(*this) + Label.capacity() + MergeKey.capacity() +
                            (Before.FGs.Runs.capacity() + After.FGs.Runs.capacity() +
                             Before.Messages.Runs.capacity() + After.Messages.Runs.capacity()) *
                                sizeof(Run);
        for (const PatchGroup& group : Patches) {
            bytes += group.Bytes();
        }
        if (Lists) {
            bytes += (FGsBefore.capacity() + FGsAfter.capacity() + MessagesBefore.capacity() +
                      MessagesAfter.capacity()) *
                     sizeof(std::shared_ptr<FGObject>);
            // Items only the step keeps alive count in full.
            for (const auto& fg : FGsBefore) {
                bytes += fg.use_count() == 1 ? sizeof(FGObject) : 0;
            }
        }
        return bytes;
    }
};

struct UndoHistory::Capture {
    struct Item {
        ImageKind Kind;
        const void* Identity;  // the flight group or message, whose place a list step may move
        std::size_t Index;
        std::size_t At;        // in Blob
        bool Partial = false;  // only the scope's FGFields were captured
    };
    UndoScope Scope;
    SavedSelection Before;
    std::vector<std::shared_ptr<FGObject>> FGs;
    std::vector<std::shared_ptr<MsgObject>> Messages;
    WavList Voice;
    std::vector<Item> Items;
    std::unique_ptr<std::uint8_t[]> Blob;
};

UndoHistory::UndoHistory() = default;
UndoHistory::~UndoHistory() = default;

void UndoHistory::Begin(const Session& session, UndoScope scope) {
    const Mission& mission = session.CurrentMission();
    auto capture = std::make_unique<Capture>();
    capture->Before = Save(session.Select);
    std::size_t total = 0;
    const auto add = [&](ImageKind kind, const void* identity, std::size_t index) {
        capture->Items.push_back({kind, identity, index, total});
        total += ImageSize(kind);
    };
    const std::size_t fieldBytes = FieldBytes(scope);
    const bool partial = !scope.Lists && fieldBytes > 0;
    const auto addFG = [&](std::size_t i, bool goalStrings) {
        if (partial && i < mission.FlightGroups.size()) {
            capture->Items.push_back(
                {ImageKind::FlightGroup, mission.FlightGroups[i].get(), i, total, true});
            total += fieldBytes;
        } else if (i < mission.FlightGroups.size()) {
            add(ImageKind::FlightGroup, mission.FlightGroups[i].get(), i);
            if (goalStrings && HasGoalStrings(mission, i)) {
                add(ImageKind::FGGoalStrings, mission.FlightGroups[i].get(), i);
            }
        }
    };
    const auto addMessage = [&](std::size_t i) {
        if (i < mission.Messages.size()) {
            add(ImageKind::Message, mission.Messages[i].get(), i);
        }
    };
    if (scope.Lists || scope.Voice) {
        capture->Voice = session.VoiceList;
    }
    if (scope.Lists) {
        capture->FGs = mission.FlightGroups;
        capture->Messages = mission.Messages;
        // List operations move and renumber records; goal strings only travel with them.
        for (std::size_t i = 0; i < mission.FlightGroups.size(); ++i) {
            addFG(i, false);
        }
        for (std::size_t i = 0; i < mission.Messages.size(); ++i) {
            addMessage(i);
        }
    } else {
        for (const std::size_t i : scope.FlightGroups) {
            addFG(i, true);
        }
        for (const std::size_t i : scope.Messages) {
            addMessage(i);
        }
    }
    ForEachSmallImage(mission, [&](ImageKind kind, std::size_t i) { add(kind, nullptr, i); });
    for (const std::size_t team : scope.GoalStringTeams) {
        if (team < mission.GlobalGoalStrings.size()) {
            add(ImageKind::GoalStrings, nullptr, team);
        }
    }
    for (const std::size_t i : scope.Texts) {
        add(ImageKind::MissionText, nullptr, i);
    }
    // The buffer is kept from edit to edit: fresh pages for every capture of a large selection
    // would cost more than reading it.
    if (!scratch_ || scratchSize_ < total) {
        scratch_.reset(new std::uint8_t[total]);
        scratchSize_ = total;
    }
    capture->Blob = std::move(scratch_);
    for (const Capture::Item& item : capture->Items) {
        std::uint8_t* at = capture->Blob.get() + item.At;
        if (item.Partial) {
            const std::uint8_t* record = mission.FlightGroups[item.Index]->Record.Data();
            for (const auto& [offset, length] : scope.FGFields) {
                std::memcpy(at, record + offset, length);
                at += length;
            }
        } else {
            ReadImage(mission, item.Kind, item.Index, {at, ImageSize(item.Kind)});
        }
    }
    capture->Scope = std::move(scope);
    capture_ = std::move(capture);
}

void UndoHistory::Abandon() {
    if (capture_) {
        scratch_ = std::move(capture_->Blob);
        capture_.reset();
    }
}

bool UndoHistory::Commit(const Session& session) {
    if (!capture_) {
        return false;
    }
    const std::unique_ptr<Capture> capture = std::move(capture_);
    // The capture's buffer goes back for the next edit whatever happens here.
    struct ReturnBuffer {
        UndoHistory& history;
        Capture& capture;
        ~ReturnBuffer() { history.scratch_ = std::move(capture.Blob); }
    } returnBuffer{*this, *capture};
    const Mission& mission = session.CurrentMission();
    const bool lists = capture->Scope.Lists;

    // Where each captured flight group and message stands now; a removed one has no place.
    std::unordered_map<const void*, std::size_t> places;
    if (lists) {
        for (std::size_t i = 0; i < mission.FlightGroups.size(); ++i) {
            places.emplace(mission.FlightGroups[i].get(), i);
        }
        for (std::size_t i = 0; i < mission.Messages.size(); ++i) {
            places.emplace(mission.Messages[i].get(), i);
        }
    }
    const auto placeOf = [&](const Capture::Item& item) -> std::optional<std::size_t> {
        if (item.Identity == nullptr) {
            return item.Index;
        }
        if (lists) {
            const auto found = places.find(item.Identity);
            return found == places.end() ? std::nullopt : std::optional(found->second);
        }
        const bool isMessage = item.Kind == ImageKind::Message;
        const std::size_t count = isMessage ? mission.Messages.size() : mission.FlightGroups.size();
        const void* now = item.Index >= count ? nullptr
                          : isMessage ? static_cast<const void*>(mission.Messages[item.Index].get())
                                      : mission.FlightGroups[item.Index].get();
        return now == item.Identity ? std::optional(item.Index) : std::nullopt;
    };

    // A merging step starts from the images before the step it continues.
    Step* merged = nullptr;
    const std::string& key = capture->Scope.MergeKey;
    if (!lists && !key.empty() && position_ == steps_.size() && position_ > 0 &&
        steps_.back()->MergeKey == key && !steps_.back()->Lists && !AtSaved()) {
        merged = steps_.back().get();
    }
    std::map<std::pair<ImageKind, std::size_t>, std::vector<std::pair<Range, const std::uint8_t*>>>
        earlier;
    if (merged != nullptr) {
        for (const PatchGroup& group : merged->Patches) {
            group.ForEachItem([&](std::uint32_t item, std::size_t k) {
                const std::uint8_t* bytes = group.Old.data() + k * group.RangeBytes;
                auto& ranges = earlier[{group.Kind, item}];
                for (const Range& range : group.Ranges) {
                    ranges.emplace_back(range, bytes);
                    bytes += range.second;
                }
            });
        }
    }

    const std::size_t fieldBytes = FieldBytes(capture->Scope);
    PatchBuilder builder;
    bool changed = false;
    std::vector<std::uint8_t> before;
    std::vector<std::uint8_t> after;
    std::vector<Range> ranges;
    const auto diff = [&](ImageKind kind, std::size_t place) {
        after.resize(ImageSize(kind));
        ReadImage(mission, kind, place, after);
        if (const auto found = earlier.find({kind, place}); found != earlier.end()) {
            for (const auto& [range, bytes] : found->second) {
                std::memcpy(before.data() + range.first, bytes, range.second);
            }
            earlier.erase(found);
        }
        DiffRanges(before.data(), after.data(), after.size(), ranges);
        if (!ranges.empty()) {
            builder.Add(kind, static_cast<std::uint32_t>(place), ranges, before.data(),
                        after.data());
        }
    };
    // Compares a captured image with the item where it lives, copying only changed bytes.
    std::vector<Range> partRanges;
    std::vector<std::uint8_t> oldBytes;
    std::vector<std::uint8_t> newBytes;
    const auto diffInPlace = [&](const Capture::Item& item, std::size_t place,
                                 const std::uint8_t* image) {
        ranges.clear();
        oldBytes.clear();
        newBytes.clear();
        ImageParts parts = LiveImageParts(mission, item.Kind, place);
        if (item.Partial) {
            // The captured fields lie one after another in the buffer; each part then reads
            // one field of the record where it lives.
            const std::uint8_t* record = mission.FlightGroups[place]->Record.Data();
            parts.Count = 0;
            std::size_t packed = 0;
            for (const auto& [offset, length] : capture->Scope.FGFields) {
                parts.Parts[parts.Count++] = {packed, record + offset, length};
                packed += length;
            }
        }
        for (std::size_t p = 0; p < parts.Count; ++p) {
            const ImagePart& part = parts.Parts[p];
            DiffRanges(image + part.Offset, part.Data, part.Size, partRanges);
            const std::size_t imageOffset =
                item.Partial ? capture->Scope.FGFields[p].first : part.Offset;
            for (const auto& [offset, length] : partRanges) {
                ranges.emplace_back(static_cast<std::uint32_t>(imageOffset + offset), length);
                oldBytes.insert(oldBytes.end(), image + part.Offset + offset,
                                image + part.Offset + offset + length);
                newBytes.insert(newBytes.end(), part.Data + offset, part.Data + offset + length);
            }
        }
        if (ranges.empty()) {
            return false;
        }
        builder.AddGathered(item.Kind, static_cast<std::uint32_t>(place), ranges, oldBytes,
                            newBytes);
        return true;
    };
    // A captured field image with the continued step's old bytes put back: the fields as they
    // were before that step. False when that step changed more than these fields.
    std::vector<std::uint8_t> packed;
    const auto packEarlier = [&](const std::uint8_t* image, const auto& saved) {
        packed.assign(image, image + fieldBytes);
        for (const auto& [range, bytes] : saved) {
            std::size_t at = 0;
            bool placed = false;
            for (const auto& [offset, length] : capture->Scope.FGFields) {
                if (range.first >= offset && range.first + range.second <= offset + length) {
                    std::memcpy(packed.data() + at + (range.first - offset), bytes, range.second);
                    placed = true;
                    break;
                }
                at += length;
            }
            if (!placed) {
                return false;
            }
        }
        return true;
    };
    const auto fieldsChanged = [&](const std::uint8_t* image, std::size_t place) {
        const std::uint8_t* record = mission.FlightGroups[place]->Record.Data();
        for (const auto& [offset, length] : capture->Scope.FGFields) {
            if (std::memcmp(image, record + offset, length) != 0) {
                return true;
            }
            image += length;
        }
        return false;
    };
    for (const Capture::Item& item : capture->Items) {
        const auto place = placeOf(item);
        if (!place) {
            continue;
        }
        const std::uint8_t* image = capture->Blob.get() + item.At;
        const auto continued = earlier.find({item.Kind, *place});
        if (continued == earlier.end()) {
            changed = diffInPlace(item, *place, image) || changed;
        } else if (item.Partial && packEarlier(image, continued->second)) {
            changed = changed || fieldsChanged(image, *place);
            diffInPlace(item, *place, packed.data());
            earlier.erase(continued);
        } else {
            before.resize(ImageSize(item.Kind));
            if (item.Partial) {
                // Only the fields were captured; the rest of the record is as it was.
                ReadImage(mission, item.Kind, *place, before);
                const std::uint8_t* field = image;
                for (const auto& [offset, length] : capture->Scope.FGFields) {
                    std::memcpy(before.data() + offset, field, length);
                    field += length;
                }
            } else {
                before.assign(image, image + ImageSize(item.Kind));
            }
            const std::vector<std::uint8_t> captured = before;
            diff(item.Kind, *place);
            changed = changed || std::memcmp(captured.data(), after.data(), after.size()) != 0;
        }
        // Goal strings made by this edit: compared with none at all.
        if (item.Kind == ImageKind::FlightGroup && !lists && !item.Partial &&
            HasGoalStrings(mission, *place) &&
            (&item == &capture->Items.back() || (&item)[1].Kind != ImageKind::FGGoalStrings)) {
            before.assign(ImageSize(ImageKind::FGGoalStrings), 0);
            diff(ImageKind::FGGoalStrings, *place);
            changed = true;
        }
    }
    // What the continued step changed and this edit did not touch stays in the merged step.
    for (const auto& [where, saved] : earlier) {
        before.resize(ImageSize(where.first));
        ReadImage(mission, where.first, where.second, before);
        after = before;
        for (const auto& [range, bytes] : saved) {
            std::memcpy(before.data() + range.first, bytes, range.second);
        }
        DiffRanges(before.data(), after.data(), after.size(), ranges);
        if (!ranges.empty()) {
            builder.Add(where.first, static_cast<std::uint32_t>(where.second), ranges,
                        before.data(), after.data());
        }
    }
    std::vector<PatchGroup> patches = builder.Finish();

    const bool voice = lists || capture->Scope.Voice;
    const bool listsChanged = (lists && (capture->FGs != mission.FlightGroups ||
                                         capture->Messages != mission.Messages)) ||
                              (voice && capture->Voice.Entries != session.VoiceList.Entries);
    changed = changed || listsChanged;
    if (merged != nullptr) {
        merged->Patches = std::move(patches);
        merged->After = Save(session.Select);
        Trim();
        return changed;
    }
    if (patches.empty() && !listsChanged) {
        return changed;
    }

    // A new step ends every redo; a saved state among them can no longer be reached.
    steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_), steps_.end());
    if (savedPosition_ > static_cast<std::ptrdiff_t>(position_)) {
        savedPosition_ = -1;
    }
    auto step = std::make_unique<Step>();
    step->Label = capture->Scope.Label;
    step->MergeKey = key;
    step->Before = std::move(capture->Before);
    step->After = Save(session.Select);
    step->Lists = lists;
    step->Voice = voice;
    if (lists) {
        step->FGsBefore = std::move(capture->FGs);
        step->FGsAfter = mission.FlightGroups;
        step->MessagesBefore = std::move(capture->Messages);
        step->MessagesAfter = mission.Messages;
    }
    if (voice) {
        step->VoiceBefore = std::move(capture->Voice);
        step->VoiceAfter = session.VoiceList;
    }
    step->Patches = std::move(patches);
    steps_.push_back(std::move(step));
    ++position_;
    Trim();
    return true;
}

void UndoHistory::Trim() {
    while (steps_.size() > 1 && (steps_.size() > limits_.MaxSteps || Bytes() > limits_.MaxBytes) &&
           position_ > 0) {
        steps_.pop_front();
        --position_;
        savedPosition_ = savedPosition_ > 0 ? savedPosition_ - 1 : -1;
    }
}

std::string UndoHistory::UndoLabel() const {
    return CanUndo() ? steps_[position_ - 1]->Label : std::string();
}

std::string UndoHistory::RedoLabel() const {
    return CanRedo() ? steps_[position_]->Label : std::string();
}

bool UndoHistory::Undo(Session& session) {
    if (!CanUndo()) {
        return false;
    }
    const Step& step = *steps_[position_ - 1];
    Mission& mission = session.CurrentMission();
    ApplyPatches(mission, step.Patches, true);
    if (step.Lists) {
        mission.FlightGroups = step.FGsBefore;
        mission.Messages = step.MessagesBefore;
    }
    if (step.Voice) {
        RestoreVoiceEntries(session.VoiceList, step.VoiceBefore);
    }
    Restore(session.Select, step.Before);
    --position_;
    return true;
}

bool UndoHistory::Redo(Session& session) {
    if (!CanRedo()) {
        return false;
    }
    const Step& step = *steps_[position_];
    Mission& mission = session.CurrentMission();
    if (step.Lists) {
        mission.FlightGroups = step.FGsAfter;
        mission.Messages = step.MessagesAfter;
    }
    if (step.Voice) {
        RestoreVoiceEntries(session.VoiceList, step.VoiceAfter);
    }
    ApplyPatches(mission, step.Patches, false);
    Restore(session.Select, step.After);
    ++position_;
    return true;
}

void UndoHistory::Clear() {
    steps_.clear();
    capture_.reset();
    scratch_.reset();
    scratchSize_ = 0;
    position_ = 0;
    savedPosition_ = 0;
}

std::size_t UndoHistory::Bytes() const {
    std::size_t bytes = 0;
    for (const auto& step : steps_) {
        bytes += step->Bytes();
    }
    return bytes;
}

std::size_t UndoHistory::StepBytes(std::size_t step) const {
    return steps_.at(step)->Bytes();
}

}  // namespace vorlan
