#include "PrintableText.h"

#include <cstdint>
#include <cstdio>

namespace
{
constexpr unsigned char firstPrintable = 0x20;
constexpr unsigned char lastPrintable = 0x7e;
constexpr unsigned char firstMultiByte = 0x80;
constexpr std::uint32_t lastCodePoint = 0x10ffff;
constexpr std::uint32_t firstSurrogate = 0xd800;
constexpr std::uint32_t lastSurrogate = 0xdfff;
constexpr std::uint32_t lastFourDigitCodePoint = 0xffff;

struct Sequence
{
    std::size_t length;
    // The lead byte is one of this sequence's when its bits under `markMask` are `mark`; the rest of it
    // starts the code point.
    unsigned char markMask;
    unsigned char mark;
    // The smallest code point that needs this length: a smaller one written longer is invalid.
    std::uint32_t lowestCodePoint;
};

constexpr Sequence sequences[] = {{2, 0xe0, 0xc0, 0x80}, {3, 0xf0, 0xe0, 0x800}, {4, 0xf8, 0xf0, 0x10000}};
constexpr unsigned char continuationMask = 0x3f;
constexpr unsigned char continuationBits = 0x80;
constexpr int bitsPerContinuation = 6;

// The length of the valid UTF-8 sequence at `at`, and its code point; length 1 for a byte outside one.
std::size_t decodeAt(const std::string& text, std::size_t at, std::uint32_t& codePoint)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    codePoint = lead;
    if (lead < firstMultiByte)
        return 1;
    for (const Sequence& sequence : sequences)
    {
        if ((lead & sequence.markMask) != sequence.mark)
            continue;
        if (at + sequence.length > text.size())
            return 1;
        std::uint32_t decoded = lead & static_cast<unsigned char>(~sequence.markMask);
        for (std::size_t next = 1; next < sequence.length; ++next)
        {
            const auto byte = static_cast<unsigned char>(text[at + next]);
            if ((byte & static_cast<unsigned char>(~continuationMask)) != continuationBits)
                return 1;
            decoded = decoded << bitsPerContinuation | (byte & continuationMask);
        }
        if (decoded < sequence.lowestCodePoint || decoded > lastCodePoint ||
            (decoded >= firstSurrogate && decoded <= lastSurrogate))
            return 1;
        codePoint = decoded;
        return sequence.length;
    }
    return 1;
}

std::string escaped(const char* format, std::uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof text, format, static_cast<unsigned>(value));
    return text;
}
} // namespace

std::string printable(const std::string& text, std::size_t mostCharacters)
{
    std::string shown;
    std::uint32_t codePoint = 0;
    std::size_t characters = 0;
    for (std::size_t at = 0; at < text.size(); ++characters)
    {
        if (characters == mostCharacters)
            return shown + "...";
        const std::size_t length = decodeAt(text, at, codePoint);
        if (length > 1)
            shown += escaped(codePoint > lastFourDigitCodePoint ? "\\U%08x" : "\\u%04x", codePoint);
        else if (codePoint == '\\')
            shown += "\\\\";
        else if (codePoint >= firstPrintable && codePoint <= lastPrintable)
            shown += static_cast<char>(codePoint);
        else
            shown += escaped("\\x%02x", codePoint);
        at += length;
    }
    return shown;
}

std::size_t characterLength(const std::string& text, std::size_t at)
{
    std::uint32_t codePoint = 0;
    return decodeAt(text, at, codePoint);
}
