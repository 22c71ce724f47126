#include "game/Records.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"
#include "game/SafeFile.h"

#include <cctype>
#include <cstdio>
#include <limits>
#include <sstream>

namespace
{
// A key is one word of letters, digits and ./_- only, so that a line never reads two ways.
bool isKey(const std::string& word)
{
    if (word.empty())
        return false;
    for (const char character : word)
        if (!std::isalnum(static_cast<unsigned char>(character)) && character != '.' && character != '/' &&
            character != '_' && character != '-')
            return false;
    return true;
}
} // namespace

Records Records::load()
{
    std::string problem;
    const std::optional<std::string> text = SafeFile::read(GameFiles::records, largestFile, problem);
    if (!text)
    {
        if (!problem.empty())
            std::fprintf(stderr, "lumora: %s is ignored: %s\n", GameFiles::records, problem.c_str());
        return Records();
    }
    Records records = parse(*text);
    if (records.damagedLines > 0)
        std::fprintf(stderr, "lumora: %s is damaged: %d of its lines are ignored\n", GameFiles::records,
                     records.damagedLines);
    return records;
}

Records Records::parse(const std::string& text)
{
    Records records;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream words(line);
        std::string key;
        long long hearts = -1;
        std::string rest;
        if (!(words >> key))
            continue;
        const bool whole = isKey(key) && (words >> hearts) && !(words >> rest) && hearts >= 0 &&
                           hearts <= std::numeric_limits<int>::max();
        if (!whole)
        {
            ++records.damagedLines;
            continue;
        }
        const auto [entry, added] = records.best.emplace(key, static_cast<int>(hearts));
        if (!added && hearts < entry->second)
            entry->second = static_cast<int>(hearts);
    }
    return records;
}

std::string Records::keyOf(int level)
{
    return intToString(level);
}

std::optional<int> Records::bestOf(const std::string& key) const
{
    const auto found = best.find(key);
    if (found == best.end())
        return std::nullopt;
    return found->second;
}

bool Records::recordWin(const std::string& key, int hearts)
{
    const auto found = best.find(key);
    if (found != best.end() && found->second <= hearts)
        return true;
    best[key] = hearts;
    return SafeFile::write(GameFiles::records, GameFiles::pendingRecords, text());
}

std::string Records::text() const
{
    std::string out;
    for (const auto& [key, hearts] : best)
        out += key + " " + intToString(hearts) + "\n";
    return out;
}

int Records::getDamagedLines() const
{
    return damagedLines;
}
