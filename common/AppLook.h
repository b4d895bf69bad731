#pragma once
#include <initializer_list>
#include <QIcon>
#include <QString>

class QMessageBox;

// The look both programs share: "Mibbet Sans", the CJK font they carry, with
// a family name of its own so that no font of the machine takes its place,
// and each program's icon.
namespace applook {

// The resource paths of the font's faces, regular and bold.
inline constexpr const char* FontFaces[] = {":/font/MibbetSans-Regular.otf", ":/font/MibbetSans-Bold.otf"};

// Before the application is made: in a Wayland session that offers an X
// server (XWayland), the programs run on X11, where their windows can be
// placed and stand together; Wayland's own platform only where there is no
// X server. A platform the player names (QT_QPA_PLATFORM, -platform) wins.
// True when the choice was made here.
bool chooseWindowSystem(int argc, char** argv);
// After the application is made: programs started from ours choose their own.
void forgetWindowSystemChoice(bool chosenHere);

// For `program` ("mibbet" or "tessaly"), once after the application is made:
// the bundled font at 10 points becomes the application's font, the
// program's icon its windows' icon, and the windows belong to the program's
// menu entry. False when the font could not be loaded (the system's is used).
bool install(const QString& program);

// The font's family, empty before install() or when loading failed.
QString fontFamily();

// A program's icon, drawn for every size it is shown in: the pictures the
// desktop's menus show too.
QIcon icon(const QString& program, std::initializer_list<int> sizes = {16, 22, 32, 48, 64, 128, 256});
// The icon the windows hand the desktop: the small sizes only.
QIcon windowIcon(const QString& program);

// A message box's text. The programs separate lines with CR (or CR LF), a box
// wants LF; names and paths in the texts come from players, designers and
// files, so nothing is read as markup.
void setBoxText(QMessageBox& box, QString text);

} // namespace applook
