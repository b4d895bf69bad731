#pragma once
#include <QString>

// "Mibbet Sans", the CJK font both programs carry, with a family name of its
// own so that no font of the machine takes its place.
namespace bundledfont {

// The resource paths of its faces, regular and bold.
inline constexpr const char* Faces[] = {":/font/MibbetSans-Regular.otf", ":/font/MibbetSans-Bold.otf"};

// Loads both faces (once) and makes the family the application's font at
// 10 points; false when it could not be loaded (the system's font is used).
bool install();
// The family, empty before install() or when loading failed.
QString family();

} // namespace bundledfont
