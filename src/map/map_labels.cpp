#include "map/map_labels.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "map/map_view.h"
#include "text/blank_trim.h"

namespace vorlan {
namespace {

// Seconds per km at speed 1: the time labels divide the route length by speed times this.
constexpr double kKmPerSecondPerSpeed = 0.002209456471765;

std::string TwoDecimals(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

std::string TrimmedName(const FGObject& fg) {
    return std::string(TrimBlanksAndNuls(fg.Record.GetText(FGRec::Name)));
}

bool FlyingCommand(int command) {
    return (command >= 1 && command <= 4) || command == 21 || (command >= 24 && command <= 28);
}

}  // namespace

std::string MapCaption(std::string_view missionFileName) {
    return "Flight Group Map  - (" + std::string(missionFileName) + ")";
}

int PreviousEnabledPoint(const FGObject& fg, int j) {
    int k = j - 1;
    while (k >= kFirstWaypoint && fg.PointEnabled[static_cast<std::size_t>(k)] != 1) {
        --k;
    }
    // Start 2..4 count as Start 1, and the search ends there whatever Start 1's flag says.
    return k < kFirstWaypoint ? 1 : k;
}

LegLengths ComputeLegLengths(const FGObject& fg) {
    LegLengths legs{};
    for (int j = kFirstWaypoint; j <= kMapPoints; ++j) {
        const auto to = static_cast<std::size_t>(j);
        if (fg.PointEnabled[to] != 1) {
            continue;
        }
        const auto from = static_cast<std::size_t>(PreviousEnabledPoint(fg, j));
        const std::int64_t dx = std::int64_t{fg.PointX[to]} - fg.PointX[from];
        const std::int64_t dy = std::int64_t{fg.PointY[to]} - fg.PointY[from];
        const std::int64_t dz = std::int64_t{fg.PointZ[to]} - fg.PointZ[from];
        legs[to] = static_cast<std::int64_t>(
            std::nearbyint(std::sqrt(static_cast<double>(dx * dx + dy * dy + dz * dz))));
    }
    return legs;
}

std::int64_t RouteLength(const LegLengths& legs, int j) {
    std::int64_t length = 0;
    for (int k = kFirstWaypoint; k <= std::min(j, kMapPoints); ++k) {
        length += legs[static_cast<std::size_t>(k)];
    }
    return length;
}

bool CraftMoves(int t) {
    return (t >= 1 && t <= 69) || t == 78 || (t >= 90 && t <= 92);
}

int BaseSpeed(int t) {
    switch (t) {
        case 1:
        case 5:
        case 14:
        case 15:
            return 45;
        case 2:
        case 7:
            return 36;
        case 3:
            return 54;
        case 4:
            return 41;
        case 6:
        case 13:
            return 50;
        case 8:
            return 60;
        case 9:
            return 65;
        case 12:
            return 55;
        case 16:
        case 37:
        case 38:
        case 39:
            return 40;
        case 17:
        case 22:
        case 23:
            return 30;
        case 18:
            return 33;
        case 19:
        case 20:
            return 35;
        case 21:
            return 25;
        case 24:
        case 49:
        case 53:
        case 54:
            return 5;
        case 25:
        case 35:
            return 15;
        case 30:
        case 33:
        case 40:
        case 41:
            return 10;
        case 32:
        case 36:
        case 42:
        case 43:
        case 44:
        case 45:
        case 46:
        case 92:
            return 8;
        case 34:
            return 12;
        case 47:
        case 48:
        case 50:
            return 6;
        case 51:
        case 52:
            return 4;
        default:
            return 16;
    }
}

int CruiseSpeed(const FGObject& fg, int region) {
    // A region outside 1..4 would name bytes past the orders.
    region = std::clamp(region, 1, FGRec::kRegions);
    int chosen = 1;
    for (int o = 1; o <= FGRec::kOrdersPerRegion; ++o) {
        if (FlyingCommand(fg.Record.Sub(FGRec::Order(region, o)).Get(OrderRec::Command))) {
            chosen = o;
            break;
        }
    }
    const auto order = fg.Record.Sub(FGRec::Order(region, chosen));
    const int throttle = order.Get(OrderRec::Speed);
    const int mglt = order.Get(OrderRec::MGLT);
    if (throttle == 10 && mglt != 0) {
        return mglt;
    }
    return static_cast<int>(
        std::nearbyint(BaseSpeed(fg.Record.Get(FGRec::CraftType)) * throttle / 10.0));
}

std::string TimeText(std::int64_t seconds) {
    std::string text = seconds >= 60 ? std::to_string(seconds / 60) + ":" : "00:";
    const std::int64_t rest = seconds % 60;
    if (rest < 10) {
        text += '0';
    }
    return text + std::to_string(rest);
}

std::string DistanceText(std::int64_t raw) {
    return TwoDecimals(static_cast<double>(raw) / kMapRawPerKm) + "km ";
}

std::string KmText(double raw) {
    return TwoDecimals(raw / kMapRawPerKm);
}

std::string NameLabel(const FGObject& fg, int j, const LabelOptions& options) {
    std::string label("  ");
    if (!options.NamesOn) {
        return label;
    }
    if (j == 1) {
        label.append(" ").append(TrimmedName(fg));
        return label;
    }
    if (j < kFirstWaypoint) {
        label.append("Start ").append(std::to_string(j));
    } else {
        label.append("w ").append(std::to_string(j - kFirstWaypoint + 1));
    }
    if (!options.CurrOnly) {
        label.append(" ").append(TrimmedName(fg));
    }
    return label;
}

std::string RouteLabel(const FGObject& fg, int j, const LegLengths& legs, int speed,
                       const LabelOptions& options) {
    std::string label;
    if (j < 2 || j > kMapPoints || !CraftMoves(fg.Record.Get(FGRec::CraftType))) {
        return label;
    }
    const std::int64_t route = RouteLength(legs, j);
    if (options.ShowDistances) {
        label += DistanceText(route);
    }
    if (!options.ShowTime) {
        return label;
    }
    if (speed == 0) {
        return label + std::string(kHoldingText);
    }
    const auto seconds = static_cast<std::int64_t>(std::nearbyint(
        (static_cast<double>(route) / kMapRawPerKm) / (speed * kKmPerSecondPerSpeed)));
    // Appended piece by piece: a literal + string chain trips a false overlap warning.
    label.append("(").append(TimeText(seconds)).append(")");
    const int minutes = fg.Record.Get(FGRec::ArrivalDelayMinutes);
    const int delay = fg.Record.Get(FGRec::ArrivalDelaySeconds);
    if (fg.PresentAtStart == 1 && (minutes != 0 || delay != 0)) {
        label.append(" <")
            .append(TimeText(60 * std::int64_t{minutes} + seconds + 5 + delay))
            .append(">");
    }
    return label;
}

std::array<PointLabels, kMapPoints + 1> FlightGroupLabels(const FGObject& fg,
                                                          const LabelOptions& options,
                                                          int lastPoint) {
    std::array<PointLabels, kMapPoints + 1> labels;
    // Craft that stay put have no route texts: their legs and speed are never needed.
    const bool route =
        (options.ShowTime || options.ShowDistances) && CraftMoves(fg.Record.Get(FGRec::CraftType));
    const LegLengths legs = route ? ComputeLegLengths(fg) : LegLengths{};
    const int speed = route && options.ShowTime ? CruiseSpeed(fg, options.Region) : 0;
    for (int j = 1; j <= std::min(lastPoint, kMapPoints); ++j) {
        auto& label = labels[static_cast<std::size_t>(j)];
        label.Name = NameLabel(fg, j, options);
        if (route) {
            label.Route = RouteLabel(fg, j, legs, speed, options);
        }
    }
    return labels;
}

}  // namespace vorlan
