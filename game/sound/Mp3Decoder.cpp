#include "Mp3Decoder.h"

#include <QFile>

#include <mpg123.h>

Mp3Decoder::~Mp3Decoder() { close(); }

bool Mp3Decoder::open(const QString& path)
{
    close();
    int error = MPG123_OK;
    handle_ = mpg123_new(nullptr, &error);
    if (!handle_)
        return false;
    mpg123_param(handle_, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_open(handle_, QFile::encodeName(path).constData()) != MPG123_OK
        || mpg123_getformat(handle_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 || channels < 1
        || channels > 2) {
        close();
        return false;
    }
    // Every sound device takes signed 16-bit samples, so ask for nothing else.
    mpg123_format_none(handle_);
    mpg123_format(handle_, rate, channels, MPG123_ENC_SIGNED_16);
    rate_ = int(rate);
    channels_ = channels;
    const off_t samples = mpg123_length(handle_);
    lengthMs_ = samples > 0 ? std::int64_t(samples) * 1000 / rate : 0;
    finished_ = false;
    return true;
}

void Mp3Decoder::close()
{
    if (handle_) {
        mpg123_close(handle_);
        mpg123_delete(handle_);
        handle_ = nullptr;
    }
    finished_ = true;
}

void Mp3Decoder::seek(std::int64_t ms)
{
    if (!handle_)
        return;
    mpg123_seek(handle_, off_t(ms * rate_ / 1000), SEEK_SET);
    finished_ = false;
}

std::int64_t Mp3Decoder::read(char* out, std::int64_t bytes)
{
    if (!handle_ || finished_)
        return 0;
    const std::int64_t frame = 2 * channels_; // a sink must never get half a frame
    bytes -= bytes % frame;
    std::int64_t filled = 0;
    while (filled < bytes) {
        size_t done = 0;
        const int result = mpg123_read(handle_, reinterpret_cast<unsigned char*>(out + filled),
                                       size_t(bytes - filled), &done);
        filled += std::int64_t(done);
        if (result == MPG123_NEW_FORMAT)
            continue;
        if (result != MPG123_OK || done == 0) { // the end, or a damaged file: keep what came out
            finished_ = true;
            break;
        }
    }
    return filled - filled % frame;
}
