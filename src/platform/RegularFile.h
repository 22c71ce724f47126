#pragma once

#include <cstddef>
#include <optional>
#include <string>

// Levels, pictures and sounds are read only from regular files (or links to them): opening a FIFO waits
// for a writer that may never come, and a device such as /dev/zero never ends. Anything else counts as a
// missing file.
namespace platform
{

// Whether the name leads to a regular file. Never blocks.
bool isRegularFile(const std::string& name);
// Opens the file for reading when it is a regular file, without waiting on a FIFO or a device on the way;
// returns the descriptor, which the caller closes, or -1.
int openRegularFile(const std::string& name);
// The whole content of a regular file of at most `maxBytes`, a larger one refused before any of it is read;
// nothing when there is no such file. A name that is there and cannot be read, is not a regular file or
// leads to a larger one says why in `problem`; nothing under the name at all leaves it empty.
std::optional<std::string> readRegularFile(const std::string& name, std::size_t maxBytes,
                                           std::string& problem);

} // namespace platform
