#include "SideWindows.h"

RadarWindow::RadarWindow()
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("雷達 --- 球的位置"));
    setStyleSheet(QStringLiteral("#Form3 { background: rgb(255, 255, 192); }"));
    setAttribute(Qt::WA_StyledBackground);
    resize(220, 100);
}

HelpWindow::HelpWindow()
{
    setObjectName(QStringLiteral("Form4"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Q&A --- 功能提示"));
    resize(360, 240);
}
