#include "MusicChannel.h"

#include "Mp3Decoder.h"

#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include <algorithm>

namespace {

// Half a second queued at the device, topped up every 150 ms.
constexpr int QueueMs = 500, TopUpMs = 150;

} // namespace

MusicChannel::MusicChannel(float volume) : volume_(volume)
{
    thread_.setObjectName(QStringLiteral("music"));
    thread_.start();
    soundContext_ = new QObject;
    soundContext_->moveToThread(&thread_);
}

MusicChannel::~MusicChannel()
{
    QMetaObject::invokeMethod(
        soundContext_,
        [this] {
            halt();
            delete soundContext_;
        },
        Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

void MusicChannel::onSoundThread(std::function<void()> job)
{
    QMetaObject::invokeMethod(soundContext_, std::move(job), Qt::QueuedConnection);
}

void MusicChannel::open(const QString& path)
{
    auto tune = std::make_shared<Mp3Decoder>();
    playable_ = tune->open(path);
    lengthMs_ = tune->lengthMs();
    clock_.invalidate();
    if (!playable_)
        tune.reset();
    onSoundThread([this, tune] { feed(tune); });
}

void MusicChannel::playFromStart()
{
    if (!playable_)
        return;
    clock_.start();
    if (!muted_)
        onSoundThread([this] { playFrom(0); });
}

void MusicChannel::stop()
{
    clock_.invalidate();
    onSoundThread([this] { silence(); });
}

void MusicChannel::setMuted(bool muted)
{
    if (muted == muted_)
        return;
    muted_ = muted;
    if (muted) {
        onSoundThread([this] { silence(); });
        return;
    }
    const qint64 at = positionMs();
    if (playable_ && clock_.isValid() && (lengthMs_ <= 0 || at < lengthMs_))
        onSoundThread([this, at] { playFrom(at); });
}

bool MusicChannel::audible() const { return playing_; }

qint64 MusicChannel::playedFromMs() const { return playedFrom_; }

void MusicChannel::close()
{
    playable_ = false;
    clock_.invalidate();
    onSoundThread([this] { halt(); });
}

qint64 MusicChannel::positionMs() const
{
    if (!clock_.isValid())
        return 0;
    const qint64 played = clock_.elapsed();
    return lengthMs_ > 0 ? std::min(played, lengthMs_) : played;
}

void MusicChannel::feed(std::shared_ptr<Mp3Decoder> tune)
{
    halt();
    tune_ = std::move(tune);
    if (!tune_)
        return;
    QAudioFormat format;
    format.setSampleRate(tune_->sampleRate());
    format.setChannelCount(tune_->channels());
    format.setSampleFormat(QAudioFormat::Int16);
    sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format);
    sink_->setVolume(volume_);
    sink_->setBufferSize(format.bytesForDuration(QueueMs * 1000));
    topUpTimer_ = new QTimer(sink_);
    topUpTimer_->setInterval(TopUpMs);
    QObject::connect(topUpTimer_, &QTimer::timeout, sink_, [this] { topUp(); });
}

void MusicChannel::playFrom(qint64 ms)
{
    if (!sink_)
        return;
    silence();
    tune_->seek(ms);
    playedFrom_ = ms;
    playing_ = true; // where no device exists, the silent sink "plays"
    device_ = sink_->start();
    if (!device_) // no sound device: nothing to feed
        return;
    topUp();
    topUpTimer_->start();
}

// What is queued is dropped.
void MusicChannel::silence()
{
    playing_ = false;
    if (topUpTimer_)
        topUpTimer_->stop();
    if (sink_)
        sink_->stop();
    device_ = nullptr;
}

void MusicChannel::topUp()
{
    if (!device_)
        return;
    // Whole frames only: the decoder gives nothing for less than one, and
    // nothing means the end of the tune.
    const qsizetype frame = 2 * tune_->channels();
    const qsizetype room = sink_->bytesFree() / frame * frame;
    if (room <= 0)
        return;
    piece_.resize(room); // kept between top-ups: no allocation once it has grown
    const qint64 got = tune_->read(piece_.data(), room);
    if (got > 0)
        device_->write(piece_.constData(), got);
    else {
        topUpTimer_->stop(); // the end: what is queued plays out
        playing_ = false;
    }
}

void MusicChannel::halt()
{
    playing_ = false;
    delete sink_; // its timer goes with it
    sink_ = nullptr;
    topUpTimer_ = nullptr;
    device_ = nullptr;
    tune_.reset();
}
