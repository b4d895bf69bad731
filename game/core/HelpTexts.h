#pragma once
#include <QString>

#include <array>

// The texts of the help windows: the question-and-answer topics and the
// game description that slides over the board.
namespace help {

struct Topic {
    const char* button;  // Cmd(k)
    const char* heading; // Fme(k)
    const char* answer;  // Lbl(k); lines separated by CR LF
};
extern const std::array<Topic, 8> Topics;

// The description, lines joined by CR LF.
QString gameDescription();

// The addresses behind "聯絡我" and the school's link: harmless placeholders.
inline constexpr const char* ContactAddress = "mailto:mibbet@example.com";
inline constexpr const char* SchoolAddress = "https://halvern.example.org/";

} // namespace help
