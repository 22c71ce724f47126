#include "widgets/Widget.h"

Widget::~Widget() = default;
