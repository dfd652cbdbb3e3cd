#pragma once

#include "platform/ForwardingContext.h"
#include "platform/headless/Headless.h"
#include "platform/render/SoftwareContext.h"

#include <vector>

namespace platform::headless {

// Draws with the software renderer and writes down every text it draws.
class RecordingContext final : public ForwardingContext<render::SoftwareContext> {
public:
    RecordingContext(render::Framebuffer& framebuffer, std::int32_t dpi, std::vector<DrawnText>& record,
                     bool inPaintEvent)
        : ForwardingContext(framebuffer, dpi)
        , record_(record)
        , inPaintEvent_(inPaintEvent)
    {
    }

    void drawText(Point topLeft, const std::string& text) override
    {
        record_.push_back({topLeft, text, penColor(), inPaintEvent_});
        inner().drawText(topLeft, text);
    }

private:
    std::vector<DrawnText>& record_;
    bool inPaintEvent_;
};

} // namespace platform::headless
