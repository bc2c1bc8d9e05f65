#pragma once
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

#include "foundation/IniFile.h"
#include "link/CommSettingsForm.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The main window as the LAN link sees it, with the link settings dialog's visibility set by the test.
class FakeLanWindow : public ILanLinkWindow {
public:
    void SetMobileStatusFieldCaption(const QString& caption) override { Captions.append(caption); }
    bool IsCommSettingsFormVisible() const override { return CommSettingsVisible; }
    QStringList Captions;
    bool CommSettingsVisible = false;
};

// The link settings dialog over the fake adapters; the test shows it, presses its buttons and
// steps its waits with the manual clock.
struct CommSettingsFixture : ::testing::Test {
    TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    FakeLinkWindow window;
    FakeLanWindow lanWindow;
    std::unique_ptr<CommSettingsForm> form;

    CommSettingsFixture() {
        f.gConfiguration.DataPath = platform.DataFolder();
        f.MobileStatusTexts = {"Mobile not connected"};
        link.Windows.Window = &window;
        link.Windows.LanWindow = &lanWindow;
        ReadIniFile(f);  // the default settings file: the LAN interface
    }

    // Loads and shows the dialog, as the main window's command does.
    CommSettingsForm& Open() {
        if (!form) form = std::make_unique<CommSettingsForm>(link, nullptr);
        form->show();
        return *form;
    }
    template <class T>
    T* Find(const char* name) const {
        T* control = form->findChild<T*>(name);
        EXPECT_NE(control, nullptr) << name;
        return control;
    }
    QComboBox* Combo(const char* name) const { return Find<QComboBox>(name); }
    QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
    QStringList Items(const char* name) const {
        QStringList items;
        QComboBox* box = Combo(name);
        for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
        return items;
    }
    void Select(const char* name, const QString& text) {
        QComboBox* box = Combo(name);
        const int index = box->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        box->setCurrentIndex(index);
    }
    void TypeTcuAddress(const QString& text) { Combo("TcuIpAdrList")->setEditText(text); }

    // One step of the dialog's wait timer after `ms` milliseconds.
    void Step(qint64 ms = 25) {
        platform.Clock.AdvanceMs(ms);
        form->TimeOutTimer_Timer();
    }
    // The buttons a wait disables, in the order OK, Cancel, Set, Clear.
    QList<bool> WaitButtonsEnabled() const {
        QList<bool> enabled;
        for (const char* name : {"OKButton", "CancelButton", "SetFixedIpButton", "ClearFixedIpButton"})
            enabled.append(Button(name)->isEnabled());
        return enabled;
    }
    QString SentToUnit() const { return QString::fromLatin1(platform.Socket.Written()); }
    QString IniFileText() const { return QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")); }
    QStringList BoxTexts() const {
        QStringList texts;
        for (const MessageBoxRequest& box : platform.Boxes.Shown) texts.append(box.text);
        return texts;
    }
};

}  // namespace tidepost::test
