// The floor for the start-up benchmark: a Qt Widgets program that shows one
// plain window with a line of text and nothing else. Both programs are
// measured against it with first_window, in the same run:
//   tools/xvfb/xvfb.sh build/bench/first_window build/bench/bare_window 7
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QLabel window(QStringLiteral("Quorral"));
    window.resize(560, 300);
    window.show();
    return app.exec();
}
