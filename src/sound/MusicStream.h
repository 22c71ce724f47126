#pragma once

#include "sound/Mp3Decoder.h"
#include "sound/PcmFormat.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The looping music: an MP3 decoded while it plays and handed to the mixer through Mix_HookMusic. At the
// end of the file it seeks back to the first frame and goes on filling the same buffer, so with the
// decoder's gapless cut the loop joins without a gap. fill() runs on SDL's audio thread while the stream
// is hooked; the main thread touches a hooked stream only under SDL_LockAudio, and restarts it unhooked.
class MusicStream
{
public:
    // The stream of the file decoding into `output`, or null when the file cannot be opened or decoded.
    static std::unique_ptr<MusicStream> open(const std::string& fileName, const PcmFormat& output);

    // Back to the first frame with the frame count at 0.
    void restart();
    // Writes `bytes` (whole frames) of music into `out`, looping at the end of the file; whatever the
    // file cannot yield, even after a rewind, is silence.
    void fill(std::uint8_t* out, int bytes);
    // Frames written by fill() since the stream was opened or restarted.
    std::uint64_t framesFilled() const;
    // How loud fill() writes the music, from 0 (silence) to SDL's loudest, which writes it as decoded.
    void setVolume(int sdlVolume);

    // The function Mix_HookMusic calls; `stream` is the MusicStream.
    static void mixHook(void* stream, std::uint8_t* out, int bytes);

private:
    explicit MusicStream(const PcmFormat& output);

    void decode(std::uint8_t* out, std::size_t bytes);

    PcmFormat format;
    Mp3Decoder decoder;
    std::uint64_t frames = 0;
    int volume;
    // The music decoded before it is mixed in more quietly; kept between calls to spare the audio thread.
    std::vector<std::uint8_t> quieter;
};
