#include "platform/render/FontSize.h"

#include "platform/Font.h"

#include <algorithm>

namespace platform::render {
namespace {

// value * numerator / denominator rounded to nearest, halves up; all
// operands non-negative and denominator positive.
std::int64_t scaleRounded(std::int64_t value, std::int64_t numerator, std::int64_t denominator)
{
    return (value * numerator * 2 + denominator) / (denominator * 2);
}

std::int32_t clampPixels(std::int64_t pixels)
{
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(pixels, minPixelSize, maxPixelSize));
}

} // namespace

FaceSize sizeFace(std::int32_t requestedHeight, std::int32_t dpiY, const FaceDesign& design)
{
    if (requestedHeight == 0) {
        requestedHeight = Font::requestedHeight(10, dpiY);
    }
    const std::int64_t unitsPerEm = std::max(design.unitsPerEm, 1);
    const std::int64_t ascent = std::max(design.ascent, 0);
    const std::int64_t descent = std::max(design.descent, 0);

    FaceSize size;
    if (requestedHeight > 0) {
        const std::int32_t cell = clampPixels(requestedHeight);
        const std::int64_t designCell = ascent + descent > 0 ? ascent + descent : unitsPerEm;
        size.emPixels = clampPixels(scaleRounded(cell, unitsPerEm, designCell));
        size.ascent = static_cast<std::int32_t>(scaleRounded(cell, ascent, designCell));
        size.descent = cell - size.ascent;
    } else {
        // A height of 0 that the default did not change (a resolution of 0)
        // lands on the smallest size.
        size.emPixels = clampPixels(-std::int64_t{requestedHeight});
        size.ascent = static_cast<std::int32_t>(scaleRounded(size.emPixels, ascent, unitsPerEm));
        size.descent = static_cast<std::int32_t>(scaleRounded(size.emPixels, descent, unitsPerEm));
    }
    return size;
}

} // namespace platform::render
