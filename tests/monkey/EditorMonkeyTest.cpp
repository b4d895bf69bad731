// A seeded random designer drives the level editor's model and its base
// pattern window: palette picks, presses on and off the board, fills,
// generations, saves, loads, undo and redo. After every event the board's
// picture shows the board, and every map in map/ reads in the game.
#include "BaseMazeForm.h"
#include "BasePattern.h"
#include "EditorModel.h"
#include "StageMapFile.h"
#include "TileCatalogue.h"
#include "TilePictures.h"

#include "Monkey.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <iostream>
#include <map>

namespace {

using monkey::Dice;

class MonkeyDesigner : public EditorHost {
public:
    MonkeyDesigner(Dice& dice, QString dir) : dice_(dice), dir_(std::move(dir)) {}
    QStringList namesTyped;
    std::uint64_t boxes = 0;

    QString lastTyped, lastMessage;

    void MsgBox(const QString& text, const QString&) override
    {
        ++boxes;
        lastMessage = text;
    }
    bool AskYesNo(const QString&, const QString&) override
    {
        ++boxes;
        return dice_.chance(0.5);
    }
    QString InputBox(const QString&, const QString&) override
    {
        ++boxes;
        if (dice_.chance(0.1))
            return {};
        // Mostly the game's own stage numbers, so that saves and loads meet.
        const QString name = dice_.chance(0.6) ? QString::number(dice_.between(0, 12))
                                               : monkey::typedName(dice_, namesTyped);
        if (!name.isEmpty() && namesTyped.size() < 40 && !namesTyped.contains(name))
            namesTyped << name;
        lastTyped = name;
        return name;
    }
    double Rnd() override { return dice_.unit(); }
    void Randomize() override {}
    QString AppDir() const override { return dir_; }

private:
    Dice& dice_;
    QString dir_;
};

// What a designer types into the fill boxes.
QString typedValue(Dice& d)
{
    static const QStringList values = {
        QString(), QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("15"),
        QStringLiteral("80"), QStringLiteral("81"), QStringLiteral("122"), QStringLiteral("-1"),
        QStringLiteral("32768"), QStringLiteral("1e9"), QStringLiteral("2.5"), QStringLiteral(" 7 "),
        QStringLiteral("abc"), QStringLiteral("七"), QStringLiteral("nan"), QStringLiteral("inf"),
        QStringLiteral("0x10"), QString(500, QLatin1Char('9'))};
    return d.chance(0.5) ? QString::number(d.between(-5, 130)) : values[d.upTo(static_cast<int>(values.size()))];
}

class EditorMonkey {
public:
    explicit EditorMonkey(std::uint32_t seed) : dice_(seed)
    {
        app_ = root_.path() + QStringLiteral("/app");
        QDir().mkpath(app_ + QStringLiteral("/map"));
        for (const QString& f : QDir(QStringLiteral(MIBBET_SOURCE_DIR "/data/map")).entryList(QDir::Files))
            QFile::copy(QStringLiteral(MIBBET_SOURCE_DIR "/data/map/") + f, app_ + QStringLiteral("/map/") + f);
        designer_ = std::make_unique<MonkeyDesigner>(dice_, app_);
        model_ = std::make_unique<EditorModel>(*designer_);
        form_ = std::make_unique<BaseMazeForm>(*designer_);
    }

    std::uint64_t play(std::uint64_t events)
    {
        for (; events_ < events && !::testing::Test::HasFatalFailure() && failures_ < 5; ++events_) {
            act();
            check();
        }
        return events_;
    }

    std::uint64_t boxes() const { return designer_->boxes; }
    int mapsRead() const { return mapsRead_; }
    int checkedMaps() const { return checkedMaps_; }

private:
    void act()
    {
        EditorModel& m = *model_;
        const int r = dice_.upTo(100);
        if (r < 15) {
            static const int buttons[] = {EditorModel::LeftButton, EditorModel::RightButton, EditorModel::MiddleButton};
            const auto& groups = EditorModel::palette();
            const auto& group = groups[static_cast<std::size_t>(dice_.upTo(static_cast<int>(groups.size())))];
            const auto& column = dice_.pick(group.columns);
            lastAction_ = "pick";
            m.pick(buttons[dice_.upTo(3)], dice_.pick(column));
        } else if (r < 55) {
            const bool on = dice_.chance(0.9);
            lastAction_ = "press";
            m.paintAt(dice_.chance(0.6) ? EditorModel::LeftButton : dice_.between(0, 7),
                      on ? dice_.unit() * 7800 : dice_.between(-5000, 13000),
                      on ? dice_.unit() * 6000 : dice_.between(-5000, 11000));
        } else if (r < 62) {
            lastAction_ = "fill";
            m.Command2_Click(typedValue(dice_), typedValue(dice_));
        } else if (r < 67) {
            lastAction_ = "generate";
            m.Command1_Click();
        } else if (r < 72) {
            lastAction_ = "save";
            designer_->lastMessage.clear();
            m.SaveFile_Click();
            if (designer_->lastMessage == QStringLiteral("存檔成功!!!"))
                expectFileHolds(m.EdBoard, "saved");
        } else if (r < 76) {
            designer_->lastMessage.clear();
            lastAction_ = "load";
            m.LoadFile_Click();
            if (designer_->lastMessage == QStringLiteral("取出檔案成功!!!"))
                expectFileHolds(m.EdBoard, "loaded");
        } else if (r < 82) {
            lastAction_ = "undo";
            m.undo.undo();
        } else if (r < 86) {
            lastAction_ = "redo";
            m.undo.redo();
        } else if (r < 90) {
            lastAction_ = "undo and redo";
            // A step undone and done again leaves the board as it was.
            const Board before = m.EdBoard;
            const bool could = m.undo.canUndo();
            m.undo.undo();
            m.undo.redo();
            if (could && !(m.EdBoard == before))
                fail(QStringLiteral("undo and redo changed the board"));
        } else {
            lastAction_ = "base pattern window";
            baseForm();
        }
    }

    // The base pattern window: load, cells, all walls, all balls, save, close.
    void baseForm()
    {
        BaseMazeForm& f = *form_;
        switch (dice_.upTo(7)) {
        case 0: if (f.command1Enabled) f.Command1_Click(); break;
        case 1:
        case 2: if (f.loaded()) f.Cmd_Click(dice_.between(-2, 82)); break;
        case 3: if (f.command2Enabled) f.Command2_Click(); break;
        case 4: if (f.command3Enabled) f.Command3_Click(); break;
        case 5: if (f.command4Enabled) f.Command4_Click(); break;
        default:
            if (f.Form_Unload()) // a pattern that could not be saved keeps its window
                form_ = std::make_unique<BaseMazeForm>(*designer_); // the window is made anew next time
            break;
        }
    }

    // A cell the editor has not drawn since it started.
    static const QImage& undrawn()
    {
        static const QImage black = [] {
            QImage i(20, 20, QImage::Format_RGB32);
            i.fill(Qt::black);
            return i;
        }();
        return black;
    }

    // A save or load that said so leaves the named file and the board equal.
    void expectFileHolds(const Board& board, const char* what)
    {
        const stagemap::ReadResult r =
            stagemap::read(QFile::encodeName(model_->mapPath(designer_->lastTyped)).toStdString());
        if (!r.ok() || !(r.board == board))
            fail(QStringLiteral("the map %1 as \"%2\" is not the board").arg(QLatin1String(what), designer_->lastTyped));
        ++checkedMaps_;
    }

    void check()
    {
        const EditorModel& m = *model_;
        // The picture shows the board (or nothing yet): three cells a time, at random.
        const TilePictures& pics = TilePictures::forScale(1);
        for (int k = 0; k < 3; ++k) {
            const int c = dice_.upTo(BoardCols), r = dice_.upTo(BoardRows);
            const TileCode code = m.EdBoard(c, r);
            if (!tiles::hasPicture(code)) {
                fail(QStringLiteral("cell (%1, %2) holds code %3, which has no picture").arg(c).arg(r).arg(code));
                continue;
            }
            // A narrower picture leaves the rest of its cell as it was.
            const int w = tiles::pictureWidth(code);
            const QImage shown = m.FG.copy(c * 20, r * 20, w, 20);
            if (shown != pics.picture(code).copy(0, 0, w, 20) && shown != undrawn().copy(0, 0, w, 20))
                fail(QStringLiteral("cell (%1, %2) does not show code %3").arg(c).arg(r).arg(code));
        }
        checkFiles();
    }

    // Every map file reads in the game; the base pattern reads; nothing
    // appears outside map/.
    void checkFiles()
    {
        for (const QString& rel : files_.next()) {
            if (rel == QLatin1String("app/map/BaseMaze.bme")) {
                QList<QByteArray> lines;
                if (!basepattern::readLines(files_.path(rel), &lines))
                    fail(QStringLiteral("the base pattern cannot be read"));
            } else if (rel.startsWith(QLatin1String("app/map/map")) && !rel.mid(8).contains(QLatin1Char('/'))) {
                ++mapsRead_;
                if (!stagemap::read(QFile::encodeName(files_.path(rel)).toStdString()).ok())
                    fail(QStringLiteral("%1 does not read in the game").arg(rel));
            } else {
                fail(QStringLiteral("%1 should not be there").arg(rel));
            }
        }
    }

    void fail(const QString& what)
    {
        ++failures_;
        ADD_FAILURE() << "event " << events_ << " (" << lastAction_ << "): " << what.toStdString();
    }

    Dice dice_;
    QTemporaryDir root_;
    QString app_;
    std::unique_ptr<MonkeyDesigner> designer_;
    std::unique_ptr<EditorModel> model_;
    std::unique_ptr<BaseMazeForm> form_;
    monkey::ChangedFiles files_{root_.path()};
    std::uint64_t events_ = 0;
    const char* lastAction_ = "";
    int failures_ = 0, mapsRead_ = 0, checkedMaps_ = 0;
};

// The editor has no clock: a simulated minute is taken as 600 events, a
// designer's pace. MIBBET_MONKEY_MINUTES=60 gives 36 000.
TEST(EditorMonkey, EditsWithoutLosingAMap)
{
    const int minutes = monkey::minutes(10);
    EditorMonkey e(monkey::seed());
    const std::uint64_t events = e.play(std::uint64_t(minutes) * 600);
    std::cout << "[ monkey ] editor: " << minutes << " min, " << events << " events, " << e.boxes() << " boxes, "
              << e.mapsRead() << " map files read, " << e.checkedMaps() << " saves and loads compared" << std::endl;
    EXPECT_GT(e.checkedMaps(), 0);
}

} // namespace
