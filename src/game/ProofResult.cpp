#include "game/ProofResult.h"

#include "world/HeartKinds.h"

#include <charconv>
#include <map>
#include <sstream>
#include <utility>

namespace
{
constexpr char resultWord[] = "result";
// The solution is the last field and takes the rest of the line, blanks and all.
constexpr char solutionField[] = " solution=";
constexpr char notMeasured[] = "-";

using Fields = std::map<std::string, std::string>;

// The whole text as a number, or nothing.
template <typename Number>
std::optional<Number> numberIn(const std::string& text)
{
    Number value{};
    const char* end = text.data() + text.size();
    const std::from_chars_result read = std::from_chars(text.data(), end, value);
    if (text.empty() || read.ec != std::errc() || read.ptr != end)
        return std::nullopt;
    return value;
}

bool readField(const Fields& fields, const char* key, int& value)
{
    const auto found = fields.find(key);
    const std::optional<int> number = found == fields.end() ? std::nullopt : numberIn<int>(found->second);
    value = number.value_or(0);
    return number.has_value();
}

// "S/T" of the tolerance.
bool readTrials(const Fields& fields, ProofResult& result)
{
    const auto found = fields.find("tolerance");
    const std::size_t slash = found == fields.end() ? std::string::npos : found->second.find('/');
    if (slash == std::string::npos)
        return false;
    const std::optional<int> steady = numberIn<int>(found->second.substr(0, slash));
    const std::optional<int> trials = numberIn<int>(found->second.substr(slash + 1));
    result.steadyTrials = steady.value_or(0);
    result.nudgeTrials = trials.value_or(0);
    return steady && trials;
}

bool readMeasure(const Fields& fields, ProofResult& result)
{
    for (const HeartKind& kind : HeartKinds::all)
    {
        const auto found = fields.find(kind.name);
        const std::optional<double> percent =
            found == fields.end() ? std::nullopt : numberIn<double>(found->second);
        if (!percent)
            return false;
        result.singlePercent.push_back(*percent);
    }
    const auto pairs = fields.find("pairs");
    if (pairs == fields.end())
        return false;
    result.pairWins = numberIn<int>(pairs->second);
    return readTrials(fields, result) && readField(fields, "singles", result.singleWins) &&
           (result.pairWins || pairs->second == notMeasured);
}
} // namespace

std::optional<ProofResult> ProofResult::parse(const std::string& line)
{
    ProofResult result;
    const std::size_t solutionAt = line.find(solutionField);
    if (solutionAt != std::string::npos)
        result.solution = line.substr(solutionAt + sizeof solutionField - 1);
    std::istringstream words(line.substr(0, solutionAt));
    std::string word;
    std::string verdict;
    if (!(words >> word >> verdict) || word != resultWord)
        return std::nullopt;
    Fields fields;
    while (words >> word)
    {
        const std::size_t equals = word.find('=');
        if (equals == std::string::npos)
            return std::nullopt;
        fields[word.substr(0, equals)] = word.substr(equals + 1);
    }
    const bool counted =
        readField(fields, "hearts", result.hearts) && readField(fields, "captured", result.captured);
    const bool solved = counted && !result.solution.empty();
    result.verdict = verdict == "wonwithout" ? Verdict::WonWithoutHearts
                     : verdict == "unsolved" ? Verdict::Unsolved
                                             : Verdict::Solved;
    result.measured = verdict == "solved";
    if ((verdict == "wonwithout" && fields.empty()) || (verdict == "unsolved" && counted) ||
        (verdict == "unmeasured" && solved) || (verdict == "solved" && solved && readMeasure(fields, result)))
        return result;
    return std::nullopt;
}

ProofResult ProofResult::failure(std::string why)
{
    ProofResult result;
    result.problem = std::move(why);
    return result;
}
