// Level text of any content read as a draft and written back: the text written must read back into the
// same records, every float bit for bit, with the same caption and solution and nothing skipped or cut, and
// must be written again unchanged.
#include "world/LevelDraft.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{
bool sameBits(float a, float b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

bool sameGenerator(const Generator& a, const Generator& b)
{
    return sameBits(a.position.x, b.position.x) && sameBits(a.position.y, b.position.y) &&
           sameBits(a.velocity.x, b.velocity.x) && sameBits(a.velocity.y, b.velocity.y) &&
           a.remaining == b.remaining;
}

// A picture cut short has no name, and is written as LevelDraft::noPicture.
bool sameBody(const GravBody& a, const GravBody& b)
{
    const std::string picture = a.textureName.empty() ? LevelDraft::noPicture : a.textureName;
    return sameBits(a.position.x, b.position.x) && sameBits(a.position.y, b.position.y) &&
           sameBits(a.radius, b.radius) && sameBits(a.strength, b.strength) && sameBits(a.spin, b.spin) &&
           picture == b.textureName;
}

bool sameLevel(const LevelDraft& a, const LevelDraft& b)
{
    if (a.generators.size() != b.generators.size() || a.bodies.size() != b.bodies.size() ||
        a.title != b.title || a.hint != b.hint || a.solution != b.solution)
        return false;
    for (std::size_t index = 0; index < a.generators.size(); ++index)
        if (!sameGenerator(a.generators[index], b.generators[index]))
            return false;
    for (std::size_t index = 0; index < a.bodies.size(); ++index)
        if (!sameBody(a.bodies[index], b.bodies[index]))
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const LevelDraft read = LevelDraft::parse(std::string(reinterpret_cast<const char*>(data), size));
    const std::string written = read.text();
    const LevelDraft again = LevelDraft::parse(written);
    if (!sameLevel(read, again) || !again.getReadProblems().empty() || again.text() != written)
        std::abort();
    return 0;
}
