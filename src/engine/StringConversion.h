#pragma once

#include <string>

// Decimal text of an integer, with a leading "-" when negative: event parameters, labels, level numbers.
std::string intToString(int value);
// The integer at the start of the text; 0 when the text does not begin with a number.
int stringToInt(const std::string& text);
