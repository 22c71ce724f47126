#pragma once

#include <string>
#include <vector>

// Text from a level file, made harmless to print on a terminal, which a control byte or an escape sequence
// could retitle, clear or colour: printable ASCII stays as it is but for the backslash, which is doubled;
// every other byte of ASCII becomes \xNN, every character of valid UTF-8 beyond ASCII one \uNNNN or
// \UNNNNNNNN of its code point, and every byte outside valid UTF-8 \xNN. The result is plain ASCII. Text
// longer than `mostCharacters` is cut there and ends in "...", so a huge token costs no more than a short
// one.
std::string printable(const std::string& text, std::size_t mostCharacters = std::string::npos);

// The text cut into its characters: each valid UTF-8 sequence whole, each byte outside one on its own.
std::vector<std::string> splitCharacters(const std::string& text);
