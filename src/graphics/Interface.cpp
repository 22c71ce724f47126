#include "graphics/Interface.h"

void Interface::draw()
{
}
