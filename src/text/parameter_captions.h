#pragma once
// The captions that say what the two numeric parameters of an order mean.

#include <string>

namespace vorlan {

struct ParameterCaptionTexts {
    std::string First;
    std::string Second;
};

// The captions for orderCode. firstParameter is the value the first-parameter control shows
// (times are shown in seconds, five per unit); parameter2 is the stored second parameter.
ParameterCaptionTexts ParameterCaptions(int orderCode, int firstParameter, int parameter2);

}  // namespace vorlan
