#pragma once
#include <QString>

#include <array>
#include <cstdint>

struct ModeRow {
    const char* button;    // what the mode window shows (UTF-8)
    const char* modeName;  // what is stored and shown in the caption (UTF-8)
    std::int16_t lives, level, ghoAddNum, ghoBaseNum, lsCost, ghoMvBase, ghoMvStep, stageNo;
    const char* control;   // button control name
};

// Hardest first: survival, hard, normal, easy, practice.
inline constexpr std::array<ModeRow, 5> ModeTable{{
    {"生存顫慄模式", "不可能任務生存顫慄模式", 4, 1, 3, 14, 8, 100, 6, 1, "生存Cmd"},
    {"困難模式", "困難模式", 6, 1, 2, 9, 6, 120, 5, 1, "困難Cmd"},
    {"一般模式", "正常模式", 11, 5, 2, 7, 5, 140, 4, 1, "正常Cmd"},
    {"簡易模式", "簡易模式", 16, 10, 2, 5, 4, 160, 4, 1, "簡易Cmd"},
    {"練習模式", "練習模式", 100, 16, 1, 15, 1, 130, 6, 0, "練習Cmd"},
}};

inline constexpr int VersionMajor = 4;
inline constexpr int VersionMinor = 0;

inline QString versionText() { return QStringLiteral("%1.%2").arg(VersionMajor).arg(VersionMinor); }
inline QString modeWindowCaption() { return QStringLiteral("Quorral ---  Ver ") + versionText() + QStringLiteral("  下載版"); }
// A loaded game sets the caption without its suffix; the next frame completes it.
inline QString gameWindowCaptionStart(const QString& modeName)
{
    return QStringLiteral("   Quorral ---  Ver ") + versionText() + QStringLiteral("    [ ") + modeName + QStringLiteral(" ]");
}
inline QString gameWindowCaption(const QString& modeName) { return gameWindowCaptionStart(modeName) + QStringLiteral("   下載版"); }
// A test game plays by the normal mode's numbers and says what it is.
inline constexpr int NormalModeRow = 2;
inline QString testGameCaption() { return gameWindowCaptionStart(QStringLiteral("試玩")); }
