#include "IntegerText.h"

#include <cerrno>
#include <climits>
#include <cstdlib>

std::optional<int> parseInteger(const std::string& text)
{
    if (text.empty() || text.find_first_of(" \t\n") != std::string::npos)
        return std::nullopt;
    errno = 0;
    char* end = nullptr;
    const long value = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || errno == ERANGE || value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return static_cast<int>(value);
}
