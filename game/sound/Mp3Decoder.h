#pragma once
#include <QString>

#include <cstdint>

struct mpg123_handle_struct;

// An MP3 file read as signed 16-bit PCM a little at a time, as the sound
// device asks for it: the whole tune never sits decoded in memory, and no
// media framework is loaded for it.
class Mp3Decoder {
public:
    Mp3Decoder() = default;
    ~Mp3Decoder();
    Mp3Decoder(const Mp3Decoder&) = delete;
    Mp3Decoder& operator=(const Mp3Decoder&) = delete;

    // False (and nothing open) when the file is missing or holds no MP3 audio.
    bool open(const QString& path);
    bool isOpen() const { return handle_ != nullptr; }
    int sampleRate() const { return rate_; }
    int channels() const { return channels_; }
    std::int64_t lengthMs() const { return lengthMs_; }

    // Fills `out` with up to `bytes` bytes of whole frames; fewer only at the
    // end of the tune (or where a damaged file stops), 0 from then on.
    std::int64_t read(char* out, std::int64_t bytes);
    // On to `ms` from the start (the start for 0); past the end, nothing more comes.
    void seek(std::int64_t ms);

private:
    void close();
    mpg123_handle_struct* handle_ = nullptr;
    int rate_ = 0;
    int channels_ = 0;
    std::int64_t lengthMs_ = 0;
    bool finished_ = false;
};
