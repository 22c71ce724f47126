#include "game/CaptionLayout.h"

#include "world/LevelCaption.h"

std::vector<std::string> CaptionLayout::titleLines(const LevelCaption& caption)
{
    return LevelCaption::wrap(LevelCaption::drawable(caption.getTitle()), titleColumns, titleLinesShown);
}

std::vector<std::string> CaptionLayout::hintLines(const LevelCaption& caption)
{
    return LevelCaption::wrap(LevelCaption::drawable(caption.getHint()), hintColumns, hintLinesShown);
}
