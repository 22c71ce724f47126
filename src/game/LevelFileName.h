#pragma once

#include <string>

// "./levels/level" + n + ".txt": the file of level n, numbered from 1, in plain decimal.
std::string levelFileName(int level);
