#pragma once

#include <stdexcept>

namespace platform::picture {

// Raised by the parts of the bitmap decoder with the reason alone, such as
// "the file is truncated in the palette". decodeBmp turns it into a
// PlatformError that also names the file.
class BmpFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace platform::picture
