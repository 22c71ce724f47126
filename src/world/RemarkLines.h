#pragma once

#include <string>
#include <vector>

// The lines of a level's remarks (the free text after "//REMARKS") whose first word is the keyword, in
// file order, each as the text that follows the keyword on its line, blanks kept. The caption and the
// level tool's recorded solution both live in such lines.
std::vector<std::string> remarkLines(const std::string& remarks, const std::string& keyword);
