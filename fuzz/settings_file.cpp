// The settings file: any bytes on disk are read, written back and read again, and the second
// read gives the entries of the first (nothing is lost or changed by the program's own write).
#include "FuzzWorld.h"
#include "foundation/IniFile.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    w.WriteFile(QFileInfo(GetIniFilePath(w.f)).fileName(), data, size);
    ReadIniFile(w.f);
    const QList<KeyValuePair> first = w.f.gIniEntries.Items;
    WriteIniFile(w.f);
    w.f.gIniEntries = IniEntryList{};
    ReadIniFile(w.f);
    const QList<KeyValuePair> second = w.f.gIniEntries.Items;
    if (first.size() != second.size()) fuzz::Broken("the settings file lost or gained entries on a round trip");
    for (qsizetype i = 0; i < first.size(); ++i)
        if (first[i].Key != second[i].Key || first[i].Value != second[i].Value)
            fuzz::Broken("an entry of the settings file changed on a round trip");
    return 0;
}
