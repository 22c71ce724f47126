#include "game/PlayerLevels.h"

#include "game/SafeFile.h"
#include "platform/RegularFile.h"
#include "world/LevelDraft.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
constexpr std::size_t longestName = 255;
constexpr mode_t folderMode = 0777;
constexpr char pendingSuffix[] = ".new";
constexpr char recordsKeyPrefix[] = "my/";
// Between a copied level's own name and its number: the game's font draws a dot, so the copy shows by its
// name.
constexpr char copySeparator = '.';

constexpr char digits[] = "0123456789";
constexpr std::size_t suffixLength = sizeof PlayerLevels::levelSuffix - 1;

bool isDigit(char character)
{
    return character >= '0' && character <= '9';
}

// The run of digits at `at` without its leading zeros; `at` moves past it.
std::string numberAt(const std::string& text, std::size_t& at)
{
    const std::size_t end = std::min(text.find_first_not_of(digits, at), text.size());
    const std::size_t significant = std::min(text.find_first_not_of('0', at), end);
    at = end;
    return text.substr(significant, end - significant);
}

// Name order, but a run of digits against a run of digits by its value, so that level2 comes before level10;
// names of the same order by their bytes.
bool comesBefore(const std::string& a, const std::string& b)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (i < a.size() && j < b.size())
    {
        if (isDigit(a[i]) && isDigit(b[j]))
        {
            const std::string numberA = numberAt(a, i);
            const std::string numberB = numberAt(b, j);
            if (numberA != numberB)
                return numberA.size() != numberB.size() ? numberA.size() < numberB.size() : numberA < numberB;
            continue;
        }
        if (a[i] != b[j])
            return static_cast<unsigned char>(a[i]) < static_cast<unsigned char>(b[j]);
        ++i;
        ++j;
    }
    if (i < a.size() || j < b.size())
        return i == a.size();
    return a < b;
}

bool makeFolder()
{
    return mkdir(PlayerLevels::folder, folderMode) == 0 || errno == EEXIST;
}

PlayerLevels::Entry entryOf(const std::string& name)
{
    PlayerLevels::Entry entry;
    entry.name = name;
    entry.path = PlayerLevels::pathOf(name);
    std::string problem;
    const std::optional<std::string> text =
        platform::readRegularFile(entry.path, LevelDraft::largestFileBytes, problem);
    if (!text)
    {
        entry.problems.push_back(problem.empty() ? "it is gone" : problem);
        return entry;
    }
    const LevelDraft draft = LevelDraft::parse(*text);
    entry.readable = true;
    entry.title = draft.title;
    entry.problems = draft.getReadProblems();
    for (const std::string& playProblem : draft.playProblems())
        entry.problems.push_back(playProblem);
    return entry;
}
} // namespace

PlayerLevels::Listing PlayerLevels::list()
{
    Listing listing;
    DIR* directory = opendir(folder);
    if (!directory)
        return listing;
    std::vector<std::string> names;
    while (const dirent* found = readdir(directory))
        if (isLevelName(found->d_name))
            names.emplace_back(found->d_name);
    closedir(directory);
    std::sort(names.begin(), names.end(), comesBefore);
    if (names.size() > mostListed)
    {
        listing.leftOut = names.size() - mostListed;
        names.resize(mostListed);
    }
    for (const std::string& name : names)
        listing.levels.push_back(entryOf(name));
    return listing;
}

bool PlayerLevels::isLevelName(const std::string& name)
{
    return name.size() > suffixLength && name.size() <= longestName && name[0] != '.' &&
           name.find_first_of(std::string("/\0", 2)) == std::string::npos &&
           name.compare(name.size() - suffixLength, suffixLength, levelSuffix) == 0;
}

std::string PlayerLevels::pathOf(const std::string& name)
{
    return std::string(folder) + '/' + name;
}

std::string PlayerLevels::freeName(const std::string& stem)
{
    for (unsigned long number = 1;; ++number)
    {
        const std::string name = stem + std::to_string(number) + levelSuffix;
        struct stat status;
        if (lstat(pathOf(name).c_str(), &status) != 0 && errno == ENOENT)
            return name;
    }
}

bool PlayerLevels::save(const LevelDraft& draft, const std::string& name)
{
    const std::string path = pathOf(name);
    return isLevelName(name) && makeFolder() && SafeFile::write(path, path + pendingSuffix, draft.text());
}

std::optional<std::string> PlayerLevels::copyIn(const std::string& levelFile)
{
    std::string problem;
    const std::optional<std::string> text =
        platform::readRegularFile(levelFile, LevelDraft::largestFileBytes, problem);
    if (!text)
        return std::nullopt;
    const std::string fileName = levelFile.substr(levelFile.find_last_of('/') + 1);
    const std::string stem =
        isLevelName(fileName) ? fileName.substr(0, fileName.size() - suffixLength) : newLevelStem;
    const std::string name = freeName(stem + copySeparator);
    const std::string path = pathOf(name);
    if (!isLevelName(name) || !makeFolder() || !SafeFile::write(path, path + pendingSuffix, *text))
        return std::nullopt;
    return name;
}

bool PlayerLevels::remove(const std::string& name)
{
    return isLevelName(name) && unlink(pathOf(name).c_str()) == 0;
}

std::optional<std::string> PlayerLevels::writeTrial(const LevelDraft& draft)
{
    const std::string path = trialFile;
    if (!makeFolder() || !SafeFile::write(path, path + pendingSuffix, draft.text()))
        return std::nullopt;
    return path;
}

std::string PlayerLevels::recordsKey(const std::string& name)
{
    static constexpr char hexDigits[] = "0123456789abcdef";
    std::string key = recordsKeyPrefix;
    for (const char character : name)
    {
        const auto byte = static_cast<unsigned char>(character);
        if (std::isalnum(byte) || character == '.' || character == '-')
        {
            key += character;
            continue;
        }
        key += '_';
        key += hexDigits[byte >> 4];
        key += hexDigits[byte & 0xf];
    }
    return key;
}
