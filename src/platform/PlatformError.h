#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace platform {

// Where a failure was raised or passed through.
struct SourceLocation {
    std::string file;
    std::string function; // empty when unknown
    std::uint32_t line = 0;

    // The place this is called from, when used as a default argument.
    static SourceLocation current(const char* file = __builtin_FILE(), const char* function = __builtin_FUNCTION(),
                                  std::uint32_t line = __builtin_LINE())
    {
        return {file, function, line};
    }
};

// The one exception type through which the platform reports failures.
// It carries a stack of texts (the newest on top) and the locations the
// failure was raised at and passed through, the first one being the origin.
class PlatformError : public std::exception {
public:
    explicit PlatformError(std::string text, SourceLocation where = SourceLocation::current());

    // Adds context while the error travels outwards.
    void pushText(std::string text);
    void addLocation(SourceLocation where = SourceLocation::current());

    const std::string& topText() const { return texts_.back(); }
    const std::vector<std::string>& texts() const { return texts_; }
    const std::vector<SourceLocation>& locations() const { return locations_; }

    const char* what() const noexcept override { return texts_.back().c_str(); }

private:
    std::vector<std::string> texts_;
    std::vector<SourceLocation> locations_;
};

} // namespace platform
