#include "SavedGameFile.h"

#include "FileNames.h"

#include <QList>

#include <limits>

namespace savedgame {

namespace {

constexpr int Cell = 300;              // twips
constexpr int LastX = (BoardCols - 1) * Cell;
constexpr int LastY = (BoardRows - 1) * Cell;
constexpr int PlayerStep = 50;         // twips the character moves per step

class Reader {
public:
    explicit Reader(const QByteArray& bytes) : lines_(bytes.split('\n')) {}

    bool failed() const { return problem_.line != 0; }
    const Problem& problem() const { return problem_; }

    // A whole number in [low, high]; `what` names the value in a complaint.
    std::int64_t number(std::int64_t low, std::int64_t high, const char* what)
    {
        const QByteArray text = next();
        if (failed())
            return 0;
        bool ok = false;
        const qlonglong v = text.toLongLong(&ok);
        const bool plain = ok && !text.isEmpty() && !text.startsWith('+') && text.trimmed() == text;
        if (!plain)
            fail(QStringLiteral("「%1」不是整數。").arg(shown(text)));
        else if (v < low || v > high)
            fail(QStringLiteral("%1 %2 超出範圍（%3 到 %4）。").arg(QString::fromUtf8(what)).arg(v).arg(low).arg(high));
        return failed() ? 0 : v;
    }
    std::int16_t int16(std::int64_t low, std::int64_t high, const char* what)
    {
        return static_cast<std::int16_t>(number(low, high, what));
    }
    std::int16_t int16(const char* what) { return int16(-32768, 32767, what); }

    QString string()
    {
        const QByteArray text = next();
        if (failed())
            return {};
        if (text.size() < 2 || !text.startsWith('"') || !text.endsWith('"')) {
            fail(QStringLiteral("「%1」不是用雙引號括住的文字。").arg(shown(text)));
            return {};
        }
        return QString::fromUtf8(text.mid(1, text.size() - 2)).remove(QLatin1Char('\r'));
    }

    bool boolean()
    {
        const QByteArray text = next();
        if (failed())
            return false;
        if (text != "#TRUE#" && text != "#FALSE#")
            fail(QStringLiteral("「%1」不是 #TRUE# 或 #FALSE#。").arg(shown(text)));
        return text == "#TRUE#";
    }

    void fail(const QString& what)
    {
        if (!failed())
            problem_ = {line_, what};
    }

private:
    QByteArray next()
    {
        if (failed())
            return {};
        ++line_;
        // A file ends with the line break of its last line, so the piece
        // after the last LF is no line of its own.
        const bool last = line_ == lines_.size();
        if (line_ > lines_.size() || (last && lines_.back().isEmpty())) {
            problem_ = {line_, QStringLiteral("檔案在這裡就結束了，紀錄檔需要 %1 行。").arg(Lines)};
            return {};
        }
        QByteArray text = lines_[line_ - 1];
        if (text.endsWith('\r'))
            text.chop(1);
        return text;
    }
    static QString shown(const QByteArray& text)
    {
        QString s = QString::fromUtf8(text.left(40));
        return text.size() > 40 ? s + QStringLiteral("…") : s;
    }

    QList<QByteArray> lines_;
    int line_ = 0;
    Problem problem_;
};

QByteArray quoted(const QString& s)
{
    QString one = s;
    one.remove(QLatin1Char('\r'));
    one.remove(QLatin1Char('\n'));
    return '"' + one.toUtf8() + '"';
}

} // namespace

ParseResult parse(const QByteArray& bytes)
{
    Reader in(bytes);
    Record r;
    r.Level = in.int16(1, 16, "等級");
    r.Lives = in.int16(0, 32767, "生命數");
    r.SprX = in.int16(0, LastX, "角色的橫向位置");
    if (!in.failed() && r.SprX % PlayerStep != 0)
        in.fail(QStringLiteral("角色的橫向位置 %1 不在角色能走到的位置上。").arg(r.SprX));
    r.SprY = in.int16(0, LastY, "角色的縱向位置");
    if (!in.failed() && r.SprY % PlayerStep != 0)
        in.fail(QStringLiteral("角色的縱向位置 %1 不在角色能走到的位置上。").arg(r.SprY));
    r.HideSec = in.int16(0, 32767, "隱形秒數");
    r.PP = in.int16(0, 32767, "PP 值");
    r.StageNo = in.int16(0, 10, "關卡");
    r.Score = static_cast<std::int32_t>(
        in.number(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max(), "分數"));
    r.musicFile = in.string();
    r.ModeName = in.string();
    r.GhoAddNum = in.int16(0, 32767, "每關增加的鬼數");
    r.GhoBaseNum = in.int16(0, 32767, "鬼的基本數量");
    r.LsCost = in.int16(0, 32767, "雷射的 PP 消耗");
    r.GhoMvBase = in.int16(1, 32767, "鬼的移動週期");
    r.GhoMvStep = in.int16(0, 32767, "鬼每關加快的毫秒數");
    // Every stage up to the last must leave the ghosts a period to move by.
    if (!in.failed() && r.GhoMvBase - 9 * r.GhoMvStep < 1)
        in.fail(QStringLiteral("鬼每關加快 %1 毫秒，到第 10 關時會沒有移動週期。").arg(r.GhoMvStep));
    for (Ghost& g : r.ghosts) {
        g.Alive = in.boolean();
        g.X = in.int16(0, LastX, "鬼的橫向位置");
        if (!in.failed() && g.X % Cell != 0)
            in.fail(QStringLiteral("鬼的橫向位置 %1 不在格子上。").arg(g.X));
        g.Y = in.int16(0, LastY, "鬼的縱向位置");
        if (!in.failed() && g.Y % Cell != 0)
            in.fail(QStringLiteral("鬼的縱向位置 %1 不在格子上。").arg(g.Y));
        g.Kind = in.int16(0, 2, "鬼的種類");
    }
    for (TileCode& code : r.board.cells)
        code = in.int16("圖塊代碼");
    ParseResult result;
    if (in.failed())
        result.problem = in.problem();
    else
        result.record = r;
    return result;
}

QByteArray format(const Record& r)
{
    QByteArray out;
    const auto line = [&](const QByteArray& text) { out += text + "\r\n"; };
    const auto number = [&](std::int64_t v) { line(QByteArray::number(static_cast<qlonglong>(v))); };
    for (std::int64_t v : {std::int64_t{r.Level}, std::int64_t{r.Lives}, std::int64_t{r.SprX}, std::int64_t{r.SprY},
                           std::int64_t{r.HideSec}, std::int64_t{r.PP}, std::int64_t{r.StageNo}, std::int64_t{r.Score}})
        number(v);
    line(quoted(r.musicFile));
    line(quoted(r.ModeName));
    for (std::int16_t v : {r.GhoAddNum, r.GhoBaseNum, r.LsCost, r.GhoMvBase, r.GhoMvStep})
        number(v);
    for (const Ghost& g : r.ghosts) {
        line(g.Alive ? "#TRUE#" : "#FALSE#");
        number(g.X - g.X % Cell);
        number(g.Y - g.Y % Cell);
        number(g.Kind);
    }
    for (TileCode code : r.board.cells)
        number(code);
    return out;
}

QString nameProblem(const QString& name) { return filenames::problem(name, QStringLiteral(".rgm")); }

} // namespace savedgame
