#pragma once
// The pixel operations the map draws with, straight into a Format_RGB32 frame buffer: one-pixel
// lines (solid and dotted, without antialiasing), icons ORed onto the map, and block copies.
// A full map draws tens of thousands of these a frame, each clipped here to the image.

#include <QImage>
#include <QRgb>

namespace vorlan {

// A pixel, when it lies inside the image.
void PutPixel(QImage& image, int x, int y, QRgb colour);
// A solid line from (x0, y0) to (x1, y1), both ends included.
void DrawLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour);
// A dotted line: one pixel on, two off, from (x0, y0); the end point is not drawn.
void DrawDottedLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour);
// Full-height and full-width one-pixel lines, as the grid draws them.
void DrawVerticalLine(QImage& image, int x, QRgb colour);
void DrawHorizontalLine(QImage& image, int y, QRgb colour);
// ORs the source rectangle (sx, sy, width, height) of source onto image at (x, y), so black
// source pixels leave the image as it was. Both images are Format_RGB32.
void OrBlit(QImage& image, int x, int y, const QImage& source, int sx, int sy, int width,
            int height);
// Copies source (same format) onto image at (x, y), clipped.
void CopyBlock(QImage& image, int x, int y, const QImage& source);

}  // namespace vorlan
