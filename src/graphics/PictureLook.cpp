#include "graphics/PictureLook.h"

void PictureLook::add(const void* data, std::size_t count)
{
    bytes.append(static_cast<const char*>(data), count);
}

void PictureLook::add(const std::string& text)
{
    add(static_cast<int>(text.size()));
    bytes += text;
}

void PictureLook::markUnknown()
{
    known = false;
}

bool PictureLook::isKnown() const
{
    return known;
}

void PictureLook::clear()
{
    bytes.clear();
    known = true;
}

bool PictureLook::operator==(const PictureLook& other) const
{
    return known && other.known && bytes == other.bytes;
}

bool PictureLook::operator!=(const PictureLook& other) const
{
    return !(*this == other);
}
