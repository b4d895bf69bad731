#include "HighScoreFile.h"

#include "SafeFile.h"

#include <QDir>

namespace highscores {

QString pathIn(const QString& appDir) { return QDir::toNativeSeparators(appDir + QStringLiteral("/save/high.tm")); }

std::int64_t scoreValue(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t')))
        ++i;
    bool negative = false;
    if (i < line.size() && (line[i] == QLatin1Char('-') || line[i] == QLatin1Char('+')))
        negative = line[i++] == QLatin1Char('-');
    std::int64_t value = 0;
    for (int digits = 0; i < line.size() && line[i].isDigit() && line[i].unicode() < 128; ++i)
        if (++digits <= 15)
            value = value * 10 + (line[i].unicode() - '0');
    return negative ? -value : value;
}

Table parse(const QByteArray& bytes)
{
    QList<QByteArray> lines = bytes.split('\n');
    Table t;
    for (int k = 0; k < Entries; ++k) {
        const auto line = [&](int n) {
            QByteArray l = n < lines.size() ? lines[n] : QByteArray();
            if (l.endsWith('\r'))
                l.chop(1);
            return QString::fromUtf8(l);
        };
        t[k].name = oneLine(line(2 * k));
        t[k].score = scoreValue(line(2 * k + 1));
    }
    return t;
}

Table read(const QString& path) { return parse(safefile::readHead(path)); }

QByteArray format(const Table& table)
{
    QByteArray out;
    for (const Entry& e : table) {
        out += oneLine(e.name).toUtf8() + "\r\n";
        out += QByteArray::number(e.score) + "\r\n";
    }
    return out;
}

QString oneLine(QString name)
{
    name.remove(QLatin1Char('\r'));
    name.remove(QLatin1Char('\n'));
    return name;
}

QString typedName(const QString& typed)
{
    QString name = oneLine(typed).left(MaxNameLength);
    // The name box itself may have cut a pair at its limit.
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    return name;
}

std::optional<int> placeFor(const Table& table, std::int64_t score)
{
    for (int k = 0; k < Entries; ++k)
        if (table[k].score < score)
            return k;
    return std::nullopt;
}

Table inserted(const Table& table, int place, const QString& name, std::int64_t score)
{
    Table t = table;
    for (int k = Entries - 1; k > place; --k)
        t[k] = t[k - 1];
    t[place] = {oneLine(name), score};
    return t;
}

bool write(const QString& path, const Table& table, QString* error)
{
    return safefile::write(path, format(table), error);
}

} // namespace highscores
