#include "support/CoreFixture.h"

#include "engine/Core.h"

void CoreFixture::SetUp()
{
    Core::destroy();
}

void CoreFixture::TearDown()
{
    Core::destroy();
}
