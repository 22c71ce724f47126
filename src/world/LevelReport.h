#pragma once

#include <string>
#include <vector>

// What a designer needs to know about how a level file was read; filled by World::load on request. Of it
// the game reads only the remarks, for the caption its countdown shows.
struct LevelReport
{
    // Whether reading stopped inside a record whose values ran out or could not be read.
    bool isCutShort() const { return !cutShortRecord.empty(); }

    // Tokens that were neither keywords nor values of a record, in file order.
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
