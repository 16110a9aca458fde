#include "text/parameter_captions.h"

namespace vorlan {

namespace {

constexpr int kSecondsPerUnit = 5;

// The captions are padded to line up with the controls beside them; the padding differs.
constexpr const char* kNoEffect13 = "             No Effect?:";
constexpr const char* kNoEffect15 = "               No Effect?:";
constexpr const char* kNoEffect18 = "                  No Effect?:";

std::string Seconds(const char* prefix, int firstParameter) {
    return prefix + std::to_string(firstParameter * kSecondsPerUnit) + " secs):";
}

}  // namespace

ParameterCaptionTexts ParameterCaptions(int orderCode, int firstParameter, int parameter2) {
    switch (orderCode) {
        case 2:
        case 3:
        case 21:
            return {"                  # of loops:", kNoEffect13};
        case 4:
        case 6:
            return {"           # of dockings:", kNoEffect13};
        case 10:
            // Only 1 means yes; anything else reads No rather than keeping the caption of
            // whichever order was shown before.
            return {kNoEffect18, parameter2 == 1 ? "Attack Player:Yes" : "Attack Player:No"};
        case 12:
        case 13:
        case 14:
        case 15:
        case 16:
        case 31:
        case 32:
            return {Seconds("Docking time (", firstParameter), "         # of dockings:"};
        case 17:
            return {Seconds("Docking time (", firstParameter), kNoEffect13};
        case 18:
            return {Seconds("Deploy time? (", firstParameter), "FG# to drop off:"};
        case 19:
        case 20:
            return {Seconds("    Wait time (", firstParameter), kNoEffect13};
        case 36:
            return {Seconds("Delay time (", firstParameter), kNoEffect15};
        case 46:
            return {"IFF?", kNoEffect15};
        default:
            return {kNoEffect18, kNoEffect13};
    }
}

}  // namespace vorlan
