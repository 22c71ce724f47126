#include "engine/MainLoop.h"
#include "game/ProcessMain.h"

int main(int, char**)
{
    return MainLoop(ProcessMain::setup()).run();
}
