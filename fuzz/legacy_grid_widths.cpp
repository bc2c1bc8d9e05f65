// "Tidepost.dat", the column widths an older version kept: any file hands its values to the
// settings store and is deleted; nothing of it stays behind.
#include <QFile>

#include "FuzzWorld.h"
#include "foundation/RuntimeError.h"
#include "mainwindow/LegacyGridWidths.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QString path = w.WriteFile("Tidepost.dat", data, size);
    try {
        MigrateLegacyGridWidths(w.f);
    } catch (const RuntimeError&) {
        return 0;  // an unreadable file stays; the start-up reports it
    }
    if (QFile::exists(path)) fuzz::Broken("the migrated file was left behind");
    return 0;
}
