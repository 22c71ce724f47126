// Save files of any content: reading one must never crash, and a level it gives is 1 or above.
#include "game/SaveFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    const std::optional<int> level = SaveFile::parseLevel(in);
    if (level && *level < SaveFile::firstLevel)
        std::abort();
    return 0;
}
