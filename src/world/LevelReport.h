#pragma once

#include <cstddef>
#include <string>
#include <vector>

// What a designer needs to know about how a level file was read; filled by World::load on request. Of it
// the game reads only the remarks, for the caption its countdown shows.
struct LevelReport
{
    // Whether reading stopped inside a record whose values ran out or could not be read.
    bool isCutShort() const { return !cutShortRecord.empty(); }

    // Of the tokens that were neither keywords nor values of a record, how many there were and the first
    // of them in file order, up to skippedTokensKept: a file of millions would cost a string for each.
    static constexpr std::size_t skippedTokensKept = 16;
    std::size_t skippedTokenCount = 0;
    std::vector<std::string> skippedTokens;
    // The keyword of the record that was cut short, empty when every record was whole.
    std::string cutShortRecord;
    // Which record of that keyword it was, counted from 1, and the first value that could not be read.
    int cutShortRecordNumber = 0;
    std::string cutShortField;
    // Whether the file has a remarks section, and the free text after its keyword.
    bool hasRemarks = false;
    std::string remarks;
};
