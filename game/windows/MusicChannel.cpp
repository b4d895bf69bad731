#include "MusicChannel.h"

#include "Mp3Decoder.h"

#include <pulse/simple.h>
#include <pthread.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// The server keeps two seconds queued and asks for more half a second at a
// time: two wake-ups a second, and a stop is still heard at once since the
// queue is dropped.
pa_simple* connectTo(const Mp3Decoder& tune)
{
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_S16LE;
    spec.rate = uint32_t(tune.sampleRate());
    spec.channels = uint8_t(tune.channels());
    const uint32_t bytesPerMs = uint32_t(pa_bytes_per_second(&spec) / 1000);
    pa_buffer_attr buffer{};
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = 2000 * bytesPerMs;
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = 500 * bytesPerMs;
    buffer.fragsize = uint32_t(-1);
    return pa_simple_new(nullptr, "Mibbet", PA_STREAM_PLAYBACK, nullptr, "music", &spec, nullptr, &buffer,
                         nullptr);
}

void scale(std::vector<char>& pcm, std::int64_t bytes, float volume)
{
    auto* samples = reinterpret_cast<std::int16_t*>(pcm.data());
    for (std::int64_t i = 0; i < bytes / 2; ++i)
        samples[i] = std::int16_t(std::lround(samples[i] * volume));
}

} // namespace

MusicChannel::MusicChannel(float volume) : volume_(volume), thread_([this] { run(); }) {}

MusicChannel::~MusicChannel()
{
    give(Order::Quit);
    thread_.join();
}

void MusicChannel::give(Order order, std::unique_ptr<Mp3Decoder> tune)
{
    {
        std::lock_guard lock(mutex_);
        orders_.emplace_back(order, std::move(tune));
    }
    wake_.notify_one();
}

void MusicChannel::open(const QString& path)
{
    auto tune = std::make_unique<Mp3Decoder>();
    playable_ = tune->open(path);
    lengthMs_ = tune->lengthMs();
    clock_.invalidate();
    give(Order::Open, playable_ ? std::move(tune) : nullptr);
}

void MusicChannel::playFromStart()
{
    if (!playable_)
        return;
    clock_.start();
    give(Order::Play);
}

void MusicChannel::stop()
{
    clock_.invalidate();
    give(Order::Stop);
}

void MusicChannel::close()
{
    playable_ = false;
    clock_.invalidate();
    give(Order::Close);
}

qint64 MusicChannel::positionMs() const
{
    if (!clock_.isValid())
        return 0;
    const qint64 played = clock_.elapsed();
    return lengthMs_ > 0 ? std::min(played, lengthMs_) : played;
}

void MusicChannel::run()
{
    pthread_setname_np(pthread_self(), "music");
    std::unique_ptr<Mp3Decoder> tune;
    pa_simple* device = nullptr;
    bool playing = false;
    std::vector<char> chunk;
    const auto silence = [&] {
        playing = false;
        if (device)
            pa_simple_flush(device, nullptr);
    };
    for (;;) {
        std::pair<Order, std::unique_ptr<Mp3Decoder>> order;
        bool ordered = false;
        {
            std::unique_lock lock(mutex_);
            if (!playing)
                wake_.wait(lock, [this] { return !orders_.empty(); });
            if (!orders_.empty()) {
                order = std::move(orders_.front());
                orders_.pop_front();
                ordered = true;
            }
        }
        if (ordered) {
            switch (order.first) {
            case Order::Quit:
                if (device)
                    pa_simple_free(device); // drops what is queued
                return;
            case Order::Open:
                silence();
                if (device && order.second && tune
                    && (tune->sampleRate() != order.second->sampleRate()
                        || tune->channels() != order.second->channels())) {
                    pa_simple_free(device);
                    device = nullptr;
                }
                tune = std::move(order.second);
                break;
            case Order::Play:
                silence();
                if (!tune)
                    break;
                tune->rewind();
                if (!device)
                    device = connectTo(*tune); // null where there is no sound server: silence
                playing = device != nullptr;
                chunk.resize(size_t(tune->sampleRate() / 2 * tune->channels() * 2)); // half a second
                break;
            case Order::Stop:
                silence();
                break;
            case Order::Close:
                silence();
                tune.reset();
                break;
            }
            continue; // every waiting order first
        }
        const std::int64_t got = tune->read(chunk.data(), std::int64_t(chunk.size()));
        if (got == 0) { // the end: what is queued plays out
            playing = false;
            continue;
        }
        scale(chunk, got, volume_);
        if (pa_simple_write(device, chunk.data(), size_t(got), nullptr) < 0) {
            pa_simple_free(device); // the server went away
            device = nullptr;
            playing = false;
        }
    }
}
