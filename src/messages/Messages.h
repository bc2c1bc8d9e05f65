#pragma once
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "messages/AddressBookWindows.h"
#include "messages/AddressEntry.h"
#include "messages/AddressNameIndex.h"
#include "messages/AddressSearch.h"
#include "messages/CInbox.h"
#include "messages/InboxEntries.h"
#include "messages/SendingFormHolder.h"
#include "messages/SentItemsGrid.h"
#include "messages/cOutBox.h"

namespace tidepost {

struct Foundation;
struct Link;
class IAddressBookWindows;
class IMessageEditor;
class IMessagesWindow;
class IDistressMessageForm;
class IRemoteConfig;
class IRemoteConfigProcess;
class IFlexGrid;

// The message area's state: received and outgoing messages, the outbox log and the address book.
// One instance per program run, owned by the application object. Members keep the names the
// rest of the program knows them by.
struct Messages {
    Messages(Foundation& foundation, Link& link) : F(foundation), L(link) {}
    Foundation& F;
    Link& L;

    // The transceiver's latest inbox listing and message log, each replaced whole by its reply and
    // read while the fetched messages arrive; each holds at least one (then empty) entry.
    QList<InboxListEntry> gInboxListing{InboxListEntry{}};
    QList<InLogEntry> gInboxLog{InLogEntry{}};
    // The message number (last three characters of the name) of the fetched message being handled.
    QString gFetchMsgNumber;
    // The debug menu's "Simulate message rx error" is checked: every listed size counts one more,
    // so that every message looks short.
    bool mnuSimMsgRxError = false;
    // The debug menu's "Simulate EGC rx error" is checked: the EGC fetch expects one character
    // more of every EGC, so that each looks short.
    bool mnuSimEgcRxError = false;

    // The address book in memory (AddressBookFile.h): never empty; an empty name is a free slot.
    QList<AddressEntry> AddressBookEntries{AddressEntry{}};
    // Where each name first stands in AddressBookEntries (AddressBookTable.h looks names up in it).
    AddressNameIndex AddressNames;
    // Lines of address.dat whose name holds ";": no table entry (nobody could send to them), but
    // a rewrite of the file keeps them as they were.
    QStringList AddressBookRefusedLines;
    // The names of the address field being resolved, and the search result of the name being
    // resolved; the chooser shows them (AddressSearch.h).
    QStringList ResolveNames{QString()};
    AddressSearchResult LastSearchResult;
    // The chooser and the address card as name resolution opens them, once the application has
    // set them here (normally AddressBookForms).
    IAddressBookWindows* AddressBookWindows = nullptr;
    // What the address card remembers for each destination type while it is open
    // (AddressCardRoutines.h), index = type.
    std::array<AddressEntry, 9> CardTypeValues;
    // The address card, the address-book dialog and the chooser, each created on first use.
    AddressBookWindowSet AddressBookForms{*this};
    // The message editor's address fields, once the editor has registered itself.
    IMessageEditor* Editor = nullptr;

    // The main window's views and the alarm window of urgency and distress messages, registered
    // by the areas that own them; null before that and in tests without them.
    IMessagesWindow* Window = nullptr;
    IFlexGrid* OutboxMSGrid = nullptr;
    IDistressMessageForm* DistressMessageForm = nullptr;
    // The decoder and the processor of remote-configuration packets, made per received message
    // by the area that owns them; while unset no packet is recognised.
    std::function<std::unique_ptr<IRemoteConfig>()> NewRemoteConfig;
    std::function<std::unique_ptr<IRemoteConfigProcess>()> NewRemoteConfigProcess;

    // The send dialogue, created on first use.
    SendingFormHolder SendingForms{*this};

    // The outbox log's keeper, created on first use (GetOutBox).
    std::unique_ptr<cOutBox> OutBoxInstance;
    // The inbox pages of the local forms server, created on first use (GetInbox); the program's
    // shutdown releases it.
    std::unique_ptr<CInbox> InboxInstance;
    // The sent-items view's load of a long log, created on first use (GetSentItemsLoad).
    std::unique_ptr<SentItemsLoad> SentItemsLoading;
};

}  // namespace tidepost
