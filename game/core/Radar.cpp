#include "Radar.h"

#include "Surface.h"

#include <QPainter>

namespace {

constexpr int RadarCell = 60; // twips a board cell takes on the radar
constexpr int Square = RadarCell / Surface::TwipsPerPixel;

} // namespace

RadarForm::RadarForm(const Module1& m, TimerDriver& timers) : m_(m), cm_(Width, Height, QImage::Format_RGB32)
{
    cm_.fill(QColor(255, 255, 192)); // the window's own light yellow until the first tick
    Timer1 = timers.create("Timer1", 200, true, [this] { Timer1_Timer(); });
}

void RadarForm::Timer1_Timer()
{
    QPainter p(&cm_);
    for (int c = 0; c < BoardCols; ++c)
        for (int r = 0; r < BoardRows; ++r) {
            const TileCode code = m_.MapTile(c, r);
            const QColor colour = code == 0 ? QColor(255, 0, 0) : code == 6 ? QColor(255, 255, 0) : QColor(0, 128, 0);
            p.fillRect(c * Square, r * Square, Square, Square, colour);
        }
    // The player's twips scaled without rounding to a cell: a fifth of them.
    p.fillRect(Surface::pixelOf(m_.SprX * RadarCell / 300), Surface::pixelOf(m_.SprY * RadarCell / 300), Square,
               Square, Qt::black);
    p.end();
    if (painted)
        painted();
}
