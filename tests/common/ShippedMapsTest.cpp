#include "StageMapFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

namespace {

// Every map the game ships must load and keep the rules the game relies on.
class ShippedMap : public ::testing::TestWithParam<int> {};

TEST_P(ShippedMap, LoadsAndKeepsTheStartCellsAndTunnelRule)
{
    const std::string path = std::string(MIBBET_SOURCE_DIR) + "/data/map/map" + std::to_string(GetParam());
    const stagemap::ReadResult r = stagemap::read(path);
    ASSERT_TRUE(r.ok()) << path;
    EXPECT_EQ(r.board(1, 18), 15) << "player start";
    EXPECT_EQ(r.board(13, 3), 15) << "ghost start";
    const auto count = [&](TileCode c) { return std::count(r.board.cells.begin(), r.board.cells.end(), c); };
    EXPECT_EQ(count(80), count(81));
    EXPECT_LE(count(80), 1);
    EXPECT_GT(count(0) + count(6), 100) << "a stage worth playing";
    // Written in the exact form the editor writes.
    EXPECT_EQ(stagemap::format(r.board).size(), std::filesystem::file_size(path));
}

INSTANTIATE_TEST_SUITE_P(Stages, ShippedMap, ::testing::Range(0, 11));

} // namespace
