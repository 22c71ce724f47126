#pragma once

#include "engine/Core.h"

#include <gtest/gtest.h>

// For tests that use the Core singleton: each test starts without a Core and whatever it created is
// destroyed afterwards, so no registration or queued event leaks into the next test.
class CoreFixture : public ::testing::Test
{
protected:
    void SetUp() override { Core::destroy(); }
    void TearDown() override { Core::destroy(); }
};
