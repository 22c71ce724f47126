#include "graphics/Font.h"

Font::Font(std::string, std::string)
{
}
