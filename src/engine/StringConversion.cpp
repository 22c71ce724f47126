#include "engine/StringConversion.h"

#include <locale>
#include <sstream>

std::string intToString(int value)
{
    std::stringstream stream;
    stream.imbue(std::locale::classic());
    stream << value;
    std::string text;
    stream >> text;
    return text;
}

int stringToInt(const std::string& text)
{
    std::stringstream stream(text);
    stream.imbue(std::locale::classic());
    int value = 0;
    if (!(stream >> value))
        return 0;
    return value;
}
