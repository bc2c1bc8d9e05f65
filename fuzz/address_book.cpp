// "address.dat": any address book is read; writing back what was read keeps every entry under its
// name, and from then on a write and a read change nothing but blanks (the reader drops the blanks
// around a line, which can wear down the blanks at the ends of the last field over a few writes).
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
    // The number or the member can end a line, so blanks at their end may go at each write:
    // " 123 " with an all-blank member reads back as " 123 " without it, then as " 123".
    auto withoutTrailingBlanks = [](QString text) {
        while (text.endsWith(u' ')) text.chop(1);
        return text;
    };
    auto used = [&withoutTrailingBlanks](const QList<AddressEntry>& entries) {
        QList<AddressEntry> kept;
        for (AddressEntry e : entries) {
            if (e.Name.isEmpty()) continue;
            e.Address = withoutTrailingBlanks(e.Address);
            e.MemberOrPrefix = withoutTrailingBlanks(e.MemberOrPrefix);
            kept.append(e);
        }
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
