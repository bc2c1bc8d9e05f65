#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "ConfigFixture.h"

namespace tidepost::test {
namespace {

// The controls Tab visits from `first`, once round, by name.
QStringList TabRound(QWidget* first) {
    QStringList names;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && !w->objectName().isEmpty() &&
            w->objectName() != "qt_spinbox_lineedit")
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}

TEST_F(ConfigFixture, TabReachesEveryControlOfTheSmallDialogs) {
    LesEditForm& edit = c.LesEditForm.get();
    f.gSession.SetMesConnected(true);
    f.gSession.SetTDMOrigin(144);
    edit.LoadLes("102", "Burum");
    EXPECT_EQ(TabRound(edit.LESName), (QStringList{"LESName", "OKButton", "CancelButton", "InfoButton"}));
    EXPECT_EQ(edit.LESName->accessibleName(), "LES Name:");

    LesServicesForm& services = c.LesServicesForm.get();
    EXPECT_EQ(TabRound(services.ServicesText), (QStringList{"ServicesText", "OKButton"}));

    DefaultLESForm& les = c.DefaultLESForm.get();
    EXPECT_EQ(TabRound(les.LesList[0]),
              (QStringList{"LesList(0)", "LesList(1)", "LesList(2)", "LesList(3)", "OKButton", "CancelButton"}));
    for (QComboBox* combo : les.LesList) EXPECT_FALSE(combo->accessibleName().isEmpty());

    DefaultISPForm& isp = c.DefaultISPForm.get();
    EXPECT_EQ(TabRound(isp.ISPComboBox), (QStringList{"ISPComboBox", "CheckSetDefaultLES", "OKButton", "CancelButton"}));
    EXPECT_EQ(isp.ISPComboBox->accessibleName(), "Default ISP:");
}

}  // namespace
}  // namespace tidepost::test
