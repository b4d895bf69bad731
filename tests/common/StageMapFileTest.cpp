#include "StageMapFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include <sys/resource.h>

namespace {

std::string lines(const std::vector<std::string>& values, const char* sep = "\r\n")
{
    std::string s;
    for (const auto& v : values)
        s += v + sep;
    return s;
}

Board counting()
{
    Board b;
    for (int i = 0; i < BoardCells; ++i)
        b.cells[i] = static_cast<TileCode>(i % 123 - 3);
    return b;
}

TEST(StageMapFormat, RecordsAreColumnMajorWithCrLfAfterEach)
{
    Board b;
    b(0, 0) = 1;
    b(0, 19) = 2;
    b(1, 0) = 3;
    b(25, 19) = -45;
    const std::string text = stagemap::format(b);
    std::vector<std::string> recs;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        ASSERT_NE(end, std::string::npos) << "every record ends with CR LF";
        recs.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    ASSERT_EQ(recs.size(), 520u);
    EXPECT_EQ(recs[0], "1");
    EXPECT_EQ(recs[19], "2");
    EXPECT_EQ(recs[20], "3");
    EXPECT_EQ(recs[519], "-45");
    // Length: the digits of all numbers plus two bytes per record.
    EXPECT_EQ(text.size(), 1u + 1u + 1u + 3u + 516u + 1040u);
    EXPECT_EQ(text.find('\n'), 2u);
}

TEST(StageMapFormat, FirstTwentyRecordsFillColumnZero)
{
    std::vector<std::string> v(520, "0");
    for (int i = 0; i < 20; ++i)
        v[i] = "1";
    const auto r = stagemap::parse(lines(v));
    ASSERT_TRUE(r.ok());
    for (int c = 0; c < BoardCols; ++c)
        for (int row = 0; row < BoardRows; ++row)
            EXPECT_EQ(r.board(c, row), c == 0 ? 1 : 0);
}

TEST(StageMapFormat, RoundTripKeepsEveryCode)
{
    const Board b = counting();
    const auto r = stagemap::parse(stagemap::format(b));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.board, b);

    Board extremes;
    extremes.cells.fill(-32768);
    extremes(10, 10) = 32767;
    EXPECT_EQ(stagemap::parse(stagemap::format(extremes)).board, extremes);
}

TEST(StageMapFormat, SeparatorsAndTrailingLinesDoNotMatter)
{
    const Board b = counting();
    std::vector<std::string> v;
    for (TileCode c : b.cells)
        v.push_back(std::to_string(c));
    for (const char* sep : {",", " ", "\n", "\t", ", ", "\r\n"}) {
        SCOPED_TRACE(sep);
        const auto r = stagemap::parse(lines(v, sep));
        ASSERT_TRUE(r.ok());
        EXPECT_EQ(r.board, b);
    }
    // Anything after the 520th value is not read, even rubbish.
    const auto r = stagemap::parse(lines(v) + "99\r\nnot a number\r\n\r\n");
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.board, b);
    // A byte-order mark and leading blanks are skipped; the last value needs no line end.
    for (const char* start : {"\xEF\xBB\xBF", "\xEF\xBB\xBF \r\n"}) {
        std::string last = start + lines(v);
        last.resize(last.size() - 2);
        EXPECT_EQ(stagemap::parse(last).board, b);
    }
}

TEST(StageMapFormat, DamagedFilesAreRefusedWithAReason)
{
    std::vector<std::string> v(520, "15");
    EXPECT_EQ(stagemap::parse("").error, stagemap::ReadError::TooFewValues);
    auto shortFile = stagemap::parse(lines({v.begin(), v.begin() + 519}));
    EXPECT_EQ(shortFile.error, stagemap::ReadError::TooFewValues);
    EXPECT_EQ(shortFile.valuesRead, 519);

    for (const char* bad : {"1.5", "abc", "-", "+", "12x", "0x10", "1e3", "--1", "+-1", "++1", "\xEF\xBB\xBF"}) {
        SCOPED_TRACE(bad);
        auto w = v;
        w[100] = bad;
        const auto r = stagemap::parse(lines(w));
        EXPECT_EQ(r.error, stagemap::ReadError::NotANumber);
        EXPECT_EQ(r.valuesRead, 100);
        EXPECT_EQ(r.badValue, bad);
    }
    for (const char* big : {"32768", "-32769", "99999999999999999999999"}) {
        SCOPED_TRACE(big);
        auto w = v;
        w[7] = big;
        const auto r = stagemap::parse(lines(w));
        EXPECT_EQ(r.error, stagemap::ReadError::OutOfRange);
        EXPECT_EQ(r.valuesRead, 7);
        EXPECT_EQ(r.badValue, big);
    }
    // The reason quotes a long value by its first 24 characters.
    for (const char* longOne : {"123456789012345678901234567890", "abcdefghijklmnopqrstuvwxyz"}) {
        auto w = v;
        w[3] = longOne;
        EXPECT_EQ(stagemap::parse(lines(w)).badValue, std::string(longOne).substr(0, 24));
    }
    auto w = v;
    w[0] = "+7";
    w[1] = "-0";
    w[2] = "007";
    w[3] = "-32768";
    w[4] = "+32767";
    const auto r = stagemap::parse(lines(w));
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.board.cells[0], 7);
    EXPECT_EQ(r.board.cells[1], 0);
    EXPECT_EQ(r.board.cells[2], 7);
    EXPECT_EQ(r.board.cells[3], -32768);
    EXPECT_EQ(r.board.cells[4], 32767);
}

class StageMapFiles : public ::testing::Test {
protected:
    static std::set<std::string> namesIn(const std::filesystem::path& folder)
    {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(folder))
            names.insert(e.path().filename().string());
        return names;
    }
    std::filesystem::path dir = std::filesystem::temp_directory_path() /
                                ("stagemap-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                 "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { std::filesystem::create_directories(dir); }
    void TearDown() override { std::filesystem::remove_all(dir); }
};

TEST_F(StageMapFiles, WriteThenReadIsExact)
{
    const Board b = counting();
    const std::string path = (dir / "map10").string();
    ASSERT_TRUE(stagemap::write(path, b));
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    EXPECT_EQ(ss.str(), stagemap::format(b));
    EXPECT_EQ(stagemap::read(path).board, b);
    EXPECT_EQ(namesIn(dir), std::set<std::string>{"map10"}) << "no scratch file is left";
}

TEST_F(StageMapFiles, MissingFolderOrFileFailsWithoutHarm)
{
    EXPECT_EQ(stagemap::read((dir / "nothing").string()).error, stagemap::ReadError::CannotOpen);
    EXPECT_EQ(stagemap::read(dir.string()).error, stagemap::ReadError::CannotOpen);
    std::ofstream(dir / "no") << "a file where the folder should be";
    QString why;
    EXPECT_FALSE(stagemap::write((dir / "no" / "map1").string(), Board{}, &why));
    EXPECT_FALSE(why.isEmpty());
    // Maps whose names look like scratch files stay as they are.
    const std::string path = (dir / "map1").string();
    for (const char* other : {"map1.part", "map1.tmp", "map1.AbC123"})
        ASSERT_TRUE(stagemap::write((dir / other).string(), Board{}));
    ASSERT_TRUE(stagemap::write(path, counting()));
    ASSERT_TRUE(stagemap::write(path, counting()));
    for (const char* other : {"map1.part", "map1.tmp", "map1.AbC123"})
        EXPECT_EQ(stagemap::read((dir / other).string()).board, Board{}) << other;
    // A full disk: the old map stays, and nothing is left behind.
    const auto before = namesIn(dir);
    rlimit limit{}, small{};
    getrlimit(RLIMIT_FSIZE, &limit);
    small = limit;
    small.rlim_cur = 100;
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(stagemap::write(path, Board{}));
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(stagemap::read(path).board, counting());
    EXPECT_EQ(namesIn(dir), before);
    // A folder where the map should go: nothing is replaced or left behind.
    const std::string folder = (dir / "map2").string();
    std::filesystem::create_directories(folder + "/inside");
    EXPECT_FALSE(stagemap::write(folder, Board{}));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "/inside"));
    EXPECT_EQ(namesIn(dir).size(), before.size() + 1);
}

// Only the first 4 MiB of a file are looked at: values beyond are not read,
// and everything before them is, to the last character.
TEST_F(StageMapFiles, HugeFilesAreReadOnlySoFar)
{
    const std::string path = (dir / "map3").string();
    std::string text(4 * 1024 * 1024, ' ');
    text += stagemap::format(counting());
    std::ofstream(path, std::ios::binary) << text;
    const auto r = stagemap::read(path);
    EXPECT_EQ(r.error, stagemap::ReadError::TooFewValues);
    EXPECT_EQ(r.valuesRead, 0);
    text.erase(0, 1);
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    const auto cut = stagemap::read(path); // one character of the first value, "-3"
    EXPECT_EQ(cut.error, stagemap::ReadError::NotANumber);
    EXPECT_EQ(cut.badValue, "-");
    // And a file of one character is read to its end too.
    std::ofstream(path, std::ios::binary | std::ios::trunc) << "7";
    EXPECT_EQ(stagemap::read(path).valuesRead, 1);
}

} // namespace
