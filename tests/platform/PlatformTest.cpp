#include "platform/FullscreenQuestion.h"
#include "platform/RegularFile.h"
#include "support/TempFolder.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include <sys/stat.h>
#include <unistd.h>

TEST(FullscreenQuestion, APresetAnswerIsTakenWithoutAskingAndAQuestionClosedUnansweredMeansAWindow)
{
    // Ctrl+C closes the question the way Escape or the window's close button does.
    SDL_Init(SDL_INIT_VIDEO);
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    for (const auto& [preset, fullscreen] :
         {std::pair{"yes", true}, {"no", false}, {"y", false}, {"", false}})
    {
        setenv(platform::fullscreenAnswerVariable, preset, 1);
        EXPECT_EQ(platform::askFullscreen(), fullscreen) << preset;
    }
    SDL_Quit();
}

TEST(RegularFile, OnlyRegularFilesAndLinksToThemAreOpenedAndNothingBlocks)
{
    TempFolder folder;
    const std::string file = folder.write("level.txt", "GENERATOR 1 2 3 4 5\n");
    ASSERT_EQ(symlink(file.c_str(), folder.file("link").c_str()), 0);
    ASSERT_EQ(mkfifo(folder.file("fifo").c_str(), 0600), 0);
    const std::pair<std::string, bool> cases[] = {{file, true},
                                                  {folder.file("link"), true},
                                                  {folder.path(), false},
                                                  {folder.file("fifo"), false},
                                                  {folder.file("missing"), false}};
    for (const auto& [name, regular] : cases)
    {
        EXPECT_EQ(platform::isRegularFile(name), regular) << name;
        const int descriptor = platform::openRegularFile(name);
        EXPECT_EQ(descriptor >= 0, regular) << name;
        if (descriptor >= 0)
            close(descriptor);
    }
}
