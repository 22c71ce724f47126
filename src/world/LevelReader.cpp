#include "world/LevelReader.h"

#include "world/Generator.h"
#include "world/GravBody.h"
#include "world/LevelReport.h"

#include <istream>
#include <iterator>

LevelReader::LevelReader(std::istream& source, LevelReport* levelReport) : input(source), report(levelReport)
{
}

void LevelReader::read(std::vector<Generator>& generators, std::vector<GravBody>& bodies)
{
    int generatorCount = 0;
    int bodyCount = 0;
    std::string token;
    while (input >> token)
    {
        if (token == remarksKeyword)
        {
            noteRemarks();
            return;
        }
        if (token == generatorKeyword)
        {
            currentRecord = generatorKeyword;
            currentRecordNumber = ++generatorCount;
            Generator generator;
            const bool whole = readGenerator(generator);
            generators.push_back(generator);
            if (!whole)
                return;
        }
        else if (token == bodyKeyword)
        {
            currentRecord = bodyKeyword;
            currentRecordNumber = ++bodyCount;
            GravBody body;
            const bool whole = readBody(body);
            bodies.push_back(body);
            if (!whole)
                return;
        }
        else
        {
            noteSkipped(token);
        }
    }
}

bool LevelReader::readGenerator(Generator& generator)
{
    return readValue(generator.position.x, "x") && readValue(generator.position.y, "y") &&
           readValue(generator.velocity.x, "vx") && readValue(generator.velocity.y, "vy") &&
           readValue(generator.remaining, "count");
}

bool LevelReader::readBody(GravBody& body)
{
    return readValue(body.position.x, "x") && readValue(body.position.y, "y") &&
           readValue(body.radius, "radius") && readValue(body.strength, "strength") &&
           readValue(body.textureName, "image") && readValue(body.spin, "spin");
}

// The value is taken only when the extraction succeeds: a number out of range, which the stream would
// clamp to the largest value of its type, counts as unread like any other value that failed.
template <typename T>
bool LevelReader::readValue(T& value, const char* fieldName)
{
    T extracted{};
    if (input >> extracted)
    {
        value = extracted;
        return true;
    }
    if (report)
    {
        report->cutShortRecord = currentRecord;
        report->cutShortRecordNumber = currentRecordNumber;
        report->cutShortField = fieldName;
    }
    return false;
}

void LevelReader::noteSkipped(const std::string& token)
{
    if (!report)
        return;
    if (++report->skippedTokenCount <= LevelReport::skippedTokensKept)
        report->skippedTokens.push_back(token);
}

void LevelReader::noteRemarks()
{
    if (!report)
        return;
    report->hasRemarks = true;
    report->remarks.assign(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>());
}
