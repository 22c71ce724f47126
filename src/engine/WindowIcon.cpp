#include "engine/WindowIcon.h"

#include "platform/RegularFile.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>

#include <unistd.h>

namespace
{
// The file header, then the size of the information header and the picture's sides, in bytes.
constexpr std::size_t headerBytes = 26;
constexpr std::size_t infoSizeAt = 14;
constexpr std::size_t widthAt = 18;
constexpr std::size_t heightAt = 22;
constexpr std::size_t fieldBytes = 4;
// The oldest information header holds its sides in two bytes each.
constexpr std::uint32_t coreInfoBytes = 12;
constexpr std::size_t coreHeightAt = 20;
constexpr std::size_t coreSideBytes = 2;
constexpr int bitsPerByte = 8;

std::uint32_t littleEndian(const unsigned char* bytes, std::size_t count)
{
    std::uint32_t value = 0;
    for (std::size_t index = count; index-- > 0;)
        value = value << bitsPerByte | bytes[index];
    return value;
}

bool readHeader(int descriptor, unsigned char* header)
{
    std::size_t done = 0;
    while (done < headerBytes)
    {
        const ssize_t got = read(descriptor, header + done, headerBytes - done);
        if (got <= 0)
            return false;
        done += static_cast<std::size_t>(got);
    }
    return true;
}

bool isSideOfIcon(long side)
{
    return side > 0 && side <= WindowIcon::largestSidePixels;
}

// A height below zero stands for rows stored from the top.
bool claimsIconSize(const unsigned char* header)
{
    if (header[0] != 'B' || header[1] != 'M')
        return false;
    if (littleEndian(header + infoSizeAt, fieldBytes) == coreInfoBytes)
        return isSideOfIcon(littleEndian(header + widthAt, coreSideBytes)) &&
               isSideOfIcon(littleEndian(header + coreHeightAt, coreSideBytes));
    const long width = static_cast<std::int32_t>(littleEndian(header + widthAt, fieldBytes));
    const long height = static_cast<std::int32_t>(littleEndian(header + heightAt, fieldBytes));
    return isSideOfIcon(width) && isSideOfIcon(height < 0 ? -height : height);
}
} // namespace

SDL_Surface* WindowIcon::load(const std::string& fileName)
{
    const int descriptor = platform::openRegularFile(fileName);
    if (descriptor < 0)
        return nullptr;
    unsigned char header[headerBytes];
    const bool taken =
        readHeader(descriptor, header) && claimsIconSize(header) && lseek(descriptor, 0, SEEK_SET) == 0;
    std::FILE* file = taken ? fdopen(descriptor, "rb") : nullptr;
    if (!file)
    {
        close(descriptor);
        return nullptr;
    }
    SDL_RWops* source = SDL_RWFromFP(file, 1);
    if (!source)
    {
        std::fclose(file);
        return nullptr;
    }
    return SDL_LoadBMP_RW(source, 1);
}

void WindowIcon::set(const std::string& fileName)
{
    SDL_Surface* icon = load(fileName);
    if (!icon)
        return;
    SDL_WM_SetIcon(icon, nullptr);
    SDL_FreeSurface(icon);
}
