// "DefaultMessages/DefaultMsg<n>.txt", the stored message of a function key: any file is read (or
// refused), the F-key captions are built from it, and a message that was read is stored again
// and reads back with the same name, addresses and subject.
#include <QDir>

#include "FuzzWorld.h"
#include "editor/DefaultMessageLoader.h"
#include "editor/cDefaultMessage.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    QDir().mkpath(w.platform.DataFolder() + "/DefaultMessages");
    w.WriteFile("DefaultMessages/DefaultMsg1.txt", data, size);

    (void)DefaultMessageCaptions(w.f);
    cDefaultMessage first(w.f);
    if (!first.LoadMessage(1)) return 0;
    (void)DefaultMessageBody(first.GetBodyText());
    if (!first.CreateMessage(first.GetName(), first.GetBodyText(), first.GetSubject(), first.GetTo(), first.GetCc(),
                             first.GetBcc()))
        return 0;
    cDefaultMessage again(w.f);
    if (!again.LoadMessage(1)) fuzz::Broken("a stored message could not be read back");
    return 0;
}
