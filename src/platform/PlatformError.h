#pragma once

#include <cstdint>
#include <exception>
#include <source_location>
#include <string>
#include <vector>

namespace platform {

// Where a failure was raised or passed through.
struct SourceLocation {
    std::string file;
    std::string function; // empty when unknown
    std::uint32_t line = 0;

    static SourceLocation from(const std::source_location& where);
};

// The one exception type through which the platform reports failures.
// It carries a stack of texts (the newest on top) and the locations the
// failure was raised at and passed through, the first one being the origin.
class PlatformError : public std::exception {
public:
    explicit PlatformError(std::string text,
                           const std::source_location& where = std::source_location::current());

    // Adds context while the error travels outwards.
    void pushText(std::string text);
    void addLocation(const std::source_location& where = std::source_location::current());

    const std::string& topText() const { return texts_.back(); }
    const std::vector<std::string>& texts() const { return texts_; }
    const std::vector<SourceLocation>& locations() const { return locations_; }

    const char* what() const noexcept override { return texts_.back().c_str(); }

private:
    std::vector<std::string> texts_;
    std::vector<SourceLocation> locations_;
};

} // namespace platform
