#include "engine/MainLoop.h"
#include "game/ProcessMain.h"

#include <cstdio>
#include <cstring>

namespace
{
constexpr int usageStatus = 2;

const char usage[] =
    "usage: lumora [--help | --version]\n"
    "A puzzle game: with light hearts, which attract, and dark hearts, which repel, steer a stream of\n"
    "particles into the planets. Left click places a light heart, right click a dark one.\n"
    "\n"
    "  --help      print this help and exit\n"
    "  --version   print the game's version and exit\n"
    "\n"
    "Environment:\n"
    "  LUMORA_FULLSCREEN=yes|no  answers the full-screen question at start in advance\n"
    "  LUMORA_SCALE=N            enlarges the window N times, 1 to 8 (as far as the desktop allows)\n"
    "\n"
    "Keys: P, Space or Pause pause a level; F11 or Alt+Enter switch full screen; M mutes;\n"
    "Escape leaves a level. LEVELS, then MY LEVELS: your own levels and their editor.\n"
    "\n"
    "The game reads its pictures, sounds and levels from the folder it runs in; the installed game's\n"
    "launcher runs it in $XDG_DATA_HOME/lumora (by default ~/.local/share/lumora). There it keeps:\n"
    "  levels/save.txt       the level CONTINUE starts\n"
    "  levels/records.txt    the fewest hearts each level was won with\n"
    "  levels/settings.txt   the volumes and the full-screen choice\n"
    "  mylevels/             the levels you made in the editor\n";
} // namespace

int main(int argc, char** argv)
{
    if (argc > 1)
    {
        if (argc == 2 && std::strcmp(argv[1], "--help") == 0)
        {
            std::fputs(usage, stdout);
            return 0;
        }
        if (argc == 2 && std::strcmp(argv[1], "--version") == 0)
        {
            std::printf("lumora %s\n", LUMORA_VERSION);
            return 0;
        }
        std::fprintf(stderr, "lumora: unknown option %s\n%s", argv[1], usage);
        return usageStatus;
    }
    return MainLoop(ProcessMain::setup()).run();
}
