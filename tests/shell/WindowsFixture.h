#pragma once
#include "GameProgram.h"
#include "GameWindowWidget.h"
#include "LiveTimers.h"
#include "QtGameHost.h"
#include "StageMapFile.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

// Waits, handling events, up to `ms` for a condition that live timers or the
// window system bring about, and fails the test when it never comes. (Qt's
// own QTRY_ macros report to a Qt test runner; under Google Test their
// failure would only end the test early, as a pass.)
#define ASSERT_EVENTUALLY(condition, ms) \
    ASSERT_TRUE(QTest::qWaitFor([&] { return bool(condition); }, ms)) << #condition
#define ASSERT_EVENTUALLY_EQ(actual, expected, ms) \
    do { \
        QTest::qWaitFor([&] { return (actual) == (expected); }, ms); \
        ASSERT_EQ(actual, expected); \
    } while (false)

// The real windows, offscreen, on live timers, with a program folder holding
// maps 0 and 1: floor everywhere but one small ball at (5, 5).
class Windows : public ::testing::Test {
protected:
    Windows()
    {
        QDir(dir.path()).mkpath(QStringLiteral("map"));
        Board b;
        b.cells.fill(15);
        b(5, 5) = 0;
        for (int stage : {0, 1})
            stagemap::write((dir.path() + QStringLiteral("/map/map") + QString::number(stage)).toStdString(), b);
        host.setAppDir(dir.path());
        host.setProgram(&program);
        timers.afterTick = [this](const std::string&) { host.syncWindows(); };
        program.start();
    }
    ~Windows() override
    {
        if (host.gameWindow())
            host.gameWindow()->closeForProgram();
        if (host.modeWindow())
            host.modeWindow()->closeForGame();
        host.CloseSideWindows(); // the radar reads the program's board
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPushButton* modeButton(const char* name)
    {
        return host.modeWindow()->findChild<QPushButton*>(QString::fromUtf8(name));
    }

    GameWindowWidget* choose(const char* button)
    {
        QPushButton* b = modeButton(button);
        EXPECT_NE(b, nullptr);
        QTest::mouseClick(b, Qt::LeftButton);
        GameWindowWidget* w = host.gameWindow();
        EXPECT_NE(w, nullptr);
        return w;
    }

    QTemporaryDir dir;
    QtGameHost host;
    LiveTimers timers;
    GameProgram program{host, timers};
};

