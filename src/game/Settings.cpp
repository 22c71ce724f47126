#include "game/Settings.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"
#include "game/SafeFile.h"

#include <cstdio>
#include <sstream>

namespace
{
bool readVolume(std::istringstream& words, int& volume)
{
    int value = -1;
    if (!(words >> value) || value < 0 || value > Settings::loudest)
        return false;
    volume = value;
    return true;
}

bool readYesNo(std::istringstream& words, bool& flag)
{
    std::string word;
    if (!(words >> word) || (word != "yes" && word != "no"))
        return false;
    flag = word == "yes";
    return true;
}

const char* yesNo(bool flag)
{
    return flag ? "yes" : "no";
}
} // namespace

Settings Settings::load()
{
    std::string problem;
    const std::optional<std::string> text = SafeFile::read(GameFiles::settings, largestFile, problem);
    if (!text)
    {
        if (!problem.empty())
            std::fprintf(stderr, "lumora: %s is ignored: %s\n", GameFiles::settings, problem.c_str());
        return Settings();
    }
    Settings settings = parse(*text);
    if (settings.damagedLines > 0)
        std::fprintf(stderr, "lumora: %s is damaged: %d of its lines are ignored\n", GameFiles::settings,
                     settings.damagedLines);
    return settings;
}

Settings Settings::parse(const std::string& text)
{
    Settings settings;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line))
    {
        std::istringstream words(line);
        std::string name;
        if (!(words >> name))
            continue;
        // Read into a copy, so that a line with anything wrong changes nothing.
        Settings changed = settings;
        bool read = false;
        if (name == "music")
            read = readVolume(words, changed.musicVolume);
        else if (name == "effects")
            read = readVolume(words, changed.effectsVolume);
        else if (name == "fullscreen")
            read = readYesNo(words, changed.fullscreen);
        else if (name == "ask")
            read = readYesNo(words, changed.askAtStart);
        std::string rest;
        if (read && !(words >> rest))
            settings = changed;
        else
            ++settings.damagedLines;
    }
    return settings;
}

bool Settings::save() const
{
    return SafeFile::write(GameFiles::settings, GameFiles::pendingSettings, text());
}

std::string Settings::text() const
{
    return "music " + intToString(musicVolume) + "\neffects " + intToString(effectsVolume) + "\nfullscreen " +
           yesNo(fullscreen) + "\nask " + yesNo(askAtStart) + "\n";
}
