#pragma once
#include <QList>
#include <QPair>
#include <QStringList>

#include "platform/IFileDialogs.h"

namespace tidepost::test {

// Answers each save dialog with the next scripted path ("" cancels; none left cancels too) and
// records what every dialog offered; the folder chooser likewise from its own script.
class FakeFileDialogs : public IFileDialogs {
public:
    QString GetSaveFileName(QWidget*, const SaveFileRequest& request) override {
        Requests.append(request);
        return Answers.isEmpty() ? QString() : Answers.takeFirst();
    }
    QString GetExistingDirectory(QWidget*, const QString& title, const QString& startFolder) override {
        FolderRequests.append({title, startFolder});
        return FolderAnswers.isEmpty() ? QString() : FolderAnswers.takeFirst();
    }
    QStringList Answers;
    QList<SaveFileRequest> Requests;
    QStringList FolderAnswers;
    QList<QPair<QString, QString>> FolderRequests;  // title, start folder
};

}  // namespace tidepost::test
