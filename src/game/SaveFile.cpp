#include "game/SaveFile.h"

#include "engine/StringConversion.h"
#include "game/GameFiles.h"
#include "game/SafeFile.h"
#include "platform/RegularFile.h"

#include <fstream>
#include <locale>

int SaveFile::readLevel()
{
    // A FIFO or a device in the save's place would block CONTINUE or never end: only a regular file is a
    // save.
    if (!platform::isRegularFile(GameFiles::save))
        return firstLevel;
    std::ifstream in(GameFiles::save);
    return parseLevel(in);
}

int SaveFile::parseLevel(std::istream& in)
{
    in.imbue(std::locale::classic());
    int level = 0;
    if (!(in >> level) || level < firstLevel)
        return firstLevel;
    return level;
}

bool SaveFile::writeLevel(int level)
{
    return SafeFile::write(GameFiles::save, GameFiles::pendingSave, intToString(level) + "\n");
}
