#pragma once
#include <QDir>
#include <QFile>
#include <QStringList>
#include <gtest/gtest.h>
#include <memory>

#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "messages/OutboxFixture.h"

namespace tidepost::test {

// The message area with a sent-items folder (OutboxFixture), an EGC folder "egc/" of the data
// folder, and the three folder grids as real widgets attached to one FolderViews.
struct FolderViewsFixture : OutboxFixture {
    FolderViews views{f, m};
    std::unique_ptr<FlexGrid> inbox = std::make_unique<FlexGrid>();
    std::unique_ptr<FlexGrid> sent = std::make_unique<FlexGrid>();
    std::unique_ptr<FlexGrid> egc = std::make_unique<FlexGrid>();
    QString egcDir;
    QStringList seamCalls;

    FolderViewsFixture() {
        egcDir = platform.DataFolder() + "/egc";
        QDir().mkpath(egcDir);
        f.gEgcDir = egcDir;
        views.Attach(FolderGridKind::Inbox, inbox.get());
        views.Attach(FolderGridKind::SentItems, sent.get());
        views.Attach(FolderGridKind::Egc, egc.get());
        // The sent-items loader reaches the widths and the selection through the message area.
        m.Window = &this->OutboxFixture::views;
        views.Seams.SetMessageLogShown = [this](int mode) { seamCalls.append("MessageLogShown " + QString::number(mode)); };
        views.Seams.HotListAdd = [this](int id, int parent) {
            seamCalls.append(QString("HotList %1 %2").arg(id).arg(parent));
        };
        views.Seams.InboxDeleteMessage_Click = [this] { seamCalls.append("InboxDeleteMessage_Click"); };
        views.Seams.SentItemsDeleteMessage_Click = [this] { seamCalls.append("SentItemsDeleteMessage_Click"); };
        views.Seams.OpenSelectedInboxMessage = [this] { seamCalls.append("OpenSelectedInboxMessage"); };
        views.Seams.OpenSelectedEgc = [this] { seamCalls.append("OpenSelectedEgc"); };
    }

    void WriteEgc(const QString& name, const QByteArray& bytes) const {
        QFile file(egcDir + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadEgc(const QString& name) const {
        QFile file(egcDir + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    bool EgcExists(const QString& name) const { return QFile::exists(egcDir + "/" + name); }
    QStringList Column(const FlexGrid& grid, int col) const {
        QStringList texts;
        for (int row = 1; row < grid.Rows(); ++row) texts.append(grid.TextMatrix(row, col));
        return texts;
    }
};

// One egc.idx line as the EGC store writes it.
inline QByteArray EgcLine(const QString& file, const QString& priority = "1", const QString& read = "No",
                          const QString& service = "4", const QString& when = "2026-12-10 14:05") {
    return ("EGC.123:112:" + service + ":" + priority + ":0:" + when + ": 512:4711:0:" + read + ":" + file).toLatin1();
}

}  // namespace tidepost::test
