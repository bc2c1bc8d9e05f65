#pragma once
#include <QCoreApplication>
#include <gtest/gtest.h>

#include "editor/MessageViewer.h"
#include "foundation/Foundation.h"
#include "support/FakeMainForm.h"
#include "support/QueuedTexts.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The viewer over a data folder with inbox, sent-items and EGC folders, on a fixed screen of
// 1024 x 768 pixels at 15 twips a pixel whose work area leaves 48 pixels for a panel below.
struct ViewerFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    MessageViewer viewer{f};
    FakeMainForm mainForm;
    ScreenMetrics screen;

    ViewerFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.gInboxDir = platform.DataFolder() + "/Inbox";
        f.gOutboxDir = platform.DataFolder() + "/Sent items";
        f.gEgcDir = platform.DataFolder() + "/Egc";
        f.gDraftsDir = platform.DataFolder() + "/Drafts";
        f.Windows.MainForm = &mainForm;
        screen.screen = QSize(1024, 768);
        screen.workArea = QRect(0, 0, 1024, 720);
        screen.twipsPerPixel = 15;
        screen.screens = {QRect(0, 0, 1024, 768)};
        viewer.Links.Screen = [this](const QWidget*) { return screen; };
    }
    ~ViewerFixture() override {
        viewer.Form.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    MessageForm& Form() { return viewer.Form.get(); }
    QString Folder(const char* name) const { return platform.DataFolder() + "/" + name; }
};

}  // namespace tidepost::test
