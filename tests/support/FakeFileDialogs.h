#pragma once
#include <QList>
#include <QStringList>

#include "platform/IFileDialogs.h"

namespace tidepost::test {

// Answers each save dialog with the next scripted path ("" cancels; none left cancels too) and
// records what every dialog offered.
class FakeFileDialogs : public IFileDialogs {
public:
    QString GetSaveFileName(QWidget*, const SaveFileRequest& request) override {
        Requests.append(request);
        return Answers.isEmpty() ? QString() : Answers.takeFirst();
    }
    QStringList Answers;
    QList<SaveFileRequest> Requests;
};

}  // namespace tidepost::test
