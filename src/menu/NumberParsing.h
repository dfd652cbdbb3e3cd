#pragma once

#include "platform/Color.h"

#include <cstdint>
#include <string_view>

// A decimal number as the definition writes it: leading white space, an
// optional sign, then digits up to the first other character. No digits give
// 0; a value beyond 32 bits is held at the nearest limit.
std::int32_t parseNumber(std::string_view text);

// The byte written by the two characters at `at` and `at + 1` as hexadecimal
// digits. Characters that are no hexadecimal digit, and characters past the
// end of the text, count as 0.
std::uint8_t hexByte(std::string_view text, std::size_t at);

// RRGGBB from the first six characters.
platform::Color parseColor(std::string_view text);
