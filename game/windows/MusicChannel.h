#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

#include <atomic>
#include <functional>
#include <memory>

class Mp3Decoder;
class QAudioSink;
class QIODevice;
class QTimer;

// The music channel: one MP3 tune decoded a little at a time and fed to the
// sound device from a thread of its own, so the game's thread is never woken
// to top up the sound buffer. The position is the time the tune has been
// playing, kept on the caller's thread; it runs on where no sound device
// exists, as a silent sink would.
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
    // started (both a moment after the call that changes them).
    bool audible() const;
    qint64 playedFromMs() const;

private:
    // Runs a job on the sound thread; everything the jobs touch lives there.
    void onSoundThread(std::function<void()> job);
    void feed(std::shared_ptr<Mp3Decoder> tune);
    void playFrom(qint64 ms);
    void silence();
    void topUp();
    void halt();

    const float volume_;
    QThread thread_;
    QObject* soundContext_ = nullptr; // lives on the sound thread

    // Sound thread only.
    std::shared_ptr<Mp3Decoder> tune_;
    QAudioSink* sink_ = nullptr;
    QIODevice* device_ = nullptr;
    QTimer* topUpTimer_ = nullptr;
    QByteArray piece_; // the decoded piece being handed over

    // Read by tests on the caller's thread.
    std::atomic<bool> playing_ = false;
    std::atomic<qint64> playedFrom_ = 0;

    // Caller's thread only.
    bool muted_ = false;
    bool playable_ = false;
    qint64 lengthMs_ = 0;
    QElapsedTimer clock_;
};
