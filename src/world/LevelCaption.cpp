#include "world/LevelCaption.h"

#include "graphics/Font.h"
#include "world/RemarkLines.h"

#include <cassert>
#include <cstring>
#include <sstream>

namespace
{
// Only the ASCII blanks: a byte of a multi-byte character is never taken for one.
bool isBlank(char character)
{
    return character == ' ' || character == '\t' || character == '\n' || character == '\r' ||
           character == '\v' || character == '\f';
}

char upperCase(char character)
{
    return character >= 'a' && character <= 'z' ? static_cast<char>(character - 'a' + 'A') : character;
}

bool isInFont(char character)
{
    return character != '\0' && std::strchr(Font::gameAlphabet, character) != nullptr;
}

std::vector<std::string> shownLines(const std::string& text, std::size_t columns, std::size_t lineCount)
{
    std::vector<std::string> lines = LevelCaption::wrap(LevelCaption::drawable(text), columns);
    if (lines.size() > lineCount)
        lines.resize(lineCount);
    return lines;
}

std::string trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}

// The text of the first keyword line that has any, without the blanks around it.
std::string firstWithText(const std::string& remarks, const char* keyword)
{
    for (const std::string& text : remarkLines(remarks, keyword))
    {
        std::string words = trimmed(text);
        if (!words.empty())
            return words;
    }
    return std::string();
}
} // namespace

LevelCaption LevelCaption::findIn(const std::string& remarks)
{
    LevelCaption caption;
    caption.title = firstWithText(remarks, titleKeyword);
    caption.hint = firstWithText(remarks, hintKeyword);
    return caption;
}

const std::string& LevelCaption::getTitle() const
{
    return title;
}

const std::string& LevelCaption::getHint() const
{
    return hint;
}

std::vector<std::string> LevelCaption::shownTitleLines() const
{
    return shownLines(title, titleColumns, titleLinesShown);
}

std::vector<std::string> LevelCaption::shownHintLines() const
{
    return shownLines(hint, hintColumns, hintLinesShown);
}

std::string LevelCaption::drawable(const std::string& text)
{
    std::string result;
    bool blankPending = false;
    for (char character : text)
    {
        if (isBlank(character))
        {
            blankPending = !result.empty();
            continue;
        }
        const char upper = upperCase(character);
        if (!isInFont(upper))
            continue;
        if (blankPending)
            result += ' ';
        blankPending = false;
        result += upper;
    }
    return result;
}

std::string LevelCaption::lostCharacters(const std::string& text)
{
    std::string lost;
    for (char character : text)
        if (!isBlank(character) && !isInFont(upperCase(character)) &&
            lost.find(character) == std::string::npos)
            lost += character;
    return lost;
}

std::vector<std::string> LevelCaption::wrap(const std::string& text, std::size_t columns)
{
    assert(columns > 0 && "a line holds at least one character");
    std::vector<std::string> lines;
    std::istringstream words(text);
    std::string word;
    std::string line;
    while (words >> word)
    {
        if (!line.empty() && line.size() + 1 + word.size() <= columns)
        {
            line += ' ' + word;
            continue;
        }
        if (!line.empty())
            lines.push_back(line);
        while (word.size() > columns)
        {
            lines.push_back(word.substr(0, columns));
            word.erase(0, columns);
        }
        line = word;
    }
    if (!line.empty())
        lines.push_back(line);
    return lines;
}
