#pragma once
// What both monkeys share: the seeded random player's dice, how long a run
// lasts, the names it types, a timer driver that watches every tick, and a
// look at the files a program left in its folder.
#include "Timer.h"

#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <utility>

namespace monkey {

// Simulated minutes a run lasts: MIBBET_MONKEY_MINUTES, or `fallback`.
inline int minutes(int fallback)
{
    const char* v = std::getenv("MIBBET_MONKEY_MINUTES");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : fallback;
}

// MIBBET_MONKEY_SEED, or a fixed seed so that a failure replays.
inline std::uint32_t seed()
{
    const char* v = std::getenv("MIBBET_MONKEY_SEED");
    return v ? static_cast<std::uint32_t>(std::strtoul(v, nullptr, 10)) : 20261209u;
}

class Dice {
public:
    explicit Dice(std::uint32_t seed) : rng_(seed) {}
    int upTo(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); } // [0, n)
    int between(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }
    double unit() { return std::uniform_real_distribution<double>(0.0, 1.0)(rng_); }
    template <typename T>
    const T& pick(const std::vector<T>& v) { return v[static_cast<std::size_t>(upTo(static_cast<int>(v.size())))]; }
    // Milliseconds a player waits: mostly short, now and then long.
    int pause() { return chance(0.9) ? between(0, 150) : between(150, 4000); }

private:
    std::mt19937 rng_;
};

// What a player may type into a name box: ordinary, empty, long, Chinese,
// and names that try to leave the folder or break the file.
inline QString typedName(Dice& d, const QStringList& earlier)
{
    static const QStringList names = {
        QString(), QStringLiteral(" "), QStringLiteral("小明"), QStringLiteral("第一關存檔"), QStringLiteral("abc"),
        QStringLiteral("A b c"), QStringLiteral(".."), QStringLiteral("../../evil"), QStringLiteral("/etc/passwd"),
        QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("con"), QStringLiteral("*?<>|\""),
        QStringLiteral("%1%2"), QStringLiteral("name\r\nsecond"), QString::fromUtf16(u"nul\0byte", 8),
        QStringLiteral("💥🎮"), QStringLiteral("high"), QStringLiteral("high.tm"), QStringLiteral(".hidden"),
        QStringLiteral("-rf"), QStringLiteral("map1"), QString(300, QChar(0x9577)), QString(2000, QLatin1Char('x')),
        QStringLiteral("\t"), QStringLiteral("名 字"), QStringLiteral("12345"), QStringLiteral("-1"),
        QStringLiteral("99999999999999999999")};
    if (!earlier.isEmpty() && d.chance(0.4))
        return earlier[d.upTo(static_cast<int>(earlier.size()))];
    return names[d.upTo(static_cast<int>(names.size()))];
}

// Wraps a driver and watches every tick: a timer must never tick while its
// own handler runs; `beforeTick` and `afterTick` run around every handler.
class WatchedTimers : public TimerDriver {
public:
    explicit WatchedTimers(TimerDriver& inner) : inner_(inner) {}
    // The timer is given by address only: a handler may free its own timer.
    std::function<void(const std::string& name, const Timer* timer)> beforeTick, afterTick;
    std::uint64_t ticks = 0;

    std::unique_ptr<Timer> create(std::string name, int intervalMs, bool enabled,
                                  std::function<void()> onTick) override
    {
        auto running = std::make_shared<bool>(false);
        auto handler = std::make_shared<std::function<void()>>(std::move(onTick));
        auto self = std::make_shared<const Timer*>(nullptr);
        auto timer = inner_.create(name, intervalMs, enabled, [this, name, running, handler, self] {
            // The handler may free its own timer: keep what is needed here.
            const auto flag = running;
            const auto h = handler;
            const Timer* const t = *self;
            if (*flag)
                ADD_FAILURE() << name << " ticked while its handler was running";
            if (beforeTick)
                beforeTick(name, t);
            *flag = true;
            ++ticks;
            (*h)();
            *flag = false;
            if (afterTick)
                afterTick(name, t);
        });
        *self = timer.get();
        return timer;
    }

private:
    TimerDriver& inner_;
};

// Files below `dir`, relative, sorted.
QStringList filesBelow(const QString& dir);

// The files below a folder that are new or changed (size or time) since the
// last look, relative, sorted: each is read once per version.
class ChangedFiles {
public:
    explicit ChangedFiles(QString root) : root_(std::move(root)) {}
    QStringList next()
    {
        QStringList changed;
        for (const QString& rel : filesBelow(root_)) {
            const QFileInfo fi(root_ + QLatin1Char('/') + rel);
            const QString stamp = QString::number(fi.size()) + QLatin1Char('@') +
                                  QString::number(fi.lastModified().toMSecsSinceEpoch());
            if (std::exchange(seen_[rel], stamp) != stamp)
                changed << rel;
        }
        return changed;
    }
    QString path(const QString& rel) const { return root_ + QLatin1Char('/') + rel; }

private:
    QString root_;
    std::map<QString, QString> seen_;
};

inline QStringList filesBelow(const QString& dir)
{
    QStringList out;
    QDir root(dir);
    std::function<void(const QString&)> walk = [&](const QString& rel) {
        const QDir d(root.filePath(rel));
        for (const QFileInfo& fi : d.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                                   QDir::Name)) {
            const QString r = rel.isEmpty() ? fi.fileName() : rel + QLatin1Char('/') + fi.fileName();
            if (fi.isDir() && !fi.isSymLink())
                walk(r);
            else
                out << r;
        }
    };
    walk(QString());
    return out;
}

} // namespace monkey
