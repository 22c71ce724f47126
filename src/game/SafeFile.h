#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The player's own small files beside the levels, read and written so that nothing of them is ever half
// written or written through a link: a new text goes whole into a fresh file of its own, which then replaces
// the old one in one step, so the old file or the new one is always there whole. Only regular files are read,
// and only up to a bound, since a player's file is never large.
class SafeFile
{
public:
    // Writes the text as the file's whole content by way of `pending`, a file of its own beside it: whatever
    // stood under that name (a link, a second name of another file) is taken away, never written through.
    // False when it could not be written; the old file is then as it was, and no pending file is left.
    static bool write(const std::string& path, const std::string& pending, const std::string& text);
    // The whole content of a regular file of at most `maxBytes`; nothing when there is no such file. A
    // file that exists and cannot be read, is not a regular file or is larger says why in `problem`.
    static std::optional<std::string> read(const std::string& path, std::size_t maxBytes,
                                           std::string& problem);
};
