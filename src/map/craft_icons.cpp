#include "map/craft_icons.h"

namespace vorlan {

int IconNumber(int t) {
    if ((t >= 1 && t <= 9) || (t >= 12 && t <= 30) || (t >= 32 && t <= 60)) {
        return t;
    }
    if (t >= 61 && t <= 65) {
        return 60;
    }
    if (t >= 66 && t <= 70) {
        return t - 5;
    }
    if (t == 71) {
        return 65;
    }
    if (t >= 75 && t <= 78) {
        return t - 9;
    }
    if (t == 80) {
        return 70;
    }
    if ((t >= 83 && t <= 85) || t == 88) {
        return 71;
    }
    if (t == 86) {
        return 11;
    }
    if (t == 87 || t == 183) {
        return 62;
    }
    if (t >= 90 && t <= 92) {
        return t - 18;
    }
    return 10;
}

int IconRow(int iff) {
    switch (iff) {
        case 0:
        case 1:
        case 2:
        case 3:
            return iff;
        case 4:
            return 1;
        case 5:
            return 4;
        default:
            return 2;
    }
}

IconCell IconSourceCell(int iconNumber, int row) {
    return {(iconNumber - 1) * kIconColumnWidth, row * kIconRowHeight, kIconWidth, kIconHeight};
}

double CraftExtentKm(int t) {
    switch (t) {
        case 32:
        case 33:
        case 34:
        case 36:
        case 37:
        case 40:
        case 41:
        case 67:
        case 68:
            return 0.075;
        case 42:
        case 43:
        case 60:
        case 61:
        case 62:
        case 63:
        case 64:
        case 65:
            return 0.18;
        case 46:
        case 47:
        case 48:
        case 50:
        case 51:
        case 69:
        case 92:
            return 0.3;
        case 52:
        case 66:
            return 0.45;
        case 49:
        case 53:
        case 90:
        case 91:
            return 0.8;
        case 54:
            return 4.0;
        default:
            return 0;
    }
}

}  // namespace vorlan
