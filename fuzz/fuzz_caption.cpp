// Level remarks of any content: the caption read from them and laid out as the countdown and the level tool
// lay it out must never crash, and must keep the font's rules: only its alphabet and single blanks inside a
// line, no line longer than its columns, no drawable character lost by the wrapping, each lost one named
// once.
#include "game/CaptionLayout.h"
#include "graphics/Font.h"
#include "world/LevelCaption.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace
{
void require(bool holds)
{
    if (!holds)
        std::abort();
}

std::string withoutBlanks(const std::string& text)
{
    std::string kept = text;
    kept.erase(std::remove(kept.begin(), kept.end(), ' '), kept.end());
    return kept;
}

void checkLines(const std::vector<std::string>& lines, std::size_t columns)
{
    for (const std::string& line : lines)
        require(!line.empty() && line.size() <= columns && line.front() != ' ' && line.back() != ' ');
}

void checkText(const std::string& text)
{
    const std::string drawn = LevelCaption::drawable(text);
    require(drawn.find("  ") == std::string::npos &&
            (drawn.empty() || (drawn.front() != ' ' && drawn.back() != ' ')));
    for (const char character : drawn)
        require(character == ' ' || std::strchr(Font::gameAlphabet, character));
    const std::string lost = LevelCaption::lostCharacters(text);
    for (std::size_t index = 0; index < lost.size(); ++index)
        require(lost.find(lost[index]) == index);
    for (const std::size_t columns : {std::size_t{1}, std::size_t{7}, CaptionLayout::hintColumns})
    {
        const std::vector<std::string> lines = LevelCaption::wrap(drawn, columns);
        checkLines(lines, columns);
        require(LevelCaption::countLines(drawn, columns) == lines.size());
        std::string joined;
        for (const std::string& line : lines)
            joined += line;
        require(withoutBlanks(joined) == withoutBlanks(drawn));
        const std::vector<std::string> shown =
            LevelCaption::wrap(drawn, columns, CaptionLayout::hintLinesShown);
        require(shown.size() == std::min(lines.size(), CaptionLayout::hintLinesShown) &&
                std::equal(shown.begin(), shown.end(), lines.begin()));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const LevelCaption caption = LevelCaption::findIn(std::string(reinterpret_cast<const char*>(data), size));
    checkText(caption.getTitle());
    checkText(caption.getHint());
    const std::vector<std::string> title = CaptionLayout::titleLines(caption);
    const std::vector<std::string> hint = CaptionLayout::hintLines(caption);
    require(title.size() <= CaptionLayout::titleLinesShown && hint.size() <= CaptionLayout::hintLinesShown);
    checkLines(title, CaptionLayout::titleColumns);
    checkLines(hint, CaptionLayout::hintColumns);
    return 0;
}
