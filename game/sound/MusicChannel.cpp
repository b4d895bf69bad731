#include "MusicChannel.h"

#include "Mp3Decoder.h"

#include <QCoreApplication>

#include <pulse/pulseaudio.h>

#include <algorithm>

namespace {

// Half a second queued at the server, asked for in pieces of a fifth.
constexpr int QueueMs = 500, PieceMs = 100;

// Holds the connection's thread off while the caller touches what it uses.
class Locked {
public:
    explicit Locked(pa_threaded_mainloop* loop) : loop_(loop) { pa_threaded_mainloop_lock(loop_); }
    ~Locked() { pa_threaded_mainloop_unlock(loop_); }
    Locked(const Locked&) = delete;
    Locked& operator=(const Locked&) = delete;

private:
    pa_threaded_mainloop* loop_;
};

void wake(pa_context*, void* loop) { pa_threaded_mainloop_signal(static_cast<pa_threaded_mainloop*>(loop), 0); }

} // namespace

MusicChannel::MusicChannel(float volume) : volume_(volume)
{
    loop_ = pa_threaded_mainloop_new();
    pa_threaded_mainloop_set_name(loop_, "music");
    server_ = pa_context_new(pa_threaded_mainloop_get_api(loop_), qPrintable(QCoreApplication::applicationName()));
    pa_context_set_state_callback(server_, wake, loop_);
    pa_threaded_mainloop_start(loop_);
    Locked lock(loop_);
    // Never start a sound server of our own: without one, the tune is silent.
    if (pa_context_connect(server_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        for (pa_context_state_t s; (s = pa_context_get_state(server_)) != PA_CONTEXT_READY && PA_CONTEXT_IS_GOOD(s);)
            pa_threaded_mainloop_wait(loop_);
    }
    if (pa_context_get_state(server_) != PA_CONTEXT_READY) {
        pa_context_set_state_callback(server_, nullptr, nullptr);
        pa_context_unref(server_);
        server_ = nullptr;
    }
}

MusicChannel::~MusicChannel()
{
    {
        Locked lock(loop_);
        silence();
        tune_.reset();
        if (server_) {
            pa_context_set_state_callback(server_, nullptr, nullptr);
            pa_context_disconnect(server_);
            pa_context_unref(server_);
        }
    }
    pa_threaded_mainloop_stop(loop_);
    pa_threaded_mainloop_free(loop_);
}

void MusicChannel::open(const QString& path)
{
    auto tune = std::make_unique<Mp3Decoder>();
    playable_ = tune->open(path);
    lengthMs_ = tune->lengthMs();
    clock_.invalidate();
    Locked lock(loop_);
    silence();
    tune_ = playable_ ? std::move(tune) : nullptr;
}

void MusicChannel::playFromStart()
{
    if (!playable_)
        return;
    clock_.start();
    if (!muted_) {
        Locked lock(loop_);
        playFrom(0);
    }
}

void MusicChannel::stop()
{
    clock_.invalidate();
    Locked lock(loop_);
    silence();
}

void MusicChannel::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    muted_ = muted;
    Locked lock(loop_);
    if (muted) {
        silence();
        return;
    }
    const qint64 at = positionMs();
    if (playable_ && clock_.isValid() && (lengthMs_ <= 0 || at < lengthMs_))
        playFrom(at);
}

bool MusicChannel::audible() const { return playing_; }

qint64 MusicChannel::playedFromMs() const { return playedFrom_; }

void MusicChannel::close()
{
    playable_ = false;
    clock_.invalidate();
    Locked lock(loop_);
    silence();
    tune_.reset();
}

qint64 MusicChannel::positionMs() const
{
    if (!clock_.isValid())
        return 0;
    const qint64 played = clock_.elapsed();
    return lengthMs_ > 0 ? std::min(played, lengthMs_) : played;
}

void MusicChannel::playFrom(qint64 ms)
{
    silence();
    if (!tune_)
        return;
    tune_->seek(ms);
    playedFrom_ = ms;
    playing_ = true; // where no server answers, the silent sink "plays"
    if (!server_)
        return;
    const pa_sample_spec spec{PA_SAMPLE_S16NE, uint32_t(tune_->sampleRate()), uint8_t(tune_->channels())};
    stream_ = pa_stream_new(server_, "music", &spec, nullptr);
    if (!stream_)
        return;
    pa_buffer_attr queue;
    queue.maxlength = uint32_t(-1);
    queue.tlength = uint32_t(pa_usec_to_bytes(QueueMs * 1000, &spec));
    queue.prebuf = uint32_t(-1);
    queue.minreq = uint32_t(pa_usec_to_bytes(PieceMs * 1000, &spec));
    queue.fragsize = uint32_t(-1);
    pa_stream_set_write_callback(stream_, requested, this);
    if (pa_stream_connect_playback(stream_, nullptr, &queue, PA_STREAM_NOFLAGS, nullptr, nullptr) < 0)
        silence();
}

// What is queued is dropped.
void MusicChannel::silence()
{
    playing_ = false;
    if (!stream_)
        return;
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
}

// On the connection's thread, its lock held: the server has room for
// `bytes`, handed over in pieces no larger than its shared memory's.
void MusicChannel::requested(pa_stream* stream, size_t bytes, void* self)
{
    auto* channel = static_cast<MusicChannel*>(self);
    while (bytes > 0 && channel->tune_) {
        void* room = nullptr;
        size_t piece = bytes;
        if (pa_stream_begin_write(stream, &room, &piece) < 0 || !room)
            return;
        const qint64 got = channel->tune_->read(static_cast<char*>(room), qint64(piece));
        if (got <= 0) { // the end: what is queued plays out
            pa_stream_cancel_write(stream);
            channel->playing_ = false;
            return;
        }
        // The volume is ours, not the server's, which would keep it for the next start.
        auto* samples = static_cast<qint16*>(room);
        for (qint64 i = 0; i < got / 2; ++i)
            samples[i] = qint16(samples[i] * channel->volume_);
        pa_stream_write(stream, room, size_t(got), nullptr, 0, PA_SEEK_RELATIVE);
        bytes -= std::min(bytes, size_t(got));
    }
}
