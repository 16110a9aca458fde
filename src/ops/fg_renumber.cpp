#include "ops/fg_renumber.h"

#include "ops/fg_reference_places.h"

namespace vorlan {

FGNumberMap::FGNumberMap() {
    for (std::size_t n = 0; n < to_.size(); ++n) {
        to_[n] = static_cast<std::uint8_t>(n);
    }
}

void FGNumberMap::Then(int index, FGRenumber op) {
    constexpr int kLastNameable = 255;
    const int reach = op == FGRenumber::Down ? index + 1 : index;
    if (index < 0 || reach > kLastNameable) {
        return;
    }
    for (auto& value : to_) {
        value = RenumberFGNumber(value, static_cast<std::uint8_t>(index), op);
    }
}

bool FGNumberMap::IsIdentity() const {
    for (std::size_t n = 0; n < to_.size(); ++n) {
        if (to_[n] != n) {
            return false;
        }
    }
    return true;
}

void RenumberFGReferences(Mission& mission, std::uint8_t index, FGRenumber op) {
    RewriteFGReferences(mission,
                        [index, op](std::uint8_t n) { return RenumberFGNumber(n, index, op); });
}

void ApplyFGNumberMap(Mission& mission, const FGNumberMap& map) {
    if (map.IsIdentity()) {
        return;
    }
    RewriteFGReferences(mission, [&map](std::uint8_t n) { return map(n); });
}

}  // namespace vorlan
