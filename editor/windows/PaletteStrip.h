#pragma once
#include <QWidget>

#include <functional>

// The palette: the nine groups side by side, each with its caption written
// down its left edge and its thumbnails in columns. A press on a thumbnail
// reports the code and the button (left 1, right 2, middle 4).
class PaletteStrip : public QWidget {
    Q_OBJECT
public:
    explicit PaletteStrip(QWidget* parent = nullptr);
    static constexpr int Width = 10110 / 15, Height = 84;
    std::function<void(int button, int code)> onPick;
    // Where a code's thumbnail stands on the strip (an empty rectangle for a code not on it).
    QRect thumbnailOf(int code) const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

private:
    struct Thumb {
        int code;
        QRect rect;
    };
    struct Group {
        QString caption;
        int left;
    };
    std::vector<Thumb> thumbs_;
    std::vector<Group> groups_;
};
