// The base pattern comes from the designer's folder: whatever its bytes, the
// pattern window loads it, and saving what it loaded gives a file that means
// the same maze and shows the same text.
#include "BaseMazeForm.h"
#include "BasePattern.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <array>
#include <cstdlib>

namespace {

class QuietHost : public EditorHost {
public:
    explicit QuietHost(QString dir) : dir_(std::move(dir)) {}
    void MsgBox(const QString&, const QString&) override { ++boxes; }
    bool AskYesNo(const QString&, const QString&) override { return false; }
    QString InputBox(const QString&, const QString&) override { return {}; }
    double Rnd() override { return 0; }
    void Randomize() override {}
    QString AppDir() const override { return dir_; }
    int boxes = 0;

private:
    QString dir_;
};

// What the maze generator takes from the lines: rows 0..9, columns 0..8.
std::array<int, 90> meaning(const QList<QByteArray>& lines)
{
    std::array<int, 90> v{};
    for (int row = 0; row < std::min<int>(lines.size(), 10); ++row)
        for (int col = 0; col < basepattern::Size; ++col)
            v[static_cast<std::size_t>(row * 9 + col)] = basepattern::cellValue(lines[row], col);
    return v;
}

QList<QByteArray> linesOnDisk(const QString& path)
{
    QList<QByteArray> lines;
    if (!basepattern::readLines(path, &lines))
        std::abort();
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size)
{
    // In memory where there is a tmpfs: every save is put on disk, which on a
    // real disk would slow the fuzzer down to a few runs a second.
    static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm/base-pattern-XXXXXX")
                                                                      : QDir::tempPath() + QStringLiteral("/base-pattern-XXXXXX"));
    static const bool made = QDir(dir.path()).mkpath(QStringLiteral("map"));
    if (!made)
        std::abort();
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QList<QByteArray> lines = basepattern::splitLines(bytes);
    for (const QByteArray& line : lines) {
        if (line.contains('\n'))
            std::abort();
        for (int i = -1; i <= line.size(); ++i)
            if (basepattern::cellValue(line, i) < 0 || basepattern::cellValue(line, i) > 9)
                std::abort();
    }

    const QString path = basepattern::pathIn(dir.path());
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        std::abort();
    f.close();

    QuietHost host(dir.path());
    BaseMazeForm first(host);
    first.Command1_Click();
    if (!first.loaded() || host.boxes != 0)
        std::abort();
    const QString text = first.Text1;
    first.Command4_Click(); // saves what it loaded
    if (host.boxes != 0 || first.loaded())
        std::abort();
    if (meaning(linesOnDisk(path)) != meaning(lines))
        std::abort();
    BaseMazeForm again(host);
    again.Command1_Click();
    if (again.Text1 != text)
        std::abort();
    return 0;
}
