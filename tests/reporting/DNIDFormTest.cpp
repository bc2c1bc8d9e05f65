#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "ReportingFixture.h"
#include "reporting/DNIDForm.h"

using namespace tidepost;
using test::ReportingFixture;

namespace {

struct DnidDialog : ReportingFixture {
    DnidDialog() { f.gSession.SetMesConnected(true); }
    // The dialog as a reply with these lines leaves it.
    DNIDForm& Open(const QStringList& lines) {
        Dispatch(DnidReply(lines));
        return *r.DNIDForms.loaded();
    }
    QString Queue() const { return link.Dialogue.CommandQueue; }
    void ClickProvider(DNIDForm& form, int row) { QTest::mouseClick(form.LabelProvider(row), Qt::LeftButton); }
    // The controls Tab visits from `first`, once round, by name.
    static QStringList TabRound(QWidget* first) {
        QStringList names;
        QWidget* w = first;
        do {
            if (w->focusPolicy() & Qt::TabFocus && w->isEnabled() && w->isVisibleTo(first->window()))
                names << w->objectName();
            w = w->nextInFocusChain();
        } while (w != first);
        return names;
    }
};

const QString kNorth = ReportingFixture::DnidLine("North Sea Fleet Services", 1, 12, 12345, 1);
const QString kHarbour = ReportingFixture::DnidLine("Harbour Data Ltd", 1, 102, 12345, 3);

TEST_F(DnidDialog, RowsShowTheStoreAsItWasWhenTheDialogLoaded) {
    DNIDForm& form = Open({kNorth, kHarbour, DnidLine("A&B", 0, 301, 42, 7, 2, 3, 1), DnidLine("Odd", 5, 102, 9, 1)});
    ASSERT_EQ(form.RowCount(), 4);
    auto text = [&form](const char* name, int row) {
        return form.findChild<QLabel*>(QString("%1(%2)").arg(name).arg(row))->text();
    };
    EXPECT_EQ(form.windowTitle(), "DNID List");
    EXPECT_EQ(text("LabelNo", 2), "3.");
    EXPECT_EQ(text("LabelProvider", 2), "A&B");
    EXPECT_EQ(form.LabelProvider(2)->textFormat(), Qt::PlainText);
    EXPECT_EQ(form.LabelProvider(2)->buddy(), nullptr);
    EXPECT_EQ((QStringList{text("LabelLES", 2), text("LabelDNID", 2), text("LabelMember", 2), text("LabelSubAdr", 2),
                           text("LabelChannel", 2), text("LabelRandom", 2)}),
              (QStringList{"301", "42", "7", "2", "3", "1"}));
    EXPECT_EQ(text("LabelLES", 0), "12");
    EXPECT_EQ((QList<Qt::CheckState>{form.CheckEnabled(0)->checkState(), form.CheckEnabled(2)->checkState(),
                                     form.CheckEnabled(3)->checkState()}),
              (QList<Qt::CheckState>{Qt::Checked, Qt::Unchecked, Qt::PartiallyChecked}));
    EXPECT_EQ((QStringList{form.LabelStatus(0)->text(), form.LabelStatus(2)->text(), form.LabelStatus(3)->text()}),
              (QStringList{"Enabled", "Disabled", "Disabled"}));
    EXPECT_EQ(form.CheckEnabled(1)->accessibleName(), "Enable Harbour Data Ltd");
}

TEST_F(DnidDialog, OkSendsOnlyTheRowsTheOperatorChanged) {
    struct Case {
        const char* what;
        std::function<void(DnidDialog&, DNIDForm&)> act;
        QString queue;
    } cases[] = {
        {"nothing changed", [](DnidDialog&, DNIDForm&) {}, ""},
        {"two clicks on a provider", [](DnidDialog& t, DNIDForm& f) { t.ClickProvider(f, 1); t.ClickProvider(f, 1); }, ""},
        {"row 2 unticked", [](DnidDialog& t, DNIDForm& f) { t.ClickProvider(f, 1); }, "st -d D102,12345,3,0\r\n"},
        {"a disabled row ticked", [](DnidDialog&, DNIDForm& f) { f.CheckEnabled(2)->click(); }, "st -d E301,42,7,2\r\n"},
        {"status 5 ticked", [](DnidDialog& t, DNIDForm& f) { t.ClickProvider(f, 3); }, "st -d E102,9,1,0\r\n"},
        {"status 5 ticked, then cleared", [](DnidDialog&, DNIDForm& f) { f.ToggleRow(3); f.ToggleRow(3); },
         "st -d D102,9,1,0\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        link.Dialogue.CommandQueue.clear();
        DNIDForm& form = Open({kNorth, kHarbour, DnidLine("A&B", 0, 301, 42, 7, 2, 3, 1), DnidLine("Odd", 5, 102, 9, 1)});
        c.act(*this, form);
        form.OKButton->click();
        EXPECT_EQ(Queue(), c.queue);
        EXPECT_FALSE(r.DNIDForms.isLoaded());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(DnidDialog, OkComparesTheDialogsOwnRowsWhenANewerListArrived) {
    DNIDForm& form = Open({kNorth, kHarbour});
    // A shorter list comes in while the dialog is open: it is only brought forward.
    Dispatch(DnidReply({kNorth}));
    ASSERT_EQ(&form, r.DNIDForms.loaded());
    EXPECT_EQ(form.RowCount(), 2);
    form.ToggleRow(1);
    link.Dialogue.CommandQueue.clear();
    form.OKButton->click();
    EXPECT_EQ(Queue(), "st -d D102,12345,3,0\r\n");
}

TEST_F(DnidDialog, CancelEscAndTheCloseBoxSendNothing) {
    for (int way = 0; way < 3; ++way) {
        DNIDForm& form = Open({kHarbour});
        form.ToggleRow(0);
        link.Dialogue.CommandQueue.clear();
        if (way == 0) form.CancelButton->click();
        else if (way == 1) QTest::keyClick(&form, Qt::Key_Escape);
        else form.close();
        EXPECT_FALSE(r.DNIDForms.isLoaded()) << way;
        EXPECT_EQ(Queue(), "") << way;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

TEST_F(DnidDialog, AnEmptyListSaysSoAndOkSendsNothing) {
    DNIDForm& form = Open({});
    EXPECT_EQ(form.RowCount(), 0);
    ASSERT_NE(form.LabelNo(0), nullptr);
    EXPECT_EQ(form.LabelNo(0)->text(), "No DNID's in mobile.");
    link.Dialogue.CommandQueue.clear();
    form.OKButton->click();
    EXPECT_EQ(Queue(), "");
}

TEST_F(DnidDialog, OpeningAsksTheTransceiverOrShowsTheStore) {
    r.DnidReplyTarget = 1;
    OpenDnidList(r);
    EXPECT_EQ(r.DnidReplyTarget, 0);
    EXPECT_EQ(Queue(), "st -d\r\n");
    EXPECT_EQ(window.Calls, QStringList{"ShowWaitForm"});
    EXPECT_FALSE(r.DNIDForms.isLoaded());

    // Not connected, before any list: the empty text, and nothing asked.
    link.Dialogue.CommandQueue.clear();
    window.Calls.clear();
    f.gSession.SetMesConnected(false);
    OpenDnidList(r);
    EXPECT_EQ(Queue(), "");
    EXPECT_TRUE(window.Calls.isEmpty());
    ASSERT_TRUE(r.DNIDForms.isLoaded());
    EXPECT_TRUE(r.DNIDForms.loaded()->isVisible());
    EXPECT_EQ(r.DNIDForms.loaded()->LabelNo(0)->text(), "No DNID's in mobile.");
    r.DNIDForms.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    // After a list: that list.
    Dispatch(DnidReply({kNorth, kHarbour}));
    r.DNIDForms.unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    OpenDnidList(r);
    ASSERT_TRUE(r.DNIDForms.isLoaded());
    EXPECT_EQ(r.DNIDForms.loaded()->RowCount(), 2);
    EXPECT_EQ(Queue(), "");
}

TEST_F(DnidDialog, TheKeyboardReachesEveryBoxAndSpaceTogglesIt) {
    DNIDForm& form = Open({kNorth, kHarbour, DnidLine("Odd", 5, 102, 9, 1)});
    QApplication::setActiveWindow(&form);
    EXPECT_EQ(TabRound(form.CheckEnabled(0)),
              (QStringList{"CheckEnabled(0)", "CheckEnabled(1)", "CheckEnabled(2)", "OKButton", "CancelButton"}));
    form.CheckEnabled(2)->setFocus();
    QTest::keyClick(form.CheckEnabled(2), Qt::Key_Space);
    EXPECT_EQ(form.CheckEnabled(2)->checkState(), Qt::Checked);
    QTest::keyClick(form.CheckEnabled(2), Qt::Key_Space);
    EXPECT_EQ(form.CheckEnabled(2)->checkState(), Qt::Unchecked);
    QTest::keyClick(form.CheckEnabled(2), Qt::Key_Space);
    EXPECT_EQ(form.CheckEnabled(2)->checkState(), Qt::Checked);
    EXPECT_TRUE(form.OKButton->isDefault());
}

TEST_F(DnidDialog, ALanguageChangeRecaptionsAndKeepsTheRows) {
    DNIDForm& form = Open({kHarbour});
    form.ToggleRow(0);
    f.Strings.Notifier.AnnounceLanguage(1049, "Russian");
    EXPECT_EQ(form.windowTitle(), "Список DNID");
    EXPECT_EQ(form.findChild<QLabel*>("EnableLabel")->text(), "Включить");
    EXPECT_EQ(form.CheckEnabled(0)->accessibleName(), "Включить Harbour Data Ltd");
    EXPECT_EQ(form.CheckEnabled(0)->checkState(), Qt::Unchecked);
    EXPECT_EQ(form.LabelStatus(0)->text(), "Enabled");
    f.Strings.Notifier.AnnounceLanguage(1033, "English");
}

}  // namespace
