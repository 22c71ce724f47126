#include "world/RemarkLines.h"

#include <sstream>

std::vector<std::string> remarkLines(const std::string& remarks, const std::string& keyword)
{
    std::vector<std::string> found;
    std::istringstream lines(remarks);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream words(line);
        std::string first;
        if (!(words >> first) || first != keyword)
            continue;
        std::string rest;
        std::getline(words, rest);
        found.push_back(rest);
    }
    return found;
}
