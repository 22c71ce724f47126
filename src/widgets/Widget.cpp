#include "widgets/Widget.h"

#include "graphics/PictureLook.h"

Widget::~Widget() = default;

void Widget::appendLook(PictureLook& look) const
{
    look.markUnknown();
}
