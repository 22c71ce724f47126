#include "engine/MainLoop.h"

int main(int, char**)
{
    return MainLoop().run();
}
