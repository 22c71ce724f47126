#pragma once

#include <iosfwd>
#include <string>
#include <vector>

class GravBody;
struct Generator;
struct LevelReport;

// Reads the records of a level file with the standard stream extraction rules: keywords are whole,
// case-sensitive tokens, any other token is skipped on its own, "//REMARKS" ends the reading, and a record
// whose values run out is kept with its unread values 0 and ends the reading.
class LevelReader
{
public:
    static constexpr char generatorKeyword[] = "GENERATOR";
    static constexpr char bodyKeyword[] = "GRAVBODY";
    static constexpr char remarksKeyword[] = "//REMARKS";

    // Reads from `source`, which the caller keeps alive and has imbued with the classic locale. The
    // report, if any, is owned by the caller and is filled while reading.
    LevelReader(std::istream& source, LevelReport* levelReport);

    // Appends the file's records in file order.
    void read(std::vector<Generator>& generators, std::vector<GravBody>& bodies);

private:
    // Each returns false when the record was cut short; the record is then filled as far as it was read.
    bool readGenerator(Generator& generator);
    bool readBody(GravBody& body);
    template <typename T>
    bool readValue(T& value, const char* fieldName);

    void noteSkipped(const std::string& token);
    void noteRemarks();

    std::istream& input;
    LevelReport* report;
    const char* currentRecord = "";
    int currentRecordNumber = 0;
};
