#pragma once
// The map's colours. The strong IFF colours are the lists' (text/row_colors.h); everything
// drawn on the map for a flight group uses the light colour of its IFF.

#include "text/row_colors.h"

namespace vorlan {

inline constexpr RowColor kMapBackground{0, 0, 0};
inline constexpr RowColor kGridZeroLine{255, 0, 0};
inline constexpr RowColor kGridMajorLine{149, 0, 0};
inline constexpr RowColor kGridMinorLine{87, 0, 0};
inline constexpr RowColor kGhostGridZeroLine{125, 59, 57};
inline constexpr RowColor kGhostGridMajorLine{77, 43, 41};
inline constexpr RowColor kGhostGridMinorLine{45, 27, 24};
// Header texts, "Locked!" and the selection marks.
inline constexpr RowColor kMapHeaderYellow{255, 255, 0};
// Player numbers, the palette frame and its team number.
inline constexpr RowColor kMapSilver{192, 192, 192};
inline constexpr RowColor kGhostName{61, 59, 56};
inline constexpr RowColor kSelectionBoxBackground{12, 12, 12};
inline constexpr RowColor kMapListBackground{0, 0, 0};

// The light colour of an IFF code; codes 6 and above are light blue.
RowColor LightIFFColor(int iff);

// The row colours of the map's two flight group lists (currentOrderRegion counts from 1):
// the map list ghosts flight groups outside the region only with the Blacken setting, the
// drop-down always.
RowColor MapListRowColor(const FGObject& fg, bool blacken, int currentOrderRegion);
RowColor SelectionBoxRowColor(const FGObject& fg, int currentOrderRegion);

}  // namespace vorlan
