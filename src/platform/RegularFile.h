#pragma once

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

} // namespace platform
