#include "foundation/LanguageSelect.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "foundation/Captions.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MlText.h"
#include "foundation/WindowPlacement.h"
#include "platform/IMessageBoxes.h"
#include "platform/ISettingsStore.h"

namespace tidepost {

namespace {

QString ReadLanguageSetting(Foundation& f, const char* key, const QString& defaultValue) {
    return f.Os.Settings->Get(LanguageSettings::Application(), LanguageSettings::Section, key, defaultValue);
}

// A stored id that is no whole number counts as English.
int ToLanguageId(const QString& text) {
    bool ok = false;
    const int id = text.trimmed().toInt(&ok);
    return ok ? id : 1033;
}

// "-1"/"0" as written, any other number by its value, "True"/"False" by name; anything else
// keeps the default.
bool ToBoolean(const QString& text, bool defaultValue) {
    const QString t = text.trimmed();
    bool ok = false;
    const long long number = t.toLongLong(&ok);
    if (ok) return number != 0;
    if (t.compare("True", Qt::CaseInsensitive) == 0) return true;
    if (t.compare("False", Qt::CaseInsensitive) == 0) return false;
    return defaultValue;
}

}  // namespace

QString LanguageSettings::Application() { return QCoreApplication::applicationName(); }

void ApplyStoredLanguage(Foundation& f) {
    f.Strings.SetMlLanguage(ToLanguageId(ReadLanguageSetting(f, "LangId", "1033")),
                            ReadLanguageSetting(f, "LangName", ""));
}

LanguageSelect::LanguageSelect(Foundation& f, bool IsStartup) : m_f(f), m_isStartup(IsStartup) {
    setObjectName("LanguageSelect");
    setWindowTitle("Select Language");
    LanguageList = new QListWidget(this);
    LanguageList->setObjectName("LanguageList");
    LanguageList->setSelectionMode(QAbstractItemView::SingleSelection);
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    CancelButton = new QPushButton("&Cancel", this);
    CancelButton->setObjectName("CancelButton");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OKButton);
    buttons->addWidget(CancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(LanguageList);
    layout->addLayout(buttons);

    connect(OKButton, &QPushButton::clicked, this, &LanguageSelect::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &LanguageSelect::CancelButton_Click);
    connect(LanguageList, &QListWidget::itemDoubleClicked, this, &LanguageSelect::OKButton_Click);

    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
    ConnectNotifier();
    resize(260, 180);
    CentreWindow();
}

void LanguageSelect::ConnectNotifier() {
    disconnect(ml_RuntimeSupport);
    ml_RuntimeSupport = connect(&m_f.Strings.Notifier, &LanguageNotifier::LanguageChanged, this,
                                &LanguageSelect::ml_RuntimeSupport_LanguageChanged);
}

void LanguageSelect::ApplyCaptions() {
    SetWindowCaption(m_f.Strings, this, 2124);
    SetCaption(m_f.Strings, CancelButton, 4);
    SetCaption(m_f.Strings, OKButton, 1906);
}

void LanguageSelect::ml_RuntimeSupport_LanguageChanged(int LanguageID, const QString& Language) {
    m_f.Strings.SetMlLanguage(LanguageID, Language);
    ApplyCaptions();
    m_f.Strings.ApplyLanguageCharset(this);
}

void LanguageSelect::CentreWindow() {
    // At start-up the main window is not shown yet: the screen is what the operator sees.
    const QWidget* main = m_f.Windows.MainForm ? m_f.Windows.MainForm->Form() : nullptr;
    CentreOverMainWindow(*this, m_isStartup ? nullptr : main);
}

void LanguageSelect::FillLanguageList() {
    LanguageList->clear();
    for (const int id : GetSupportedLanguages()) {
        auto* item = new QListWidgetItem(GetNativeLanguageName(id), LanguageList);
        item->setData(Qt::UserRole, id);
        if (id == m_f.Strings.CurrentLanguageId) {
            LanguageList->setCurrentItem(item);
            item->setSelected(true);
        }
    }
}

void LanguageSelect::ShowDialog(bool IsStartup) {
    m_isStartup = IsStartup;
    if (IsStartup) {
        const int id = ToLanguageId(ReadLanguageSetting(m_f, "LangId", "1033"));
        const QString name = ReadLanguageSetting(m_f, "LangName", "");
        m_f.Strings.SetMlLanguage(id, name);
        ConnectNotifier();
        m_f.Strings.Notifier.AnnounceLanguage(id, name);
    }
    m_showAtStart = ToBoolean(ReadLanguageSetting(m_f, "ShowDialog", "-1"), true);
    FillLanguageList();

    if (!IsStartup) {
        setModal(false);
        show();
        raise();
        activateWindow();
        return;
    }
    if (!m_showAtStart) return;
    setModal(true);
    // OK and Cancel unload the dialog while it is shown: nothing of it is used after this.
    if (m_f.Windows.LanguageSelect.ShowModal)
        m_f.Windows.LanguageSelect.ShowModal(*this);
    else
        exec();
}

void LanguageSelect::OKButton_Click() {
    const QList<QListWidgetItem*> selected = LanguageList->selectedItems();
    if (!selected.isEmpty()) {
        m_showAtStart = false;
        const int id = selected.first()->data(Qt::UserRole).toInt();
        m_f.Strings.CurrentLanguageId = id;
        if (m_isStartup) {
            m_f.Strings.Notifier.AnnounceLanguage(id, GetLanguageName(id));
        } else {
            // The running program keeps its texts; the new language applies from the next start.
            MessageBoxRequest box;
            box.text = MlText(m_f, 2984, "Tidepost must be closed to change language. Please run it again manually.");
            box.title = MlText(m_f, 3011, "Restart Tidepost");
            box.buttons = MsgButtons::Ok;
            m_f.Os.Boxes->Show(box, this);
            m_f.Windows.ExitWithoutQuestion = true;
            if (m_f.Windows.MainForm) m_f.Windows.MainForm->mnuExit_Click();
        }
        hide();
    }
    m_f.Windows.LanguageSelect.unload();
}

void LanguageSelect::CancelButton_Click() { m_f.Windows.LanguageSelect.unload(); }

void LanguageSelect::reject() { CancelButton_Click(); }

void LanguageSelect::Form_Unload() {
    ISettingsStore& store = *m_f.Os.Settings;
    const QString app = LanguageSettings::Application();
    const int id = m_f.Strings.CurrentLanguageId;
    store.Save(app, LanguageSettings::Section, "LangId", QString::number(id));
    store.Save(app, LanguageSettings::Section, "LangName", GetLanguageName(id));
    store.Save(app, LanguageSettings::Section, "ShowDialog", m_showAtStart ? "-1" : "0");
    disconnect(ml_RuntimeSupport);
}

}  // namespace tidepost
