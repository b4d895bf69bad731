#pragma once
#include <QElapsedTimer>
#include <QString>

#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

class Mp3Decoder;

// The music channel: one MP3 tune decoded and written to the sound server
// by a thread of its own that sleeps while the server's buffer is full, so
// neither it nor the game's thread wakes fifty times a second to top it up.
// The position is the time the tune has been playing, kept on the caller's
// thread; it runs on where no sound server exists, as a silent sink would.
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

private:
    enum class Order { Open, Play, Stop, Close, Quit };
    void give(Order order, std::unique_ptr<Mp3Decoder> tune = nullptr);
    void run(); // the sound thread

    const float volume_;

    // Orders handed from the caller to the sound thread, in turn.
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::pair<Order, std::unique_ptr<Mp3Decoder>>> orders_;
    std::thread thread_;

    // Caller's thread only.
    bool playable_ = false;
    qint64 lengthMs_ = 0;
    QElapsedTimer clock_;
};
