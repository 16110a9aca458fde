#include "map/ui/icon_strip.h"

#include <QPainter>
#include <array>
#include <string_view>

#include "map/map_colors.h"

namespace vorlan {
namespace {

// The kinds of craft a designer tells apart on the map. Each has one pixel pattern: '#' is
// the row's colour, '+' a darker shade of it for bodies and fills, '.' stays black.
enum class Glyph {
    Object,
    Fighter,
    TieFighter,
    Bomber,
    Shuttle,
    Transport,
    Utility,
    Freighter,
    Container,
    Corvette,
    Frigate,
    Cruiser,
    StarDestroyer,
    Station,
    Shipyard,
    AsteroidBase,
    Planet,
    Satellite,
    Mine,
    GunPlatform,
    Probe,
    Buoy,
    Asteroid,
};

using Pattern = std::array<std::string_view, 16>;

constexpr Pattern kObject = {
    "....#....", "...#+#...", "..#+++#..", ".#+++++#.", "#+++++++#",
    ".#+++++#.", "..#+++#..", "...#+#...", "....#....",
};
constexpr Pattern kFighter = {
    "......#......", "......#......", "#.....#.....#", "#.....#.....#",
    "#....###....#", "#....#+#....#", "##..##+##..##", "#############",
    "#+#.##+##.#+#", "#...#####...#", "#....#.#....#", ".....#.#.....",
};
constexpr Pattern kTieFighter = {
    "#...........#", "##.........##", "##.........##", "##...###...##",
    "##..#+++#..##", "#####+#+#####", "##..#+++#..##", "##...###...##",
    "##.........##", "##.........##", "#...........#",
};
constexpr Pattern kBomber = {
    "....###....", "....#+#....", "....###....", "....#+#....", "#.#######.#",
    "#+#.#+#.#+#", "#+#.###.#+#", "#+#.#+#.#+#", "#+#.###.#+#", "#+#..#..#+#",
    "#+#.....#+#", "#+#.....#+#", "###.....###", ".#.......#.",
};
constexpr Pattern kShuttle = {
    "......#......", "......#......", "......#......", "......#......",
    "......#......", ".....###.....", "....##+##....", "...#.#+#.#...",
    "..#..#+#..#..", ".#...###...#.", "#.....#.....#",
};
constexpr Pattern kTransport = {
    "...#####...", "..#+++++#..", ".#+++++++#.", ".#+#+++#+#.", ".#+++++++#.",
    ".#+#+++#+#.", ".#+++++++#.", "###########", "#+#.....#+#", "###.....###",
};
constexpr Pattern kUtility = {
    "..###..", ".#+++#.", "#+++++#", "#+#+#+#", "#+++++#", ".#####.", "#.#.#.#",
};
constexpr Pattern kFreighter = {
    "...###...", "..#+++#..", "..#####..", "...#.#...", ".#######.", ".#+#+#+#.", ".#######.",
    "...#.#...", ".#######.", ".#+#+#+#.", ".#######.", "...#.#...", "..#####..", "..#+#+#..",
};
constexpr Pattern kContainer = {
    "#########", "#+.....+#", "#.+...+.#", "#..+.+..#", "#...+...#",
    "#..+.+..#", "#.+...+.#", "#+.....+#", "#########",
};
constexpr Pattern kCorvette = {
    "..#####..", "..#+++#..", "...###...", "....#....", "....#....", "....#....", "...###...",
    "...#+#...", "..#####..", "..#+++#..", ".#######.", ".#+#+#+#.", ".#######.",
};
constexpr Pattern kFrigate = {
    "..#######..", ".#+++++++#.", ".#+++++++#.", ".#########.", "....#+#....",
    ".....#.....", ".....#.....", ".....#.....", ".....#.....", "...#####...",
    "..#+++++#..", "..#+#+#+#..", "...#####...", "....#.#....",
};
constexpr Pattern kCruiser = {
    ".....###.....", "....#+++#....", "...#+++++#...", "...#+++++#...", "..#+++#+++#..",
    "..#+++#+++#..", "..#+++#+++#..", "..#+++++++#..", "..#+++++++#..", "...#+++++#...",
    "...#+++++#...", "....#+++#....", "....#####....", "....#.#.#....",
};
constexpr Pattern kStarDestroyer = {
    ".......#.......", "......#+#......", "......#+#......", ".....#+++#.....", ".....#+++#.....",
    "....#+++++#....", "....#+++++#....", "...#+++#+++#...", "...#+++#+++#...", "..#+++###+++#..",
    "..#++#####++#..", ".#+++++#+++++#.", ".#+++++#+++++#.", "###############", "....#.....#....",
};
constexpr Pattern kStation = {
    "....#####....", "...#+++++#...", "..#+#+#+#+#..", ".#+++#+#+++#.",
    "#+#+++#+++#+#", "#+##########+", "#+#+++#+++#+#", ".#+++#+#+++#.",
    "..#+#+#+#+#..", "...#+++++#...", "....#####....",
};
constexpr Pattern kShipyard = {
    "###############", "#+....#+#....+#", "#.+...#+#...+.#", "#..+..#+#..+..#",
    "#...+.#+#.+...#", "###############", "#...+.#+#.+...#", "#..+..#+#..+..#",
    "#.+...#+#...+.#", "#+....#+#....+#", "###############",
};
constexpr Pattern kAsteroidBase = {
    ".....#.....", ".....#.....", "....###....", "...##+##...", "..#+++++#..", ".#+++#+++#.",
    "#++#++++++#", "#+++++#+++#", ".#++++++++#", "..#+++++##.", "...#####...",
};
constexpr Pattern kPlanet = {
    ".....#####.....", "...##+++++##...", "..#+++++++++#..", ".#+++++++++++#.",
    ".#+++++++++++#.", "###############", ".#+++++++++++#.", ".#+++++++++++#.",
    "..#+++++++++#..", "...##+++++##...", ".....#####.....",
};
constexpr Pattern kSatellite = {
    ".....#.....", ".....#.....", "###.###.###", "#+#.#+#.#+#",
    "#+###+###+#", "#+#.#+#.#+#", "###.###.###",
};
constexpr Pattern kMine = {
    "#...#...#", ".#..#..#.", "..#####..", "..#+++#..", "###+#+###",
    "..#+++#..", "..#####..", ".#..#..#.", "#...#...#",
};
constexpr Pattern kGunPlatform = {
    ".....#.....", ".....#.....", ".....#.....", "...#####...", "..#+++++#..",
    ".##+###+##.", ".#++#+#++#.", ".##+###+##.", "..#+++++#..", "...#####...",
};
constexpr Pattern kProbe = {
    "#...#", ".#.#.", "..#..", ".###.", "#+++#", "#+#+#", "#+++#", ".###.",
};
constexpr Pattern kBuoy = {
    "#....#....#", ".#...#...#.", "..#..#..#..", ".....#.....", "....###....",
    "...#+++#...", "...#+#+#...", "...#+++#...", "....###....", ".....#.....",
};
constexpr Pattern kAsteroid = {
    "...####....", "..#+++##...", ".#++++++#..", "#++#+++++#.", "#+++++++++#",
    ".#+++++#++#", ".#++++++++#", "..#++++++#.", "...##+###..",
};

// The pattern of each glyph, in Glyph's order.
constexpr std::array<const Pattern*, static_cast<std::size_t>(Glyph::Asteroid) + 1> kPatterns = {
    &kObject,        &kFighter,     &kTieFighter, &kBomber,       &kShuttle,  &kTransport,
    &kUtility,       &kFreighter,   &kContainer,  &kCorvette,     &kFrigate,  &kCruiser,
    &kStarDestroyer, &kStation,     &kShipyard,   &kAsteroidBase, &kPlanet,   &kSatellite,
    &kMine,          &kGunPlatform, &kProbe,      &kBuoy,         &kAsteroid,
};

const Pattern& PatternOf(Glyph glyph) {
    return *kPatterns[static_cast<std::size_t>(glyph)];
}

// The glyph of each icon number, 1..74. Icon n shows craft type n for most numbers; the others
// follow the craft types that the map sends to them: 10 every craft without a picture of its
// own, 11 the asteroid, 60 the platforms, 61..65 the asteroid bases, factory and satellites
// (62 also the planet and the backdrop), 66..69 the mines and gun platform, 70 the probe, 71
// the buoys, 72..74 the yards and the modified strike cruiser.
constexpr std::array<Glyph, kIconCount> kIconGlyphs = [] {
    std::array<Glyph, kIconCount> glyphs{};
    const auto set = [&glyphs](int first, int last, Glyph glyph) {
        for (int icon = first; icon <= last; ++icon) {
            glyphs[static_cast<std::size_t>(icon - 1)] = glyph;
        }
    };
    set(1, 4, Glyph::Fighter);  // X-, Y-, A- and B-wing; Y and B are bombers below
    set(2, 2, Glyph::Bomber);
    set(4, 4, Glyph::Bomber);
    set(5, 9, Glyph::TieFighter);
    set(7, 7, Glyph::Bomber);
    set(10, 10, Glyph::Object);
    set(11, 11, Glyph::Asteroid);
    set(12, 12, Glyph::Bomber);  // missile boat
    set(13, 15, Glyph::Fighter);
    set(16, 16, Glyph::TieFighter);  // gunboat
    set(17, 20, Glyph::Shuttle);
    set(21, 23, Glyph::Transport);
    set(24, 25, Glyph::Utility);  // tug, utility vehicle
    set(26, 29, Glyph::Container);
    set(30, 35, Glyph::Freighter);
    set(36, 39, Glyph::Transport);
    set(40, 41, Glyph::Corvette);
    set(42, 43, Glyph::Frigate);
    set(44, 45, Glyph::Corvette);  // liner, carrack
    set(46, 50, Glyph::Cruiser);
    set(47, 47, Glyph::Frigate);  // escort carrier
    set(51, 54, Glyph::StarDestroyer);
    set(55, 59, Glyph::Container);
    set(60, 60, Glyph::Station);
    set(61, 61, Glyph::AsteroidBase);
    set(62, 62, Glyph::Planet);
    set(63, 63, Glyph::AsteroidBase);
    set(64, 64, Glyph::Station);  // factory
    set(65, 65, Glyph::Satellite);
    set(66, 68, Glyph::Mine);
    set(69, 69, Glyph::GunPlatform);
    set(70, 70, Glyph::Probe);
    set(71, 71, Glyph::Buoy);
    set(72, 73, Glyph::Shipyard);
    set(74, 74, Glyph::Cruiser);
    return glyphs;
}();

// The colour of each strip row: the light colours of IFF 0, 1, 2, 3 and 5 (IFF 4 shares the
// red row, and codes past the known ones the blue row).
constexpr std::array<int, kIconRows> kRowIFF = {0, 1, 2, 3, 5};

void DrawGlyph(QImage& strip, QPoint cellTopLeft, const Pattern& pattern, QRgb full, QRgb shade) {
    int height = 0;
    int width = 0;
    for (const std::string_view line : pattern) {
        if (!line.empty()) {
            ++height;
            width = std::max(width, static_cast<int>(line.size()));
        }
    }
    // Centred in the cell, so the icon's centre is the point it stands for.
    const int left = cellTopLeft.x() + (kIconWidth - width) / 2;
    const int top = cellTopLeft.y() + (kIconHeight - height) / 2;
    for (int y = 0; y < height; ++y) {
        const std::string_view line = pattern[static_cast<std::size_t>(y)];
        for (int x = 0; x < static_cast<int>(line.size()); ++x) {
            if (line[static_cast<std::size_t>(x)] == '#') {
                strip.setPixel(left + x, top + y, full);
            } else if (line[static_cast<std::size_t>(x)] == '+') {
                strip.setPixel(left + x, top + y, shade);
            }
        }
    }
}

}  // namespace

QImage DrawCraftIconStrip() {
    QImage strip(kIconCount * kIconColumnWidth, kIconRows * kIconHeight, QImage::Format_RGB32);
    strip.fill(Qt::black);
    for (int row = 0; row < kIconRows; ++row) {
        const RowColor light = LightIFFColor(kRowIFF[static_cast<std::size_t>(row)]);
        const QRgb full = qRgb(light.R, light.G, light.B);
        const QRgb shade = qRgb(light.R * 9 / 20, light.G * 9 / 20, light.B * 9 / 20);
        for (int icon = 1; icon <= kIconCount; ++icon) {
            DrawGlyph(strip, IconRect(icon, row).topLeft(),
                      PatternOf(kIconGlyphs[static_cast<std::size_t>(icon - 1)]), full, shade);
        }
    }
    return strip;
}

const QImage& CraftIconStrip() {
    static const QImage strip = DrawCraftIconStrip();
    return strip;
}

}  // namespace vorlan
