#include "map/ui/frame_pixels.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vorlan {
namespace {

QRgb* Line(QImage& image, int y) {
    return reinterpret_cast<QRgb*>(image.scanLine(y));
}

// Walks the line's pixels (Bresenham), calling plot(x, y, step) for each, the end included.
template <typename Plot>
void WalkLine(int x0, int y0, int x1, int y1, Plot plot) {
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int stepX = x0 < x1 ? 1 : -1;
    const int stepY = y0 < y1 ? 1 : -1;
    int error = dx + dy;
    for (int step = 0;; ++step) {
        plot(x0, y0, step);
        if (x0 == x1 && y0 == y1) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x0 += stepX;
        }
        if (twice <= dx) {
            error += dx;
            y0 += stepY;
        }
    }
}

// Lines from far off screen (a waypoint dragged to the edge of the world at a high zoom) are
// cut to a box a little larger than the image first, so no walk runs over millions of pixels
// that are not shown.
bool ClipToImage(const QImage& image, int& x0, int& y0, int& x1, int& y1) {
    const double left = -2;
    const double top = -2;
    const double right = image.width() + 1;
    const double bottom = image.height() + 1;
    double ax = x0;
    double ay = y0;
    double bx = x1;
    double by = y1;
    // Liang-Barsky.
    double t0 = 0;
    double t1 = 1;
    const double dx = bx - ax;
    const double dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - left, right - ax, ay - top, bottom - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) {
                return false;
            }
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            t0 = std::max(t0, t);
        } else {
            t1 = std::min(t1, t);
        }
        if (t0 > t1) {
            return false;
        }
    }
    if (t0 > 0 || t1 < 1) {
        x0 = static_cast<int>(ax + t0 * dx);
        y0 = static_cast<int>(ay + t0 * dy);
        x1 = static_cast<int>(ax + t1 * dx);
        y1 = static_cast<int>(ay + t1 * dy);
    }
    return true;
}

}  // namespace

void PutPixel(QImage& image, int x, int y, QRgb colour) {
    if (x >= 0 && y >= 0 && x < image.width() && y < image.height()) {
        Line(image, y)[x] = colour;
    }
}

void DrawLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    if (!ClipToImage(image, x0, y0, x1, y1)) {
        return;
    }
    WalkLine(x0, y0, x1, y1, [&](int x, int y, int) { PutPixel(image, x, y, colour); });
}

void DrawDottedLine(QImage& image, int x0, int y0, int x1, int y1, QRgb colour) {
    const int fromX = x0;
    const int fromY = y0;
    if (!ClipToImage(image, x0, y0, x1, y1)) {
        return;
    }
    // The dots keep their places along the whole line when its start was cut off.
    const int skipped = std::max(std::abs(x0 - fromX), std::abs(y0 - fromY));
    const int endX = x1;
    const int endY = y1;
    WalkLine(x0, y0, x1, y1, [&](int x, int y, int step) {
        if ((step + skipped) % 3 == 0 && (x != endX || y != endY)) {
            PutPixel(image, x, y, colour);
        }
    });
}

void DrawVerticalLine(QImage& image, int x, QRgb colour) {
    if (x < 0 || x >= image.width()) {
        return;
    }
    for (int y = 0; y < image.height(); ++y) {
        Line(image, y)[x] = colour;
    }
}

void DrawHorizontalLine(QImage& image, int y, QRgb colour) {
    if (y < 0 || y >= image.height()) {
        return;
    }
    std::fill_n(Line(image, y), image.width(), colour);
}

void OrBlit(QImage& image, int x, int y, const QImage& source, int sx, int sy, int width,
            int height) {
    const int x0 = std::max(0, -x);
    const int x1 = std::min(width, image.width() - x);
    const int y0 = std::max(0, -y);
    const int y1 = std::min(height, image.height() - y);
    for (int row = y0; row < y1; ++row) {
        QRgb* target = Line(image, y + row) + x;
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(sy + row)) + sx;
        for (int column = x0; column < x1; ++column) {
            target[column] |= from[column];
        }
    }
}

void CopyBlock(QImage& image, int x, int y, const QImage& source) {
    const int x0 = std::max(0, -x);
    const int x1 = std::min(source.width(), image.width() - x);
    const int y0 = std::max(0, -y);
    const int y1 = std::min(source.height(), image.height() - y);
    if (x0 >= x1) {
        return;
    }
    for (int row = y0; row < y1; ++row) {
        std::memcpy(Line(image, y + row) + x + x0,
                    reinterpret_cast<const QRgb*>(source.constScanLine(row)) + x0,
                    static_cast<std::size_t>(x1 - x0) * sizeof(QRgb));
    }
}

}  // namespace vorlan
