#include "map/map_colors.h"

namespace vorlan {

RowColor LightIFFColor(int iff) {
    switch (iff) {
        case 0:
            return {149, 255, 149};
        case 1:
            return {255, 140, 140};
        case 3:
            return {255, 255, 176};
        case 4:
            return {255, 0, 0};
        case 5:
            return {255, 164, 255};
        default:
            return {153, 204, 255};
    }
}

RowColor MapListRowColor(const FGObject& fg, bool blacken, int currentOrderRegion) {
    return FlightGroupRowColor(fg, blacken, currentOrderRegion);
}

RowColor SelectionBoxRowColor(const FGObject& fg, int currentOrderRegion) {
    return FlightGroupRowColor(fg, true, currentOrderRegion);
}

}  // namespace vorlan
