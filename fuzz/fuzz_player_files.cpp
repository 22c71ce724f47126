// The player's records and settings files of any content: each reader keeps what is whole, and what it
// keeps, written back, reads again the same and whole.
#include "game/Records.h"
#include "game/Settings.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Records records = Records::parse(text);
    const Records again = Records::parse(records.text());
    if (again.text() != records.text() || again.getDamagedLines() != 0)
        std::abort();
    const Settings settings = Settings::parse(text);
    const Settings reread = Settings::parse(settings.text());
    if (reread.text() != settings.text() || reread.damagedLines != 0 || settings.musicVolume < 0 ||
        settings.musicVolume > Settings::loudest || settings.effectsVolume < 0 ||
        settings.effectsVolume > Settings::loudest)
        std::abort();
    return 0;
}
