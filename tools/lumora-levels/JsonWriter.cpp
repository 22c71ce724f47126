#include "JsonWriter.h"

#include <cassert>
#include <cstdio>

void JsonWriter::beginObject()
{
    beforeValue();
    out += '{';
    empty.push_back(true);
}

void JsonWriter::endObject()
{
    assert(!empty.empty() && !afterKey);
    out += '}';
    empty.pop_back();
}

void JsonWriter::beginArray()
{
    beforeValue();
    out += '[';
    empty.push_back(true);
}

void JsonWriter::endArray()
{
    assert(!empty.empty());
    out += ']';
    empty.pop_back();
}

void JsonWriter::key(const std::string& name)
{
    beforeValue();
    writeQuoted(name);
    out += ':';
    afterKey = true;
}

void JsonWriter::number(long long value)
{
    beforeValue();
    out += std::to_string(value);
}

void JsonWriter::string(const std::string& value)
{
    beforeValue();
    writeQuoted(value);
}

void JsonWriter::writeQuoted(const std::string& value)
{
    out += '"';
    for (const char c : value)
    {
        if (c == '"' || c == '\\')
        {
            out += '\\';
            out += c;
        }
        else if (static_cast<unsigned char>(c) < 0x20)
        {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        }
        else
        {
            out += c;
        }
    }
    out += '"';
}

void JsonWriter::floatString(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.9g", static_cast<double>(value));
    string(text);
}

const std::string& JsonWriter::text() const
{
    return out;
}

// A value right after a key needs no comma; any other value after a sibling does.
void JsonWriter::beforeValue()
{
    if (afterKey)
    {
        afterKey = false;
        return;
    }
    if (empty.empty())
        return;
    if (!empty.back())
        out += ',';
    empty.back() = false;
}
