#pragma once
// The craft icons the map draws from: one strip of 74 icon numbers in 19-pixel columns, one
// 20-pixel row per IFF colour, drawn once by the program itself from small pixel patterns on
// black. Black pixels leave the map unchanged when an icon is ORed onto it.

#include <QImage>
#include <QRect>

#include "map/craft_icons.h"

namespace vorlan {

inline constexpr int kIconCount = 74;

// The whole strip (Format_RGB32), built on first use and never changed afterwards.
const QImage& CraftIconStrip();

// The 16 x 20 cell of icon number 1..74 in row r of the strip.
inline QRect IconRect(int iconNumber, int row) {
    const IconCell cell = IconSourceCell(iconNumber, row);
    return {cell.X, cell.Y, cell.Width, cell.Height};
}

// Draws the strip; CraftIconStrip keeps the one copy the program uses.
QImage DrawCraftIconStrip();

}  // namespace vorlan
