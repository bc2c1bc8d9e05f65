#pragma once
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

namespace tidepost::sim {

// A file the program uploaded into the transceiver's file system, waiting to be submitted.
struct SimUpload {
    QString Name;  // as the shell lists it, e.g. "AB123456.TXT"
    QString Text;  // one character per byte
    QDateTime Written;
};

// The uploaded files and how the shell answers about them.
struct SimUploadStore {
    QList<SimUpload> Files;
    // The answer of the next "tx": "" accepts it silently, else "ERROR nnn: text" refuses it.
    QString NextTxError;
    // The files of every accepted submission, in order.
    QStringList Submitted;

    // Adds or replaces the file of that name (letter case ignored).
    void Put(const SimUpload& file);
    const SimUpload* Find(const QString& name) const;
    bool Remove(const QString& name);
};

}  // namespace tidepost::sim
