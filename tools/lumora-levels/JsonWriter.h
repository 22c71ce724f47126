#pragma once

#include <string>
#include <vector>

// Builds one line of JSON by hand, for the tool's machine-readable output. Commas and quotes are placed
// by the writer; the caller only opens, fills and closes.
class JsonWriter
{
public:
    void beginObject();
    void endObject();
    void beginArray();
    void endArray();
    // The name of the next member of the open object.
    void key(const std::string& name);
    void number(long long value);
    void string(const std::string& value);
    // A float as a string, written with %.9g so that it reads back to the very same float.
    void floatString(float value);

    const std::string& text() const;

private:
    void beforeValue();
    void writeQuoted(const std::string& value);

    std::string out;
    // Per open object or array: whether it holds nothing yet.
    std::vector<bool> empty;
    bool afterKey = false;
};
