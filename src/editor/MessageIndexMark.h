#pragma once
#include <QString>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// The stored message kinds the viewer shows; each has its index file in its folder.
enum class StoredMessageType { Received = 1, Sent = 2, Egc = 3 };
// "in", "out" or "egc": the name of the folder's index without ".idx".
QString IndexExtension(StoredMessageType type);

// Marks the stored file `fileName` read in the index of `folder`: every line whose last ":" field
// is the file name and whose read field (field 10 in in.idx, 11 in egc.idx, counted from 1 at ":")
// says "No" in any letter case gets "Yes" there; nothing else of the line or the file changes.
// Sent items have no read mark. The index is replaced as a whole through ext.bak, so a failure
// leaves it as it was and no .bak behind; every failure, a full disk too, is returned.
FileError MarkMessageRead(Foundation& f, const QString& folder, const QString& fileName, StoredMessageType type);

}  // namespace tidepost
