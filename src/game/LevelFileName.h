#pragma once

#include <string>

// The file of level n, numbered from 1, as GameFiles spells it.
std::string levelFileName(int level);
