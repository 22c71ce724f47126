#pragma once

#include <optional>
#include <string>

// The whole text as a decimal integer with an optional sign, or nothing when anything else is in it or it
// does not fit an int. Command-line values and recorded solutions are read this strictly, so that a typo
// is reported rather than read as 0.
std::optional<int> parseInteger(const std::string& text);
