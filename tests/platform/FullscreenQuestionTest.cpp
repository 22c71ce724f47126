#include "platform/FullscreenQuestion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>

namespace
{
// Sets an environment variable for one test and puts the old value back afterwards.
class ScopedVariable
{
public:
    ScopedVariable(const char* variable, const char* value) : name(variable)
    {
        if (const char* old = std::getenv(name))
            previous = old;
        if (value)
            setenv(name, value, 1);
        else
            unsetenv(name);
    }
    ~ScopedVariable()
    {
        if (previous)
            setenv(name, previous->c_str(), 1);
        else
            unsetenv(name);
    }

private:
    const char* name;
    std::optional<std::string> previous;
};
} // namespace

TEST(FullscreenQuestion, APresetAnswerIsTakenWithoutAsking)
{
    {
        ScopedVariable answer(platform::fullscreenAnswerVariable, "yes");
        EXPECT_TRUE(platform::askFullscreen());
    }
    {
        ScopedVariable answer(platform::fullscreenAnswerVariable, "no");
        EXPECT_FALSE(platform::askFullscreen());
    }
}

TEST(FullscreenQuestion, WithoutADisplayAnyOtherAnswerMeansAWindow)
{
    ScopedVariable noX("DISPLAY", nullptr);
    ScopedVariable noWayland("WAYLAND_DISPLAY", nullptr);
    ScopedVariable unclear(platform::fullscreenAnswerVariable, "YES");
    EXPECT_FALSE(platform::askFullscreen());
}
