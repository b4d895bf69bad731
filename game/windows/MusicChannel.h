#pragma once
#include <QByteArray>
#include <QElapsedTimer>
#include <QString>
#include <QThread>

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

private:
    // Runs a job on the sound thread; everything the jobs touch lives there.
    void onSoundThread(std::function<void()> job);
    void feed(std::shared_ptr<Mp3Decoder> tune);
    void rewindAndPlay();
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

    // Caller's thread only.
    bool playable_ = false;
    qint64 lengthMs_ = 0;
    QElapsedTimer clock_;
};
