#pragma once
// Keeps every stored flight group number pointing at the same flight group while the list is
// reordered or shortened. Flight group numbers are single unsigned bytes, so all arithmetic on
// them wraps: removing flight group 0 turns a reference to it into 255.

#include <array>
#include <cstdint>

#include "model/mission.h"

namespace vorlan {

// One step of a list change, by the characters the list operations have always used.
enum class FGRenumber : char {
    Up = 'U',      // flight groups index and index - 1 are about to exchange places
    Down = 'D',    // flight groups index and index + 1 are about to exchange places
    Remove = 'X',  // flight group index is being removed
};

// The new value of one stored number n for one step.
constexpr std::uint8_t RenumberFGNumber(std::uint8_t n, std::uint8_t index, FGRenumber op) {
    const auto below = static_cast<std::uint8_t>(index - 1);
    const auto above = static_cast<std::uint8_t>(index + 1);
    switch (op) {
        case FGRenumber::Down:
            return n == index ? above : n == above ? index : n;
        case FGRenumber::Up:
            return n == index ? below : n == below ? index : n;
        case FGRenumber::Remove:
            return n >= index ? static_cast<std::uint8_t>(n - 1) : n;
    }
    return n;
}

// What a whole sequence of steps does to each of the 256 byte values. One command composes its
// steps here and then rewrites the mission once, instead of once per step.
class FGNumberMap {
public:
    FGNumberMap();

    // Appends a step after those already composed. A step that moves or removes a flight group
    // past 255 changes no stored number: a one-byte reference cannot name it, and wrapping its
    // index would corrupt references to flight group index - 256.
    void Then(int index, FGRenumber op);
    std::uint8_t operator()(std::uint8_t n) const { return to_[n]; }
    bool IsIdentity() const;

private:
    std::array<std::uint8_t, 256> to_;
};

// Rewrites every place of the mission that holds a flight group number for one step: the
// arrival and departure triggers, the four motherships, the targets of the 16 orders and the
// 16 skip blocks of every flight group, every message's triggers and the global goals'
// triggers. A trigger or order target counts only while its type byte says flight group.
void RenumberFGReferences(Mission& mission, std::uint8_t index, FGRenumber op);

// The same places, each rewritten through map in a single pass.
void ApplyFGNumberMap(Mission& mission, const FGNumberMap& map);

}  // namespace vorlan
