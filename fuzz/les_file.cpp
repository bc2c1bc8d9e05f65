// The LES list files of the four oceans: any file is read, and what was read is written back and
// read again unchanged.
#include "FuzzWorld.h"
#include "foundation/LesLists.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    const QString path = w.WriteFile("aorw.les", data, size);
    FileError error;
    const QList<KeyValuePair> first = ReadLesFile(w.f, path, &error);
    if (error) return 0;
    if (!WriteLesFile(w.f, path, first)) return 0;
    const QList<KeyValuePair> second = ReadLesFile(w.f, path, &error);
    if (error) fuzz::Broken("a LES list the program wrote could not be read");
    // The file holds only an id and a name a line: an element whose key or name the line form
    // cannot carry (a line break in it, a short or "|"-holding key) is not expected back.
    if (first.size() != second.size()) fuzz::Broken("a LES list lost or gained lines on a round trip");
    return 0;
}
