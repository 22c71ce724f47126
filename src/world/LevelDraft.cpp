#include "world/LevelDraft.h"

#include "platform/RegularFile.h"
#include "world/LevelCaption.h"
#include "world/LevelReader.h"
#include "world/LevelReport.h"
#include "world/LevelRules.h"
#include "world/RemarkLines.h"

#include <charconv>
#include <locale>
#include <optional>
#include <sstream>

namespace
{
// Enough for any float in fixed notation: the smallest takes 47 characters, the largest 40.
constexpr std::size_t floatTextSize = 64;
constexpr char blanks[] = " \t\n\r\v\f";

// The shortest fixed-point text that reads back as exactly this value.
std::string numberText(float value)
{
    char buffer[floatTextSize];
    const std::to_chars_result written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, written.ptr);
}

std::string trimmed(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The first word of a remark line, as remarkLines() tells a keyword's line.
std::string firstWord(const std::string& line)
{
    std::istringstream words(line);
    std::string word;
    words >> word;
    return word;
}

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string keywordLine(const char* keyword, const std::string& value)
{
    std::string line = keyword;
    if (!value.empty())
        line += ' ' + value;
    for (char& character : line)
        character = character == '\n' ? ' ' : character;
    return line;
}

std::string namedWord(const std::string& word)
{
    if (word.size() <= LevelDraft::wordCharactersNamed)
        return word;
    return word.substr(0, LevelDraft::wordCharactersNamed) + "...";
}
} // namespace

LevelDraft LevelDraft::read(const std::string& fileName)
{
    std::string problem;
    const std::optional<std::string> text = platform::readRegularFile(fileName, largestFileBytes, problem);
    if (text)
        return parse(*text);
    LevelDraft draft;
    draft.readProblems.push_back(problem.empty() ? "there is no such file" : problem);
    return draft;
}

LevelDraft LevelDraft::parse(const std::string& text)
{
    // Read as World::load reads a file: the same reader, numbers with a decimal point in any language.
    std::istringstream source(text);
    source.imbue(std::locale::classic());
    LevelReport report;
    LevelDraft draft;
    LevelReader(source, &report).read(draft.generators, draft.bodies);
    draft.noteReport(report);
    draft.hasRemarks = report.hasRemarks;
    draft.remarks = report.remarks;
    const LevelCaption caption = LevelCaption::findIn(report.remarks);
    draft.title = caption.getTitle();
    draft.hint = caption.getHint();
    const std::vector<std::string> solutions = remarkLines(report.remarks, solutionKeyword);
    if (!solutions.empty())
        draft.solution = trimmed(solutions.front());
    return draft;
}

std::string LevelDraft::text() const
{
    std::string out;
    for (const Generator& generator : generators)
        out += std::string(LevelReader::generatorKeyword) + ' ' + numberText(generator.position.x) + ' ' +
               numberText(generator.position.y) + ' ' + numberText(generator.velocity.x) + ' ' +
               numberText(generator.velocity.y) + ' ' + std::to_string(generator.remaining) + '\n';
    for (const GravBody& body : bodies)
        out += std::string(LevelReader::bodyKeyword) + ' ' + numberText(body.position.x) + ' ' +
               numberText(body.position.y) + ' ' + numberText(body.radius) + ' ' + numberText(body.strength) +
               ' ' + (body.textureName.empty() ? noPicture : body.textureName) + ' ' + numberText(body.spin) +
               '\n';
    if (hasRemarks || !title.empty() || !hint.empty() || !solution.empty())
        writeRemarks(out);
    return out;
}

const std::vector<std::string>& LevelDraft::getReadProblems() const
{
    return readProblems;
}

std::vector<std::string> LevelDraft::playProblems() const
{
    std::vector<std::string> problems;
    bool hasPlanet = false;
    for (const GravBody& body : bodies)
        hasPlanet = hasPlanet || body.isPlanet();
    if (!hasPlanet)
        problems.push_back("no planet, so nothing can be captured");
    long long particles = 0;
    for (const Generator& generator : generators)
        particles += generator.remaining > 0 ? generator.remaining : 0;
    if (particles < LevelRules::goal)
        problems.push_back("fewer than " + std::to_string(LevelRules::goal) +
                           " particles: " + std::to_string(particles) + " in all");
    return problems;
}

void LevelDraft::noteReport(const LevelReport& report)
{
    if (report.skippedTokenCount > 0)
    {
        std::string named;
        for (std::size_t index = 0; index < report.skippedTokens.size() && index < skippedWordsNamed; ++index)
            named += (index == 0 ? "" : ", ") + namedWord(report.skippedTokens[index]);
        if (report.skippedTokenCount > skippedWordsNamed)
            named += "...";
        readProblems.push_back(std::to_string(report.skippedTokenCount) +
                               (report.skippedTokenCount == 1 ? " word" : " words") +
                               " that the game skips: " + named);
    }
    if (report.isCutShort())
        readProblems.push_back(report.cutShortRecord + " " + std::to_string(report.cutShortRecordNumber) +
                               " is cut short at its " + report.cutShortField +
                               ", a value missing, out of range or not a number: the game plays the "
                               "record as far as it was read and ignores the rest of the file");
}

// The caption and solution go in the lines they were read from, or first when there were none; a line whose
// value was emptied keeps its keyword.
void LevelDraft::writeRemarks(std::string& out) const
{
    // The caption is read from the first keyword line with any text, the solution from the first line.
    const struct
    {
        const char* keyword;
        const std::string& value;
        bool readWithText;
    } keyed[] = {{LevelCaption::titleKeyword, title, true},
                 {LevelCaption::hintKeyword, hint, true},
                 {solutionKeyword, solution, false}};
    out += std::string(LevelReader::remarksKeyword) + '\n';
    const std::vector<std::string> lines = linesOf(remarks);
    std::vector<std::size_t> keyedAt;
    for (const auto& [keyword, value, readWithText] : keyed)
    {
        const std::vector<std::string> texts = remarkLines(remarks, keyword);
        std::size_t wanted = 0;
        while (readWithText && wanted < texts.size() && trimmed(texts[wanted]).empty())
            ++wanted;
        wanted = wanted < texts.size() ? wanted : 0;
        std::size_t at = 0;
        for (std::size_t seen = 0; at < lines.size(); ++at)
            if (firstWord(lines[at]) == keyword && seen++ == wanted)
                break;
        keyedAt.push_back(at);
        if (at == lines.size() && !value.empty())
            out += keywordLine(keyword, value) + '\n';
    }
    for (std::size_t index = 0; index < lines.size(); ++index)
    {
        // The rest of the keyword's own line, when it holds anything, becomes a line of its own.
        if (index == 0 && trimmed(lines[0]).empty())
            continue;
        std::string line = lines[index];
        for (std::size_t key = 0; key < keyedAt.size(); ++key)
            if (keyedAt[key] == index)
                line = keywordLine(keyed[key].keyword, keyed[key].value);
        out += line + '\n';
    }
}
