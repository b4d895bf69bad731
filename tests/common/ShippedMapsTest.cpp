#include "MapCheck.h"
#include "StageMapFile.h"
#include "TileCatalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

// Every map the game ships must load and keep the rules the game relies on.
class ShippedMap : public ::testing::TestWithParam<int> {};

TEST_P(ShippedMap, IsPlayable)
{
    const std::string path = std::string(MIBBET_SOURCE_DIR) + "/data/map/map" + std::to_string(GetParam());
    const stagemap::ReadResult r = stagemap::read(path);
    ASSERT_TRUE(r.ok()) << path;
    EXPECT_EQ(r.board(1, 18), 15) << "player start";
    EXPECT_EQ(r.board(13, 3), 15) << "ghost start";
    const auto count = [&](TileCode c) { return std::count(r.board.cells.begin(), r.board.cells.end(), c); };
    EXPECT_GT(count(0) + count(6), 100) << "a stage worth playing";
    for (TileCode c : r.board.cells)
        EXPECT_TRUE(tiles::hasPicture(c)) << "code " << c << " has no picture";

    // Every ball and item can be reached on foot (or through the tunnel), the
    // staircases are a pair, and the ghosts can leave their start cell.
    const mapcheck::Report check = mapcheck::check(r.board);
    EXPECT_TRUE(check.finishable());
    EXPECT_FALSE(check.ghostsWalledIn);
    const auto breaks = mapcheck::leastBreaks(r.board);
    for (int c = 0; c < BoardCols; ++c)
        for (int row = 0; row < BoardRows; ++row)
            if (tiles::isEaten(r.board(c, row)))
                EXPECT_EQ(breaks[c * BoardRows + row], 0) << "pickup out of reach at (" << c << ", " << row << ")";

    // Written in the exact form the editor writes.
    EXPECT_EQ(stagemap::format(r.board).size(), std::filesystem::file_size(path));
}

INSTANTIATE_TEST_SUITE_P(Stages, ShippedMap, ::testing::Range(0, 11));

// The shipped high-score table: 20 lines ended by CR LF, ten named entries
// with plain decimal scores from best to worst. And the shipped base pattern:
// nine lines of nine walls and balls, 99 bytes.
TEST(ShippedFiles, HighScoreTableAndBasePattern)
{
    const auto read = [](const char* name) {
        std::ifstream in(std::string(MIBBET_SOURCE_DIR) + name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string table = read("/data/save/high.tm");
    std::vector<std::string> lines;
    std::size_t at = 0;
    for (std::size_t end; (end = table.find("\r\n", at)) != std::string::npos; at = end + 2)
        lines.push_back(table.substr(at, end - at));
    EXPECT_EQ(at, table.size()) << "every line ends with CR LF";
    ASSERT_EQ(lines.size(), 20u);
    long previous = 1L << 30;
    for (int k = 0; k < 10; ++k) {
        const std::string& name = lines[2 * k];
        const std::string& score = lines[2 * k + 1];
        EXPECT_FALSE(name.empty()) << k;
        EXPECT_EQ(score.find_first_not_of("0123456789"), std::string::npos) << score;
        EXPECT_NE(score.front(), '0') << score;
        EXPECT_LT(std::stol(score), previous) << "best first";
        previous = std::stol(score);
    }

    const std::string pattern = read("/data/map/BaseMaze.bme");
    ASSERT_EQ(pattern.size(), 99u);
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(pattern.substr(row * 11 + 9, 2), "\r\n") << row;
        EXPECT_EQ(pattern.substr(row * 11, 9).find_first_not_of("01"), std::string::npos) << row;
    }
}

} // namespace
