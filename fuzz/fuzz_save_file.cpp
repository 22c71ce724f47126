// Save files of any content: reading one must never crash and must always give a level to start, 1 or above.
#include "game/SaveFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    if (SaveFile::parseLevel(in) < SaveFile::firstLevel)
        std::abort();
    return 0;
}
