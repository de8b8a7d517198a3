#pragma once

#include "mainwindow/form1.h"
#include "scriptedplatform.h"
#include "tempstore.h"

#include <QTest>

// A shown main window on a private store, with a work area of the given
// size in pixels (by default 1024 x 738: a 30-pixel task bar at the top).
struct ShownWindow {
    explicit ShownWindow(QSize workArea = {1024, 738})
    {
        platform.scriptedWorkArea = workArea * Platform::twipsPerPixel;
        w.show();
        exposed = QTest::qWaitForWindowExposed(&w);
    }

    // Notes "title 1", "body 1" ... appended to the collection and the list.
    void addNotes(int count)
    {
        for (int i = 1; i <= count; ++i)
            w.insertnotenow(QStringLiteral("title %1").arg(i), QStringLiteral("body %1").arg(i));
    }

    QSize frame() const { return w.frameGeometry().size() - w.size(); }

    ScriptedPlatform platform;
    TempStore store;
    Form1 w{platform, store.path()};
    bool exposed = false;
};
