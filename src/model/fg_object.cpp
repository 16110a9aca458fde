#include "model/fg_object.h"

#include <cmath>

namespace vorlan {

namespace {

std::size_t GoalStringIndex(int goal, GoalStringKind kind) {
    return static_cast<std::size_t>(goal * 3 + static_cast<int>(kind));
}

}  // namespace

FGObject::FGObject(const FGObject& other)
    : AutoIFF(other.AutoIFF),
      PresentAtStart(other.PresentAtStart),
      Heading(other.Heading),
      PointX(other.PointX),
      PointY(other.PointY),
      PointZ(other.PointZ),
      PointEnabled(other.PointEnabled),
      Record(other.Record),
      goalStrings_(other.goalStrings_ ? std::make_unique<GoalStringFields>(*other.goalStrings_)
                                      : nullptr) {}

FGObject& FGObject::operator=(const FGObject& other) {
    if (this != &other) {
        FGObject copy(other);
        *this = std::move(copy);
    }
    return *this;
}

const GoalStringField& FGObject::GoalStringAt(int goal, GoalStringKind kind) const {
    static const GoalStringField kEmpty{};
    return goalStrings_ ? (*goalStrings_)[GoalStringIndex(goal, kind)] : kEmpty;
}

GoalStringField& FGObject::GoalStringAt(int goal, GoalStringKind kind) {
    return EditGoalStrings()[GoalStringIndex(goal, kind)];
}

FGObject::GoalStringFields& FGObject::EditGoalStrings() {
    if (goalStrings_ == nullptr) {
        goalStrings_ = std::make_unique<GoalStringFields>();
    }
    return *goalStrings_;
}

std::string FGObject::GoalString(int goal, GoalStringKind kind) const {
    return ReadFixedText(GoalStringAt(goal, kind));
}

void FGObject::SetGoalString(int goal, GoalStringKind kind, std::string_view text) {
    if (text.empty() && goalStrings_ == nullptr) {
        return;
    }
    StoreFixedText(GoalStringAt(goal, kind), text);
}

void FGObject::LoadWorkingPoints() {
    for (int i = 1; i <= FGRec::kFilePoints; ++i) {
        const auto point = Record.Sub(FGRec::FilePoint(i));
        PointX[i] = point.Get(PointRec::X);
        PointY[i] = point.Get(PointRec::Y);
        PointZ[i] = point.Get(PointRec::Z);
        PointEnabled[i] = point.Get(PointRec::Enabled);
    }
}

void FGObject::StoreWorkingPoints(RecordRef<FGRec::Tag> target) const {
    for (int i = 1; i <= FGRec::kFilePoints; ++i) {
        auto point = target.Sub(FGRec::FilePoint(i));
        point.Set(PointRec::X, PointX[i]);
        point.Set(PointRec::Y, PointY[i]);
        point.Set(PointRec::Z, PointZ[i]);
        point.Set(PointRec::Enabled, PointEnabled[i]);
    }
}

void FGObject::RecomputePointData() {
    // PointX[0] doubles as a byte holding the highest enabled point number.
    std::int16_t highest = 1;
    for (int k = 5; k < kWorkingEnabled; ++k) {
        if (PointEnabled[k] == 1) {
            highest = static_cast<std::int16_t>(k);
        }
    }
    PointX[0] = static_cast<std::int16_t>((PointX[0] & ~0xFF) | highest);

    double dx = 0, dy = 0, dz = 0;
    if (PointEnabled[5] == 1) {
        dx = double(PointX[4]) - double(PointX[1]);
        dy = double(PointY[4]) - double(PointY[1]);
        dz = double(PointZ[4]) - double(PointZ[1]);
        if (dx == 0 && dy == 0) {
            dx = 1;
            dy = -1;
            if (dz == 0) {
                dz = 1;
            }
        }
    } else {
        Heading = {1.0, 0.0, 0.0, -1.0};
    }
    const double length = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (length != 0) {
        Heading[0] = std::sqrt(dx * dx + dy * dy) / length;
        Heading[1] = dz / length;
    }
    const double flatLength = std::sqrt(dx * dx + dy * dy);
    if (flatLength != 0) {
        Heading[2] = dx / flatLength;
        Heading[3] = dy / flatLength;
    }
}

}  // namespace vorlan
