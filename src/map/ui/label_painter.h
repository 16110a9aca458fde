#pragma once
// Writes the map's labels straight into a frame buffer from glyph masks rendered once per
// character. A full map writes tens of thousands of short labels a frame; laying each out
// through QPainter::drawText costs several times more than copying its glyphs.

#include <QFont>
#include <QImage>
#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vorlan {

class LabelPainter {
public:
    explicit LabelPainter(const QFont& font);

    // Writes text (one byte per character, as mission texts are) with the top-left corner of
    // its line at (x, y), in colour, over what is there (no background). Clipped to image,
    // which must be Format_RGB32 or Format_ARGB32_Premultiplied.
    void Draw(QImage& image, int x, int y, std::string_view text, QRgb colour) const;
    // The width the text takes, in pixels.
    int Width(std::string_view text) const;

private:
    struct Glyph {
        // Pen advance in 1/64 pixel, so a run of glyphs lands where a layout would put it.
        int Advance64 = 0;
        // The mask's offset from the pen position and the line's top.
        int Left = 0;
        int Top = 0;
        int Width = 0;
        int Height = 0;
        // Coverage 0..255, Width x Height; empty for a blank glyph.
        std::vector<std::uint8_t> Coverage;
    };

    void DrawGlyph(QImage& image, int penX, int top, const Glyph& glyph, QRgb colour) const;

    std::array<Glyph, 256> glyphs_;
    // Below this many pixels from the line's top no glyph has ink.
    int lineHeight_ = 0;
};

// The map's text font: the platform's sans-serif at 8 points.
QFont MapFont();

}  // namespace vorlan
