#pragma once
#include <QPoint>
#include <QString>

#include <memory>
#include <optional>

class QSettings;

// What a player chooses and both programs remember between starts, kept in
// one file in the player's configuration folder (~/.config/mibbet/mibbet.conf).
// A missing, unreadable or damaged file, or a value that makes no sense,
// reads as the default; nothing here ever stops a program from starting.
class PlayerSettings {
public:
    // The player's own file; `path` names another one (tests).
    explicit PlayerSettings(const QString& path = QString());
    ~PlayerSettings();

    bool soundEffects() const;
    bool music() const;
    void setSoundEffects(bool on);
    void setMusic(bool on);

    // Where the player last left the game window: the screen's name and the
    // frame's top-left corner from that screen's available area.
    struct Place {
        QString screen;
        QPoint offset;
        bool operator==(const Place&) const = default;
    };
    std::optional<Place> gameWindow() const;
    void setGameWindow(const Place& place);

    // The size the player picked for the game window: a whole factor from 1
    // to `LargestFactor`, nothing before the first pick.
    static constexpr int LargestFactor = 8;
    std::optional<int> gameFactor() const;
    void setGameFactor(int factor);

    // Where the file is.
    QString fileName() const;

private:
    bool readFlag(const char* key) const;
    void write(const char* key, const QVariant& value);

    std::unique_ptr<QSettings> file_;
    bool damaged_ = false; // read as if empty
};
