#include "graphics/Camera.h"

void Camera::handleEvent(Event&) {}
