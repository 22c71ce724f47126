#pragma once

#include <cstddef>
#include <string>

// Text from a level file, made harmless to print on a terminal, which a control byte or an escape sequence
// could retitle, clear or colour: printable ASCII stays as it is but for the backslash, which is doubled;
// every other byte of ASCII becomes \xNN, every character of valid UTF-8 beyond ASCII one \uNNNN or
// \UNNNNNNNN of its code point, and every byte outside valid UTF-8 \xNN. The result is plain ASCII. Text
// longer than `mostCharacters` is cut there and ends in "...", so a huge token costs no more than a short
// one.
std::string printable(const std::string& text, std::size_t mostCharacters = std::string::npos);

// The length in bytes of the character that starts at `at`: a valid UTF-8 sequence whole, a byte outside
// one on its own.
std::size_t characterLength(const std::string& text, std::size_t at);
