#pragma once

#include <optional>

// The one choice the player makes before the window opens.
namespace platform
{

// The environment variable that answers the question without showing it: "yes" or "no".
constexpr const char* fullscreenAnswerVariable = "LUMORA_FULLSCREEN";

// Asks "Play the game in fullscreen?" in a modal yes/no box titled "Lumora", Yes the default. True only
// for a yes; no display, a closed box or a failure all mean windowed. A quit request SDL receives while
// the box is shown (Ctrl+C, SIGTERM) closes it and stays pending for the caller. An answer given in the
// environment variable comes first; then `stored`, the player's own standing answer, when given; only then
// is the box shown.
bool askFullscreen(std::optional<bool> stored = std::nullopt);

} // namespace platform
