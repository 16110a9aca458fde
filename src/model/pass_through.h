#pragma once
// Sections of the mission file the editor carries from load to save without reading them.

#include <array>
#include <cstdint>
#include <vector>

namespace vorlan {

struct FlaggedSection {
    std::uint8_t HasExtra = 0;
    std::uint8_t Lead = 0;
    std::uint8_t Extra = 0;  // present in the file only when HasExtra is 1
    std::vector<std::uint8_t> Body;

    bool WritesExtra() const { return HasExtra == 1; }
};

struct NoteSlot {
    std::uint8_t Present = 0;
    std::array<std::uint8_t, 63> Text{};
};

struct PassThroughSections {
    static constexpr std::size_t kRawSection1Size = 17458;
    static constexpr std::size_t kRawSection2Size = 265 * 100;
    static constexpr std::size_t kRawSection3Size = 73;
    static constexpr std::size_t kRawSection4Size = 2179;
    static constexpr std::array<std::size_t, 4> kFlaggedBodySizes = {234, 44, 88, 6376};
    static constexpr int kNoteSlotsInFile = 1300;
    static constexpr int kNoteSlotsInMemory = 1330;

    std::vector<std::uint8_t> RawSection1 = std::vector<std::uint8_t>(kRawSection1Size);
    std::array<FlaggedSection, 4> FlaggedSections = MakeFlaggedSections();
    std::vector<std::uint8_t> RawSection2 = std::vector<std::uint8_t>(kRawSection2Size);
    std::vector<std::uint8_t> RawSection3 = std::vector<std::uint8_t>(kRawSection3Size);
    std::vector<NoteSlot> NoteSlots = std::vector<NoteSlot>(kNoteSlotsInMemory);
    std::vector<std::uint8_t> RawSection4 = std::vector<std::uint8_t>(kRawSection4Size);

    static std::array<FlaggedSection, 4> MakeFlaggedSections() {
        std::array<FlaggedSection, 4> sections;
        for (std::size_t i = 0; i < sections.size(); ++i) {
            sections[i].Body.assign(kFlaggedBodySizes[i], 0);
        }
        return sections;
    }
};

}  // namespace vorlan
