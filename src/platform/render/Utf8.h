#pragma once

#include <string>
#include <string_view>

namespace platform::render {

// The character drawn for bytes that are not valid UTF-8.
inline constexpr char32_t replacementCharacter = 0xFFFD;

// Decodes UTF-8 text into code points. Each maximal piece of an invalid
// sequence (a stray continuation byte, a lead byte without its continuations,
// an overlong form, a surrogate, a value above U+10FFFF) becomes one
// U+FFFD, so a broken byte costs one character and never hides the ones after
// it. Nothing past the end of the text is read.
std::u32string decodeUtf8(std::string_view text);

} // namespace platform::render
