#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ConfigFixture.h"
#include "config/DefineSignatureForm.h"
#include "config/VesselDataForm.h"
#include "foundation/AppSettings.h"

namespace tidepost::test {
namespace {

struct VesselAndSignature : ConfigFixture {
    QString Setting(const char* key) { return platform.Settings.Get(f.gProductName, "Settings", key, "<none>"); }
    void Settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};

TEST_F(VesselAndSignature, VesselDataStoredInItsOrderAndTheMenuFollows) {
    auto& form = c.Setup->VesselDataForm.get();
    EXPECT_TRUE(form.VesselName->text().isEmpty());
    form.VesselName->setText(" MV Example ");
    form.VesselType->setText("Tanker");
    form.Flag->setText("NO");
    form.Destination->setText("Bergen");
    form.Cargo->setText("");
    form.Comment->setPlainText("Line one\nLine two");
    const int before = platform.Settings.SaveCount;
    form.OKButton->click();
    EXPECT_EQ(platform.Settings.SaveCount - before, 6);
    EXPECT_EQ(Setting("VesselName"), " MV Example ");
    EXPECT_EQ(Setting("VesselType"), "Tanker");
    EXPECT_EQ(Setting("VesselFlag"), "NO");
    EXPECT_EQ(Setting("VesselDestination"), "Bergen");
    EXPECT_EQ(Setting("VesselCargo"), "");
    EXPECT_EQ(Setting("VesselComment"), "Line one\r\nLine two");
    EXPECT_EQ(platform.Settings.GetSection(f.gProductName, "Settings").first().first, "VesselName");
    EXPECT_EQ(platform.Settings.GetSection(f.gProductName, "Settings").at(1).first, "VesselComment");
    EXPECT_EQ(main.Calls, QStringList{"UpdateMnuInsertVesselName"});
    EXPECT_FALSE(c.Setup->VesselDataForm.isLoaded());
    Settle();

    // The next opening reads them again; Cancel after editing changes nothing.
    auto& again = c.Setup->VesselDataForm.get();
    EXPECT_EQ(again.VesselName->text(), " MV Example ");
    EXPECT_EQ(again.Comment->toPlainText(), "Line one\nLine two");
    again.VesselName->clear();
    QTest::keyClick(again.VesselName, Qt::Key_Escape);
    EXPECT_FALSE(c.Setup->VesselDataForm.isLoaded());
    EXPECT_EQ(Setting("VesselName"), " MV Example ");
    Settle();

    // Cleared and stored: the empty name, and the menu told at once.
    auto& cleared = c.Setup->VesselDataForm.get();
    cleared.VesselName->clear();
    cleared.OKButton_Click();
    EXPECT_EQ(Setting("VesselName"), "");
    EXPECT_EQ(main.Calls.size(), 2);
}

TEST_F(VesselAndSignature, AFailedVesselWriteIsToldAndTheDialogStays) {
    auto& form = c.Setup->VesselDataForm.get();
    form.VesselName->setText("MV Example");
    platform.Settings.FailSaves = true;
    form.OKButton_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "(VesselDataForm) Error: the settings store could not be written.\r\nThe "
                                             "vessel data might not have been saved.");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error");
    EXPECT_TRUE(c.Setup->VesselDataForm.isLoaded());
    EXPECT_EQ(form.VesselName->text(), "MV Example");
    platform.Settings.FailSaves = false;
    form.OKButton_Click();
    EXPECT_FALSE(c.Setup->VesselDataForm.isLoaded());
    EXPECT_EQ(Setting("VesselName"), "MV Example");
}

TEST_F(VesselAndSignature, SignatureWithBlankLinesThroughTheFileAndARestart) {
    const QString signature = "Captain\r\n\r\nMV Example\r\n";
    auto& form = c.Setup->DefineSignatureForm.get();
    form.SetSignatureText(signature);
    EXPECT_EQ(form.SignatureText->toPlainText(), "Captain\n\nMV Example\n");
    form.OKButton->click();
    EXPECT_FALSE(c.Setup->DefineSignatureForm.isLoaded());
    EXPECT_TRUE(Data("Tidepost.ini").contains("[Signature]\r\nCaptain\r\n\r\nMV Example\r\n\r\n[End Of Signature]\r\n"));

    // A new run reads it back unchanged.
    Foundation restarted{platform.Os};
    restarted.gConfiguration.DataPath = platform.DataFolder();
    ReadIniFile(restarted);
    EXPECT_EQ(GetIniValue(restarted, "[Signature]"), signature);
    Settle();

    // Two lines, as the file holds them; then the empty signature.
    c.Setup->DefineSignatureForm.get().SignatureText->setPlainText("Line 1\nLine 2");
    c.Setup->DefineSignatureForm.get().OKButton_Click();
    EXPECT_TRUE(Data("Tidepost.ini").contains("[Signature]\r\nLine 1\r\nLine 2\r\n[End Of Signature]"));
    Settle();
    c.Setup->DefineSignatureForm.get().SetSignatureText("");
    c.Setup->DefineSignatureForm.get().OKButton_Click();
    EXPECT_TRUE(Data("Tidepost.ini").contains("[Signature]\r\n\r\n[End Of Signature]"));
    EXPECT_EQ(GetIniValue(f, "[Signature]"), "");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(VesselAndSignature, AFailedSignatureWriteKeepsTheDialogAndItsText) {
    // The data folder taken away under the program: the settings file cannot be written.
    ASSERT_TRUE(QDir(platform.DataFolder()).removeRecursively());
    auto& form = c.Setup->DefineSignatureForm.get();
    form.SetSignatureText("Captain");
    form.OKButton_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = platform.Boxes.Shown[0];
    EXPECT_TRUE(box.text.startsWith("(DefineSignatureForm) Error '76': ")) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains("<Unknown file name>"));
    EXPECT_TRUE(box.text.endsWith("\r\nThe signature might not have been saved."));
    EXPECT_EQ(box.title, "Error76");
    EXPECT_TRUE(c.Setup->DefineSignatureForm.isLoaded());
    EXPECT_EQ(form.SignatureText->toPlainText(), "Captain");
    // Told by the dialog itself, not once more through the queue.
    EXPECT_TRUE(f.gErrorQueue == nullptr || f.gErrorQueue->Count() == 0);
}

TEST_F(VesselAndSignature, NothingLoadedIsAFailureToo) {
    f.gIniEntries.Loaded = false;
    EXPECT_EQ(StoreSignature(f, "x").number, 75);
    EXPECT_FALSE(WriteIniFile(f));
}

}  // namespace
}  // namespace tidepost::test
