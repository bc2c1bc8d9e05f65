#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QMap>
#include <QMenuBar>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <functional>
#include <memory>

#include "editor/FunctionKeyForm.h"
#include "editor/MessageForm.h"
#include "editor/MessageFormLinks.h"
#include "foundation/AccessKeys.h"
#include "foundation/Foundation.h"
#include "foundation/WindowRoles.h"
#include "link/Link.h"
#include "link/TerminalModeForm.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/PleaseWait.h"
#include "messages/AddressBookForm.h"
#include "messages/AddressCard.h"
#include "messages/AddressListForm.h"
#include "messages/Messages.h"
#include "messages/SendingForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct Windows : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    MessageFormLinks viewerLinks;
    FunctionKeyLinks keyLinks;

    Windows() {
        f.gConfiguration.DataPath = platform.DataFolder();
        keyLinks.FieldText = [](const QString&) { return QString(); };
        keyLinks.UpdateFMenu = [] {};
        InstallWindowRoles();
    }
    ~Windows() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // The language switch as each window hears it (the main window listens once it has loaded).
    void Announce(QWidget* window, int language) {
        const QString name = language == 1033 ? "English" : "Russian";
        if (auto* main = qobject_cast<MainForm*>(window)) main->ml_RuntimeSupport_LanguageChanged(language, name);
        else f.Strings.Notifier.AnnounceLanguage(language, name);
    }
};

struct WindowCase {
    const char* name;
    std::function<QWidget*(Windows&)> make;
};

const WindowCase kWindows[] = {
    {"main window", [](Windows& w) -> QWidget* { return new MainForm(w.f, w.link, &w.m); }},
    {"address book", [](Windows& w) -> QWidget* { return new AddressBookForm(w.m); }},
    {"address card", [](Windows& w) -> QWidget* { return new AddressCard(w.m); }},
    {"address chooser", [](Windows& w) -> QWidget* { return new AddressListForm(w.m); }},
    {"send dialogue", [](Windows& w) -> QWidget* { return new SendingForm(w.m); }},
    {"viewer", [](Windows& w) -> QWidget* { return new MessageForm(w.f, w.viewerLinks, [] {}); }},
    {"default messages",
     [](Windows& w) -> QWidget* {
         auto* form = new FunctionKeyForm(w.f, w.keyLinks, [] {});
         form->ShowForm();
         return form;
     }},
    {"terminal mode", [](Windows& w) -> QWidget* { return new TerminalModeForm(w.link, [] {}); }},
    {"please wait", [](Windows& w) -> QWidget* { return new PleaseWait(w.f, nullptr, [] {}); }},
};

bool IsControl(const QWidget* w) {
    return qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLineEdit*>(w) ||
           qobject_cast<const QPlainTextEdit*>(w) || qobject_cast<const QAbstractItemView*>(w) ||
           qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
           qobject_cast<const QProgressBar*>(w);
}

QString SpokenName(QWidget* w) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
    return a ? a->text(QAccessible::Name).trimmed() : QString();
}

// An English word left in a Russian text: three or more Latin letters not all capitals (capitals
// are names such as EGC, LES or GPS), and not one of the names the program keeps in every language.
QString EnglishWordIn(const QString& text) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{3,}"));
    static const QStringList names{"Tidepost", "Esc", "Mail", "Inm", "Windows", "Cyrillic"};
    for (auto it = word.globalMatch(text); it.hasNext();) {
        const QString w = it.next().captured();
        if (w != w.toUpper() && !names.contains(w)) return w;
    }
    return {};
}

// The controls a user meets: shown with the window, of this window (not a child window's).
QList<QWidget*> Controls(QWidget* window) {
    QList<QWidget*> controls;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (w->window() == window && w->isVisibleTo(window) && IsControl(w)) controls.append(w);
    return controls;
}

TEST_F(Windows, EveryControlHasASpokenNameAndEveryWindowIsAnnouncedAsOneInBothLanguages) {
    for (const WindowCase& c : kWindows) {
        for (int language : {1033, 1049}) {
            f.Strings.CurrentLanguageId = language;
            std::unique_ptr<QWidget> window(c.make(*this));
            Announce(window.get(), language);
            const std::string where = std::string(c.name) + (language == 1033 ? " (English)" : " (Russian)");

            QAccessibleInterface* self = QAccessible::queryAccessibleInterface(window.get());
            ASSERT_NE(self, nullptr) << where;
            EXPECT_TRUE(self->role() == QAccessible::Window || self->role() == QAccessible::Dialog)
                << where << " is announced with role " << self->role();
            EXPECT_FALSE(window->windowTitle().trimmed().isEmpty()) << where << " has no title";

            for (QWidget* control : Controls(window.get())) {
                const QString name = SpokenName(control);
                EXPECT_FALSE(name.isEmpty()) << where << ": " << control->objectName().toStdString() << " has no name";
                if (language == 1049 && !name.isEmpty()) {
                    EXPECT_EQ(EnglishWordIn(name), QString())
                        << where << ": " << control->objectName().toStdString() << " speaks " << name.toStdString();
                }
            }
            if (language != 1049) continue;
            for (QLabel* label : window->findChildren<QLabel*>()) {
                if (label->window() != window.get() || !label->isVisibleTo(window.get())) continue;
                EXPECT_EQ(EnglishWordIn(label->text()), QString())
                    << where << ": label " << label->objectName().toStdString() << " shows " << label->text().toStdString();
            }
        }
    }
    f.Strings.CurrentLanguageId = 1033;
}

// Opened, a window puts the focus on one of its controls (its first field or default button), so
// the keyboard works at once.
TEST_F(Windows, EveryWindowOpensWithTheFocusOnOneOfItsControls) {
    for (const WindowCase& c : kWindows) {
        std::unique_ptr<QWidget> window(c.make(*this));
        bool focusable = false;
        for (QWidget* control : Controls(window.get())) focusable |= control->focusPolicy() & Qt::TabFocus;
        if (!focusable) continue;
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << c.name;
        QWidget* focus = QApplication::focusWidget();
        EXPECT_TRUE(focus != nullptr && focus->window() == window.get()) << c.name;
        window->hide();
    }
}

TEST_F(Windows, AccessKeysOfTheMainWindowAndTheAddressBookClashWithNoneInEitherLanguage) {
    for (int language : {1033, 1049}) {
        f.Strings.CurrentLanguageId = language;
        MainForm form(f, link, &m);
        AddressBookForm book(m);
        Announce(&form, language);
        Announce(&book, language);
        for (QWidget* window : {static_cast<QWidget*>(&form), static_cast<QWidget*>(&book)}) {
            QMap<QChar, QString> owners;
            const auto own = [&](const QString& text, bool shown) {
                const QChar key = AccessKeyOf(text);
                if (key.isNull() || !shown) return;
                EXPECT_FALSE(owners.contains(key)) << language << ": " << text.toStdString() << " and "
                                                   << owners.value(key).toStdString() << " share a key";
                owners.insert(key, text);
            };
            if (window == &form)
                for (QAction* menu : form.menuBar()->actions()) own(menu->text(), menu->isVisible());
            for (QAbstractButton* b : window->findChildren<QAbstractButton*>())
                if (b->window() == window) own(b->text(), true);
        }
        for (const char* name : {"SendButton", "ToButton", "EditorButton", "InboxButton", "OutboxButton", "EGCButton"})
            EXPECT_FALSE(AccessKeyOf(form.findChild<QAbstractButton*>(name)->text()).isNull()) << language << name;
        for (QAbstractButton* b : {static_cast<QAbstractButton*>(book.ToButton), static_cast<QAbstractButton*>(book.CCButton),
                                   static_cast<QAbstractButton*>(book.BccButton)})
            EXPECT_FALSE(AccessKeyOf(b->text()).isNull()) << language << b->text().toStdString();
    }
    f.Strings.CurrentLanguageId = 1033;
}

}  // namespace
