#include <QApplication>
#include <QFontDatabase>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QFontDatabase::addApplicationFont(QStringLiteral(":/font/MibbetSans.otf"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
