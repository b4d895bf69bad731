#pragma once
#include <QElapsedTimer>
#include <QString>

#include <atomic>
#include <memory>

class Mp3Decoder;
struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

// The music channel: one MP3 tune decoded a little at a time, straight into
// the sound server's buffer, on the sound server connection's own thread
// when the server asks for more (a few times a second); neither the game's
// thread nor a timer is woken for it. The position is the time the tune has
// been playing, kept on the caller's thread; it runs on where no sound
// server answers, as a silent sink would.
class MusicChannel {
public:
    explicit MusicChannel(float volume);
    ~MusicChannel();
    MusicChannel(const MusicChannel&) = delete;
    MusicChannel& operator=(const MusicChannel&) = delete;

    void open(const QString& path); // stops what played; a bad file stays silent
    void playFromStart();
    void stop(); // back to the start, still open
    void close();
    qint64 positionMs() const;
    // Switched off, the tune goes silent at once but its time runs on, so
    // switched on again it comes back where it would be.
    void setMuted(bool muted);
    // For tests: whether the tune is playing, and from which point it last
    // started.
    bool audible() const;
    qint64 playedFromMs() const;

private:
    // With the connection's thread held off (its lock taken).
    void playFrom(qint64 ms);
    void silence();
    static void requested(pa_stream* stream, size_t bytes, void* self);

    const float volume_;
    pa_threaded_mainloop* loop_ = nullptr;
    pa_context* server_ = nullptr; // null where no sound server answers

    // Under the connection's lock.
    std::unique_ptr<Mp3Decoder> tune_;
    pa_stream* stream_ = nullptr;

    // Read by tests.
    std::atomic<bool> playing_ = false;
    std::atomic<qint64> playedFrom_ = 0;

    // Caller's thread only.
    bool muted_ = false;
    bool playable_ = false;
    qint64 lengthMs_ = 0;
    QElapsedTimer clock_;
};
