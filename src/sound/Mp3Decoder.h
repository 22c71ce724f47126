#pragma once

#include "sound/PcmFormat.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class AudioConverter;
struct mpg123_handle_struct;

// One MP3 file decoded with libmpg123 into a chosen PCM format. Decoding is gapless: the encoder's delay
// and padding recorded in the LAME tag are cut, so the frames read are exactly the frames that were
// encoded and a loop joins without a gap. mpg123 decodes straight into the target where it can (any
// MPEG rate, mono or stereo, native-endian samples); otherwise it decodes signed 16 bit at the file's
// own rate and an AudioConverter converts. Only regular files are read. Owns the mpg123 handle and the open
// file.
class Mp3Decoder
{
public:
    Mp3Decoder();
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // Opens the file for decoding into `target`; false when it cannot be opened or holds no MPEG audio.
    bool open(const std::string& fileName, const PcmFormat& target);
    // Fills up to `bytes` (whole target frames) with the next audio; returns the bytes written, fewer
    // only at the end of the file or at a decoding error.
    std::size_t read(std::uint8_t* out, std::size_t bytes);
    // Decodes everything from the current position to the end.
    std::vector<std::uint8_t> readAll();
    // Back to the first frame; false when the file cannot seek.
    bool rewind();

private:
    bool openDirect(const PcmFormat& target);
    bool openConverted(const PcmFormat& target);
    void closeFile();
    std::size_t decode(std::uint8_t* out, std::size_t bytes);
    bool convertNextBlock();

    mpg123_handle_struct* handle = nullptr;
    int file = -1;
    std::unique_ptr<AudioConverter> converter;
    PcmFormat outputFormat;
    // What mpg123 produces when a converter follows it.
    PcmFormat decodedFormat;
    // Converted audio not handed out yet; only used with a converter.
    std::vector<std::uint8_t> pending;
    std::size_t pendingStart = 0;
};
