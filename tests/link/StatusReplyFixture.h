#pragma once
#include <gtest/gtest.h>

#include <QMap>
#include <QStringList>

#include "link/ILinkMenus.h"
#include "link/IMobileStatusField.h"
#include "link/Link.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"
#include "support/FakeMobileStatusField.h"
#include "support/QueuedTexts.h"

namespace tidepost::test {

// The main window's menus as the status replies leave them.
class FakeLinkMenus : public ILinkMenus {
public:
    void SetMenuVisible(LinkMenu menu, bool visible) override { Visible[menu] = visible; }
    void SetMenuChecked(LinkMenu menu, bool checked) override { Checked[menu] = checked; }
    QList<LinkMenu> CheckedItems() const {
        QList<LinkMenu> items;
        for (auto it = Checked.cbegin(); it != Checked.cend(); ++it)
            if (it.value()) items.append(it.key());
        return items;
    }
    QMap<LinkMenu, bool> Visible;
    QMap<LinkMenu, bool> Checked;
};

// What the status windows of later areas were given.
struct RecordedStatusWindows {
    QString StatusOutput;
    QString StatusCaption;
    int StatusShows = 0;
    QString GpsOutput;
    QString GpsCaption;
    QString LinkTestResult;
    int LinkTestShows = 0;
    int SystemInfoUpdates = 0;
    QStringList Inserted;
};

// A link with a fake main window (ILinkWindow, menus, status field) and recording status windows.
struct StatusReplyFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    FakeLinkWindow window;
    FakeLinkMenus menus;
    FakeMobileStatusField field;
    RecordedStatusWindows views;

    StatusReplyFixture() {
        link.Windows.Window = &window;
        link.Windows.Menus = &menus;
        link.Windows.StatusField = &field;
        auto& s = link.Windows;
        s.TransceiverStatusForm.StatusOutput = [this] { return views.StatusOutput; };
        s.TransceiverStatusForm.SetStatusOutput = [this](const QString& t) { views.StatusOutput = t; };
        s.TransceiverStatusForm.SetCaption = [this](const QString& t) { views.StatusCaption = t; };
        s.TransceiverStatusForm.Show = [this] {
            ++views.StatusShows;
            window.Calls.append("ShowTransceiverStatusForm");
        };
        s.GPSStatusForm.SetStatusOutput = [this](const QString& t) { views.GpsOutput = t; };
        s.GPSStatusForm.SetCaption = [this](const QString& t) { views.GpsCaption = t; };
        s.LinkTestForm.SetLinkTestResult = [this](const QString& t) { views.LinkTestResult = t; };
        s.LinkTestForm.Show = [this] {
            ++views.LinkTestShows;
            window.Calls.append("ShowLinkTestForm");
        };
        s.SystemInfoForm.Update = [this] { ++views.SystemInfoUpdates; };
        s.InsertToEditor = [this](const QString& t) { views.Inserted.append(t); };
    }

    // Every message-box text queued so far, oldest first.
    QStringList QueuedBoxes() {
        QStringList texts;
        texts << test::DrainErrorQueue(f);
        return texts;
    }
};

}  // namespace tidepost::test
