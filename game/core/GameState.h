#pragma once
#include "Board.h"

#include <QString>

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>

// Flags hold -1 for on and 0 for off.
inline constexpr std::int16_t On = -1;
inline constexpr std::int16_t Off = 0;

inline constexpr int GhostSlots = 46;
// The last slot a window's load fills; slot 45 is never used.
inline constexpr int LastGhostSlot = 44;

// One ghost slot.
struct GhoRec {
    std::int16_t X = 0, Y = 0; // twips
    std::int16_t Dir = 0;      // 0 up, 1 right, 2 down, 3 left; never anything else
    bool Alive = false;
    std::int16_t Drawn = Off;
    std::int16_t Kind = 0;     // 0 blue blob, 1 onion, 2 cat; never anything else
};

struct DirStep {
    std::int16_t dx = 0, dy = 0;
};

// What lives as long as the program: board, mode parameters, player, effect
// cells, direction table and ghost table. Everything starts at 0 or empty.
struct Module1 {
    QString ModeName;
    std::int16_t Level = 0;
    std::int16_t GhoMvBase = 0;
    std::int16_t GhoAddNum = 0;
    std::int16_t GhoBaseNum = 0;
    std::int16_t LsCost = 0;
    std::int16_t GhoMvStep = 0;
    Board MapTile;
    std::int16_t StageNo = 0;

    std::int16_t LsKey = Off;
    std::int16_t Ls1X = 0, Ls1Y = 0, Ls1Dir = 0, Ls1On = Off;
    std::int16_t Ls2X = 0, Ls2Y = 0, Ls2Dir = 0, Ls2On = Off;
    std::int16_t ChiX = 0, ChiY = 0, ChiDir = 0, ChiOn = Off, ChiKey = Off;

    std::int16_t SprX = 0, SprY = 0, SprDir = 0;
    std::int16_t Lives = 0;
    std::int16_t SprHide = Off;
    std::int16_t SprMoving = Off;
    std::int16_t SprStep = 0;
    std::int16_t LightX = 0, LightY = 0, LightOn = Off;

    std::array<DirStep, 5> DirVec{}; // entry 4 is never set
    std::array<GhoRec, GhostSlots> GhoTab{};

    // Highest ghost slot in play on the current stage (slots 0..this are used).
    // No mode goes beyond the last slot; damaged values stop there too.
    int lastGhostSlot() const { return std::min(GhoAddNum * StageNo + GhoBaseNum, LastGhostSlot); }
    // Ghost move period for the current stage, in ms.
    int ghostMovePeriod() const { return GhoMvBase - (StageNo - 1) * GhoMvStep; }
    // Player step period, in ms.
    int playerStepPeriod() const { return 36 - 2 * Level; }
    int mouseSteerPeriod() const { return playerStepPeriod() + 90; }
    int ppCeiling() const { return 2 * Level + 8; }
    bool practice() const { return ModeName == QStringLiteral("練習模式"); }

    // The map a designer tries out (--play-map): the game's only stage.
    std::optional<Board> TestMap;
    bool testGame() const { return TestMap.has_value(); }
    // Practice and test games are not saved.
    bool savingOffered() const { return !practice() && !testGame(); }
};

// What lives as long as the game window; values are set by the window's load.
struct Form1Vars {
    std::int16_t CellSize = 0;
    std::int32_t Score = 0;
    std::int16_t SprFrame = 0;
    std::int16_t GhoSlow = Off;
    std::int16_t PPMax = 0;
    std::int16_t PP = 0;
    std::int16_t MouseX = 0, MouseY = 0;
    std::int16_t MsgBusy = Off;
    std::int16_t Started = Off;
    std::int16_t TimeLeft = 0;
    std::int32_t MusicLoop = 0;
    std::int16_t HideSec = 0;
    std::int16_t GhoSlowSec = 0;
    std::int16_t FxFrame = 0;
    std::int16_t LblCount = 0;
    std::int16_t EndStep = 0;
};

// Balls left: cells holding a small (0) or big (6) ball.
int countTiles(const Board& board, TileCode code);
