#pragma once
#include <QIcon>
#include <QString>

// The toolbar image of a button key ("reset", "stop", "start", ...), drawn by
// resources/art/make_toolbar.py at 24 and 48 pixels; a null icon for a key
// without an image.
QIcon toolbarIcon(const QString& key);
