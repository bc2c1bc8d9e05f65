#pragma once
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <algorithm>
#include <memory>
#include <utility>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "support/TestPlatform.h"

namespace tidepost {

using Settings = QList<std::pair<QString, QString>>;

// The program as it starts: a program folder whose "DataPath.txt" names the data folder, and
// there the default settings file with the values a case gives.
struct StartUp : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages messages{f, link};
    std::unique_ptr<MainForm> form;

    void WriteSettings(const Settings& values) {
        QFile marker(platform.ProgramFolder() + "/DataPath.txt");
        ASSERT_TRUE(marker.open(QIODevice::WriteOnly));
        marker.write(platform.DataFolder().toLocal8Bit());
        marker.close();

        QList<KeyValuePair> entries = ParseIniFileText(DefaultIniFileText(platform.DataFolder()));
        for (const auto& [key, value] : values) {
            auto it = std::find_if(entries.begin(), entries.end(), [&](const KeyValuePair& e) { return e.Key == key; });
            if (it != entries.end()) it->Value = value;
            else entries.append({key, value});
        }
        platform.WriteDataFile("Tidepost.ini", platform.Os.Codec.Encode(IniFileText(entries)));
    }

    // A new run of the program: a fresh main window loads with these settings.
    void Load(const Settings& values, const QStringList& arguments = {"tidepost"}) {
        WriteSettings(values);
        f.FoundationLoaded = false;
        form = std::make_unique<MainForm>(f, link, &messages);
        form->Form_Load(arguments);
    }
    // The same with the disclaimer accepted in an earlier run.
    void LoadAccepted(Settings values, const QStringList& arguments = {"tidepost"}) {
        values.append(std::pair<QString, QString>("[AS IS Accepted?]", "YES"));
        Load(values, arguments);
    }
    // Windows let go meanwhile are deleted as the event loop would.
    ~StartUp() override {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename T>
    T* Find(const char* name) {
        return form->findChild<T*>(name);
    }
};

}  // namespace tidepost
