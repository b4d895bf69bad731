#pragma once
#include "Board.h"

// What each tile code looks like and how it behaves. One table drives every
// rule, so the game, the editor and the pictures agree.
namespace tiles {

// Codes 0..122 are described; everything else behaves like a code without a picture.
inline constexpr int HighestCode = 122;
inline constexpr int PictureCount = 103;

bool hasPicture(TileCode code);
// Width of the picture in pixels: 20, or 13 for the grapes (code 11).
int pictureWidth(TileCode code);

// The character may not step onto it (a cell off the board blocks too).
bool blocksCharacter(TileCode code);
// A ghost may enter it; right after a turn the rubble 95 is refused.
bool ghostMayEnter(TileCode code, bool justTurned);
// Standing in the near laser cell, it protects the far cell.
bool shieldsLaser(TileCode code);
// Eaten when the character reaches it (it becomes 15).
bool isEaten(TileCode code);
// Counts as a ball left: small (0) or big (6).
bool isBall(TileCode code);
// The drill can break it (what it leaves is the drill's business).
bool isBreakable(TileCode code);
// Tunnel ends: 80 and 81.
bool isTunnelEnd(TileCode code);
// The next animation step of an animated code (river 20..39, campfire
// 50..53, bush 55..58, snowman 84..87); other codes are returned unchanged.
TileCode animationSuccessor(TileCode code);

inline constexpr TileCode Floor = 15;
inline constexpr TileCode SmallBall = 0;
inline constexpr TileCode BigBall = 6;

} // namespace tiles
