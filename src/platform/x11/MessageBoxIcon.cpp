#include "platform/x11/MessageBoxIcon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <span>

namespace platform::x11 {

namespace {

// The shapes are described by their signed distance: negative inside,
// positive outside, in units of the 32-pixel grid. A pixel is covered by as
// much of a shape as its centre lies inside the edge, within half a pixel
// either way, which smooths the edges without sampling.

struct Vec {
    double x = 0;
    double y = 0;
};

Vec operator-(Vec a, Vec b)
{
    return {a.x - b.x, a.y - b.y};
}

double dot(Vec a, Vec b)
{
    return a.x * b.x + a.y * b.y;
}

double circle(Vec point, Vec centre, double radius)
{
    return std::sqrt(dot(point - centre, point - centre)) - radius;
}

double segmentDistance(Vec point, Vec from, Vec to)
{
    const Vec along = to - from;
    const Vec offset = point - from;
    const double t = std::clamp(dot(offset, along) / dot(along, along), 0.0, 1.0);
    const Vec away{offset.x - along.x * t, offset.y - along.y * t};
    return std::sqrt(dot(away, away));
}

// A stroke with round ends.
double capsule(Vec point, Vec from, Vec to, double radius)
{
    return segmentDistance(point, from, to) - radius;
}

// A convex polygon with its corners rounded by `radius`.
double roundedPolygon(Vec point, std::span<const Vec> corners, double radius)
{
    double nearest = INFINITY;
    bool inside = true;
    for (std::size_t index = 0; index < corners.size(); ++index) {
        const Vec from = corners[index];
        const Vec to = corners[(index + 1) % corners.size()];
        nearest = std::min(nearest, segmentDistance(point, from, to));
        // The corners go clockwise on the screen, y growing downwards, so
        // the inside lies right of every edge.
        const Vec edge = to - from;
        const Vec offset = point - from;
        if (edge.x * offset.y - edge.y * offset.x < 0)
            inside = false;
    }
    return (inside ? -nearest : nearest) - radius;
}

using Shape = std::function<double(Vec)>;

struct IconStyle {
    Shape plate;              // the disc or triangle
    std::uint32_t rim;        // its edge
    std::uint32_t top;        // its fill, from top to bottom
    std::uint32_t bottom;
    Shape sign;               // the cross, "i" or "!"
    std::uint32_t signColour;
};

IconStyle stopStyle()
{
    return {[](Vec p) { return circle(p, {16, 16}, 15); }, 0xA3261B, 0xF0604F, 0xC92E1F,
            [](Vec p) {
                return std::min(capsule(p, {11.5, 11.5}, {20.5, 20.5}, 1.9),
                                capsule(p, {20.5, 11.5}, {11.5, 20.5}, 1.9));
            },
            0xFFFFFF};
}

IconStyle informationStyle()
{
    return {[](Vec p) { return circle(p, {16, 16}, 15); }, 0x1A5AA6, 0x4C9DEB, 0x1C69C4,
            [](Vec p) { return std::min(circle(p, {16, 8.6}, 2.1), capsule(p, {16, 14.2}, {16, 23.4}, 1.85)); },
            0xFFFFFF};
}

IconStyle exclamationStyle()
{
    static constexpr std::array<Vec, 3> corners{Vec{16, 4.2}, Vec{28.8, 27.2}, Vec{3.2, 27.2}};
    return {[](Vec p) { return roundedPolygon(p, corners, 2.2); }, 0xB88400, 0xFFD95E, 0xF4B400,
            [](Vec p) { return std::min(capsule(p, {16, 10}, {16, 17.8}, 1.75), circle(p, {16, 23.2}, 1.9)); },
            0x1B1B1B};
}

IconStyle styleOf(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::information:
        return informationStyle();
    case MessageIcon::exclamation:
        return exclamationStyle();
    case MessageIcon::stop:
        break;
    }
    return stopStyle();
}

// `from` taken towards `to` by `amount` (0..1), channel by channel.
std::uint32_t mix(std::uint32_t from, std::uint32_t to, double amount)
{
    std::uint32_t result = 0;
    for (const int shift : {16, 8, 0}) {
        const double a = (from >> shift) & 0xFF;
        const double b = (to >> shift) & 0xFF;
        result |= static_cast<std::uint32_t>(std::lround(a + (b - a) * amount)) << shift;
    }
    return result;
}

// How much of a pixel a shape covers whose edge lies `distance` pixels from
// the pixel's centre.
double coverage(double distance)
{
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

} // namespace

Bitmap drawMessageIcon(MessageIcon icon, std::int32_t size, std::uint32_t background)
{
    const std::int32_t side = std::max(size, 0);
    Bitmap bitmap(side, side);
    if (side == 0)
        return bitmap;
    const IconStyle style = styleOf(icon);
    const double scale = side / 32.0;
    const double rimWidth = std::max(1.0, scale);
    for (std::int32_t y = 0; y < side; ++y) {
        const std::uint32_t fill = mix(style.top, style.bottom, (y + 0.5) / side);
        for (std::int32_t x = 0; x < side; ++x) {
            const Vec point{(x + 0.5) / scale, (y + 0.5) / scale};
            // The plate in the rim colour, its inside over it in the fill,
            // the sign on top.
            const double plate = style.plate(point) * scale;
            std::uint32_t rgb = mix(background, style.rim, coverage(plate));
            rgb = mix(rgb, fill, coverage(plate + rimWidth));
            rgb = mix(rgb, style.signColour, coverage(style.sign(point) * scale));
            bitmap.setPixel(x, y, rgb);
        }
    }
    return bitmap;
}

} // namespace platform::x11
