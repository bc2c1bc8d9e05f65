#include "config/DefaultIsp.h"

#include <QListWidget>
#include <QPushButton>

#include "config/Config.h"
#include "config/IConfigMainWindow.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/IspFile.h"
#include "messages/AddressBookForm.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

QString OceanLes(const IspRecord& r, int ocean) {
    switch (ocean) {
    case 0: return r.LesAorW;
    case 1: return r.LesAorE;
    case 2: return r.LesPor;
    case 3: return r.LesIor;
    default: return {};
    }
}

}  // namespace

void ApplyIspCcBccAvailability(Config& c) {
    Foundation& f = c.F;
    IConfigMainWindow* main = c.MainWindow;
    const QString name = GetIniValue(f, "[Default ISP]");
    if (name.isEmpty()) {
        if (main) {
            main->CcFieldVisible(false);
            main->BCcFieldVisible(false);
        }
        return;
    }
    AddressBookForm& book = c.M.AddressBookForms.AddressBookForm.get();
    const bool bcc = !GetISPElement(f, name, 8).isEmpty();
    if (main) main->BCcFieldVisible(bcc);
    book.BccButton->setEnabled(bcc);
    book.List4->setEnabled(bcc);
    const bool cc = !GetISPElement(f, name, 7).isEmpty();
    if (main) main->CcFieldVisible(cc);
    book.CCButton->setEnabled(cc);
    book.List3->setEnabled(cc);
}

DefaultIspChoices LoadDefaultIspChoices(Foundation& f) {
    DefaultIspChoices choices;
    const QList<IspRecord> before = f.gIspList;
    bool declined = false;
    const FileError err = ReadIspFile(f, &declined);
    QString name = GetIniValue(f, "[Default ISP]");
    if (err || declined) {
        // Nothing of isp.dat is known: the providers and the default stay as the program has them.
        if (err) ShowFileErrorBox(f, "ReadIspFile", err, IspFilePath(f));
        f.gIspList = before;
        choices.ReadFailed = true;
    }
    const int ocean = f.gSession.CurrentOcean();
    bool listed = false;
    for (const IspRecord& r : f.gIspList) {
        if (r.Name.isEmpty()) continue;
        if (ocean > 3 || !OceanLes(r, ocean).isEmpty()) choices.Names.append(r.Name);
        if (r.Name == name) listed = true;
    }
    if (!choices.ReadFailed) {
        if (!listed) name.clear();
        SetIniValue(f, "[Default ISP]", name, true);
    }
    choices.Current = name;
    return choices;
}

void StoreDefaultIsp(Config& c, const QString& name, bool setDefaultLes) {
    Foundation& f = c.F;
    SetIniValue(f, "[Default ISP]", name, true);
    SetDefaultIspLesFromProvider(f, name);
    if (setDefaultLes) {
        const QList<IspRecord> before = f.gIspList;
        bool declined = false;
        const FileError err = ReadIspFile(f, &declined);
        if (err || declined) f.gIspList = before;
        const int index = GetISPData(f, name);
        if (index >= 0) {
            const IspRecord r = f.gIspList.at(index);
            const char* const keys[4] = {"[Default LES West]", "[Default LES East]", "[Default LES Pacific]",
                                         "[Default LES Indian]"};
            for (int ocean = 0; ocean < 4; ++ocean) SetIniValue(f, keys[ocean], OceanLes(r, ocean), ocean == 3);
            for (int ocean = 0; ocean < 4; ++ocean)
                f.gConfiguration.SetDefaultLes(OceanIndex(ocean), OceanLes(r, ocean).left(3));
        }
    }
    if (c.MainWindow) c.MainWindow->MainFormSetUp();
}

}  // namespace tidepost
