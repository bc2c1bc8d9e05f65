#pragma once
#include <QString>
#include <QStringList>

namespace tidepost {

struct Config;
struct Foundation;

// The editor's Cc and Bcc rows and the address book's Cc and Bcc buttons and lists follow the
// default provider's Cc and Bcc prefixes; without a default provider the editor shows neither
// row and the address book stays as it is.
void ApplyIspCcBccAvailability(Config& c);

// What the default provider dialog offers: the providers with a LES in the ocean the
// transceiver is in (all of them while no ocean is known), and the default as it is to show.
struct DefaultIspChoices {
    QStringList Names;
    QString Current;
    // isp.dat could not be read (or the operator kept an old one): the list and the stored
    // default are left as they were.
    bool ReadFailed = false;
};
// Reads isp.dat into the provider list and collects the choices. A stored default that isp.dat
// no longer lists is cleared, and the settings file written.
DefaultIspChoices LoadDefaultIspChoices(Foundation& f);

// OK of the default provider dialog: stores the name, sets the provider's LESs and, when asked,
// makes the provider's LESs the default LESs of every ocean; then lays the main window out again.
void StoreDefaultIsp(Config& c, const QString& name, bool setDefaultLes);

}  // namespace tidepost
