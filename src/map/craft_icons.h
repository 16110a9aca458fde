#pragma once
// How a flight group looks on the map: the icon of its craft type in the icon strip, the strip
// row of its IFF, and the craft's half-size used for culling and the battlefield pad.

namespace vorlan {

// The icon strip: 19-pixel columns, 20-pixel rows; an icon's cell is 16 x 20 pixels.
inline constexpr int kIconColumnWidth = 19;
inline constexpr int kIconRowHeight = 20;
inline constexpr int kIconWidth = 16;
inline constexpr int kIconHeight = 20;
// Rows the strip holds (IFF rows 0..4).
inline constexpr int kIconRows = 5;

// The icon number (1-based) of a craft type code; unknown codes show icon 10.
int IconNumber(int craftType);

// The strip row of an IFF code. IFF 6 and above have no row of their own: they use the blue
// row, matching the blue the colour tables give them, instead of reading past the strip.
int IconRow(int iff);

struct IconCell {
    int X = 0;
    int Y = 0;
    int Width = kIconWidth;
    int Height = kIconHeight;
};
// The source cell of icon number n in row r of the strip.
IconCell IconSourceCell(int iconNumber, int row);

// The half-size of a craft type in km; 0 for codes the table does not list.
double CraftExtentKm(int craftType);

}  // namespace vorlan
