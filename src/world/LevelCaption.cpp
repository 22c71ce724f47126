#include "world/LevelCaption.h"

#include "graphics/Font.h"
#include "world/RemarkLines.h"

#include <cassert>
#include <cstring>

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

// Walks drawable text (words between single blanks) once, handing every line it breaks into, as its first
// character and length, to `take`, and stops as soon as `take` returns false.
template <typename Take>
void breakLines(const std::string& text, std::size_t columns, Take take)
{
    assert(columns > 0 && "a line holds at least one character");
    std::size_t lineBegin = 0;
    std::size_t lineEnd = 0;
    bool lineOpen = false;
    for (std::size_t position = text.find_first_not_of(' '); position != std::string::npos;
         position = text.find_first_not_of(' ', position))
    {
        std::size_t wordEnd = text.find(' ', position);
        if (wordEnd == std::string::npos)
            wordEnd = text.size();
        if (lineOpen && lineEnd - lineBegin + 1 + (wordEnd - position) <= columns)
        {
            lineEnd = wordEnd;
            position = wordEnd;
            continue;
        }
        if (lineOpen && !take(lineBegin, lineEnd - lineBegin))
            return;
        // A word longer than a line fills whole lines first.
        for (; wordEnd - position > columns; position += columns)
            if (!take(position, columns))
                return;
        lineBegin = position;
        lineEnd = wordEnd;
        lineOpen = true;
        position = wordEnd;
    }
    if (lineOpen)
        take(lineBegin, lineEnd - lineBegin);
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

std::vector<std::string> LevelCaption::wrap(const std::string& text, std::size_t columns,
                                            std::size_t maxLines)
{
    std::vector<std::string> lines;
    breakLines(text, columns,
               [&](std::size_t begin, std::size_t length)
               {
                   if (lines.size() >= maxLines)
                       return false;
                   lines.push_back(text.substr(begin, length));
                   return true;
               });
    return lines;
}

std::size_t LevelCaption::countLines(const std::string& text, std::size_t columns)
{
    std::size_t count = 0;
    breakLines(text, columns,
               [&count](std::size_t, std::size_t)
               {
                   ++count;
                   return true;
               });
    return count;
}
