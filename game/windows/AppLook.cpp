#include "AppLook.h"

#include "BundledFont.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>

bool installAppLook(QApplication& app)
{
    app.setWindowIcon(appIcon());
    return bundledfont::install();
}

// The character itself: a red blob with a flame-shaped tip.
QIcon appIcon()
{
    QPixmap pm(64, 64);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath flame;
    flame.moveTo(30, 4);
    flame.cubicTo(44, 14, 46, 22, 40, 30);
    flame.lineTo(22, 30);
    flame.cubicTo(20, 20, 26, 14, 30, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 170, 40));
    p.drawPath(flame);
    QRadialGradient body(26, 34, 30);
    body.setColorAt(0, QColor(255, 110, 90));
    body.setColorAt(1, QColor(170, 20, 20));
    p.setBrush(body);
    p.drawEllipse(QRectF(8, 22, 48, 38));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(20, 32, 10, 12));
    p.drawEllipse(QRectF(36, 32, 10, 12));
    p.setBrush(Qt::black);
    p.drawEllipse(QRectF(24, 36, 5, 6));
    p.drawEllipse(QRectF(40, 36, 5, 6));
    return QIcon(pm);
}
