#include "AppLook.h"
#include "ViewModel.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    applook::install(QStringLiteral("mibbet"));
    ::testing::InitGoogleTest(&argc, argv);
    ViewModel::onUndeclared = [](const QString& name) {
        ADD_FAILURE() << "no control is named " << name.toStdString();
    };
    return RUN_ALL_TESTS();
}
