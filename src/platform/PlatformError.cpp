#include "platform/PlatformError.h"

#include <utility>

namespace platform {

PlatformError::PlatformError(std::string text, SourceLocation where)
{
    texts_.push_back(std::move(text));
    locations_.push_back(std::move(where));
}

void PlatformError::pushText(std::string text)
{
    texts_.push_back(std::move(text));
}

void PlatformError::addLocation(SourceLocation where)
{
    locations_.push_back(std::move(where));
}

} // namespace platform
