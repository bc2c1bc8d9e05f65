#include "sim/SimUploads.h"

namespace tidepost::sim {

void SimUploadStore::Put(const SimUpload& file) {
    Remove(file.Name);
    Files.append(file);
}

const SimUpload* SimUploadStore::Find(const QString& name) const {
    for (const SimUpload& f : Files)
        if (f.Name.compare(name, Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

bool SimUploadStore::Remove(const QString& name) {
    for (qsizetype i = 0; i < Files.size(); ++i)
        if (Files[i].Name.compare(name, Qt::CaseInsensitive) == 0) {
            Files.removeAt(i);
            return true;
        }
    return false;
}

}  // namespace tidepost::sim
