// "address.dat": any address book is read; writing back what was read keeps every entry under its
// name, and from then on a write and a read change nothing (the reader only drops the blanks
// around a line).
#include "FuzzWorld.h"
#include "link/Link.h"
#include "messages/AddressBookFile.h"
#include "messages/Messages.h"

TIDEPOST_FUZZ_START_QT

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    fuzz::FuzzWorld w;
    Link link{w.f};
    Messages m{w.f, link};
    w.f.gIniEntries.Loaded = true;
    w.f.gIniEntries.LoadTried = true;
    w.f.gIniEntries.Items = {{"[addressbook]", w.platform.DataFolder() + "/"}};
    w.WriteFile("address.dat", data, size);
    auto roundTrip = [&m] {
        WriteAddressBookFile(m);
        ReadAddressBookFile(m);
        return m.AddressBookEntries;
    };
    ReadAddressBookFile(m);
    const QList<AddressEntry> first = m.AddressBookEntries;
    const QList<AddressEntry> second = roundTrip();
    const QList<AddressEntry> third = roundTrip();
    auto used = [](const QList<AddressEntry>& entries) {
        QList<AddressEntry> kept;
        for (const AddressEntry& e : entries)
            if (!e.Name.isEmpty()) kept.append(e);
        return kept;
    };
    auto names = [&used](const QList<AddressEntry>& entries) {
        QStringList list;
        for (const AddressEntry& e : used(entries)) list.append(e.Name);
        return list;
    };
    if (names(first) != names(second)) fuzz::Broken("the address book lost or renamed entries on a round trip");
    if (!(used(second) == used(third))) fuzz::Broken("the address book changed on a second round trip");
    return 0;
}
