#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "ConfigFixture.h"
#include "config/DefineSignatureForm.h"
#include "config/PasswordChangeForm.h"
#include "config/PasswordVerifyForm.h"
#include "config/SetLocalTimeForm.h"
#include "config/SetTimeForm.h"
#include "config/VesselDataForm.h"

namespace tidepost::test {
namespace {

// The controls Tab visits from `first`, once round, by name.
QStringList TabRound(QWidget* first) {
    QStringList names;
    QWidget* w = first;
    do {
        if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && !w->objectName().isEmpty() &&
            !w->objectName().startsWith("qt_"))
            names << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    return names;
}

TEST_F(ConfigFixture, TabReachesEveryControlOfThePasswordClockVesselAndSignatureDialogs) {
    auto& config = c.Setup->ConfigPasswordForm.get();
    EXPECT_EQ(TabRound(config.OldPassword), (QStringList{"OldConfigPassword", "ConfigPassword",
                                                         "ConfirmConfigPassword", "OKButton", "CancelButton"}));
    auto& verify = c.Setup->VerifyConfigPasswordForm.get();
    EXPECT_EQ(TabRound(verify.Password), (QStringList{"Password", "OKButton", "CancelButton"}));
    EXPECT_EQ(verify.windowTitle(), "Password verification");
    EXPECT_EQ(verify.Password->accessibleName(), "Please enter Config Password:");

    auto& question = c.Setup->SetTimeForm.get();
    EXPECT_EQ(TabRound(question.CommandYes), (QStringList{"CommandYes", "CommandNo"}));

    auto& time = c.Setup->SetLocalTimeForm.get();
    EXPECT_EQ(TabRound(time.SetPcTimeAlways), (QStringList{"SetPcTimeAlways", "SetPcTimeNever", "UtcTimeEx",
                                                           "LocalTimeEx", "OKButton", "CancelButton"}));
    EXPECT_EQ(time.UtcTimeEx->accessibleName(), "Current UTC time");
    EXPECT_EQ(time.LocalTimeEx->accessibleName(), "New local time");

    auto& vessel = c.Setup->VesselDataForm.get();
    EXPECT_EQ(TabRound(vessel.VesselName), (QStringList{"VesselName", "VesselType", "Flag", "Destination", "Cargo",
                                                        "Comment", "OKButton", "CancelButton"}));
    EXPECT_TRUE(vessel.Comment->tabChangesFocus());
    EXPECT_EQ(vessel.Flag->accessibleName(), "Flag:");

    auto& signature = c.Setup->DefineSignatureForm.get();
    EXPECT_EQ(TabRound(signature.SignatureText), (QStringList{"SignatureText", "OKButton", "CancelButton"}));
    EXPECT_TRUE(signature.SignatureText->tabChangesFocus());
    EXPECT_EQ(signature.SignatureText->accessibleName(), "Define Signature");
}

TEST_F(ConfigFixture, SetupDialogsFollowTheLanguage) {
    auto& vessel = c.Setup->VesselDataForm.get();
    auto& time = c.Setup->SetLocalTimeForm.get();
    auto& transmit = c.Setup->TransmitPasswordForm.get();
    auto& question = c.Setup->SetTimeForm.get();
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(vessel.windowTitle(), QString::fromUtf8("Данные судна"));
    EXPECT_EQ(vessel.VesselName->accessibleName(), QString::fromUtf8("Название судна:"));
    EXPECT_EQ(time.UtcTimeEx->accessibleName(), QString::fromUtf8("Текущее время UTC"));
    EXPECT_EQ(transmit.windowTitle(), QString::fromUtf8("Пароль передачи"));
    EXPECT_EQ(question.CommandYes->text(), QString::fromUtf8("&Да"));
}

}  // namespace
}  // namespace tidepost::test
