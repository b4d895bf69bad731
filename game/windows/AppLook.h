#pragma once
#include <QIcon>

class QApplication;

// The bundled CJK font and the program's look; call once after QApplication.
// Returns false when the font could not be loaded (the system font is used).
bool installAppLook(QApplication& app);
QIcon appIcon();
