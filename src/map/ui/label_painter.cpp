#include "map/ui/label_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace vorlan {

QFont MapFont() {
    QFont font;
    font.setFamily("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPointSize(8);
    return font;
}

LabelPainter::LabelPainter(const QFont& font) {
    const QFontMetricsF metrics(font);
    const int pad = 4;
    const int cellHeight = static_cast<int>(std::ceil(metrics.height())) + 2 * pad;
    const int ascent = static_cast<int>(std::lround(metrics.ascent()));
    lineHeight_ = cellHeight;
    for (int code = 32; code < 256; ++code) {
        Glyph& glyph = glyphs_[static_cast<std::size_t>(code)];
        const QString text(QChar::fromLatin1(static_cast<char>(code)));
        glyph.Advance64 = static_cast<int>(std::lround(metrics.horizontalAdvance(text) * 64));
        const int cellWidth = static_cast<int>(std::ceil(metrics.horizontalAdvance(text))) +
                              static_cast<int>(std::ceil(metrics.maxWidth())) + 2 * pad;
        QImage cell(cellWidth, cellHeight, QImage::Format_ARGB32_Premultiplied);
        cell.fill(Qt::transparent);
        {
            QPainter painter(&cell);
            painter.setFont(font);
            painter.setPen(Qt::white);
            painter.drawText(QPointF(pad, pad + ascent), text);
        }
        // Keep only the box that has ink.
        int minX = cellWidth;
        int minY = cellHeight;
        int maxX = -1;
        int maxY = -1;
        for (int y = 0; y < cellHeight; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(cell.constScanLine(y));
            for (int x = 0; x < cellWidth; ++x) {
                if (qAlpha(line[x]) != 0) {
                    minX = std::min(minX, x);
                    maxX = std::max(maxX, x);
                    minY = std::min(minY, y);
                    maxY = std::max(maxY, y);
                }
            }
        }
        if (maxX < 0) {
            continue;
        }
        glyph.Left = minX - pad;
        glyph.Top = minY - pad;
        glyph.Width = maxX - minX + 1;
        glyph.Height = maxY - minY + 1;
        glyph.Coverage.resize(static_cast<std::size_t>(glyph.Width * glyph.Height));
        for (int y = 0; y < glyph.Height; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(cell.constScanLine(minY + y));
            for (int x = 0; x < glyph.Width; ++x) {
                glyph.Coverage[static_cast<std::size_t>(y * glyph.Width + x)] =
                    static_cast<std::uint8_t>(qAlpha(line[minX + x]));
            }
        }
    }
}

int LabelPainter::Width(std::string_view text) const {
    int pen64 = 0;
    for (const char c : text) {
        pen64 += glyphs_[static_cast<unsigned char>(c)].Advance64;
    }
    return (pen64 + 32) / 64;
}

void LabelPainter::Draw(QImage& image, int x, int y, std::string_view text, QRgb colour) const {
    if (y >= image.height() || y + lineHeight_ < 0 || x >= image.width()) {
        return;
    }
    int pen64 = x * 64;
    for (const char c : text) {
        const Glyph& glyph = glyphs_[static_cast<unsigned char>(c)];
        if (!glyph.Coverage.empty()) {
            DrawGlyph(image, (pen64 + 32) / 64, y, glyph, colour);
        }
        pen64 += glyph.Advance64;
        if (pen64 / 64 >= image.width()) {
            return;
        }
    }
}

void LabelPainter::DrawGlyph(QImage& image, int penX, int top, const Glyph& glyph,
                             QRgb colour) const {
    const int left = penX + glyph.Left;
    const int firstY = top + glyph.Top;
    const int x0 = std::max(0, -left);
    const int x1 = std::min(glyph.Width, image.width() - left);
    const int y0 = std::max(0, -firstY);
    const int y1 = std::min(glyph.Height, image.height() - firstY);
    if (x0 >= x1 || y0 >= y1) {
        return;
    }
    const unsigned r = qRed(colour);
    const unsigned g = qGreen(colour);
    const unsigned b = qBlue(colour);
    const auto bytesPerLine = static_cast<std::size_t>(image.bytesPerLine());
    uchar* bits = image.bits();
    for (int gy = y0; gy < y1; ++gy) {
        auto* line =
            reinterpret_cast<QRgb*>(bits + static_cast<std::size_t>(firstY + gy) * bytesPerLine) +
            left;
        const std::uint8_t* coverage =
            glyph.Coverage.data() + static_cast<std::size_t>(gy * glyph.Width);
        for (int gx = x0; gx < x1; ++gx) {
            const unsigned a = coverage[gx];
            if (a == 0) {
                continue;
            }
            if (a == 255) {
                line[gx] = 0xff000000U | colour;
                continue;
            }
            const QRgb under = line[gx];
            const unsigned inverse = 255 - a;
            // Rounded (v + 128 + ((v + 128) >> 8)) >> 8 is v / 255 exactly for 0..65025.
            const auto mix = [a, inverse](unsigned over, unsigned below) {
                const unsigned v = over * a + below * inverse + 128;
                return (v + (v >> 8)) >> 8;
            };
            line[gx] = qRgb(static_cast<int>(mix(r, static_cast<unsigned>(qRed(under)))),
                            static_cast<int>(mix(g, static_cast<unsigned>(qGreen(under)))),
                            static_cast<int>(mix(b, static_cast<unsigned>(qBlue(under)))));
        }
    }
}

}  // namespace vorlan
