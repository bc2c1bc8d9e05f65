#include "config/LESConfigForm.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "config/Config.h"
#include "config/LesEditForm.h"
#include "config/LesNames.h"
#include "foundation/Definitions.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/LesLists.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/WindowPlacement.h"
#include "foundation/cShowModal.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

namespace {

constexpr int kFrameIds[4] = {2338, 2342, 2341, 2340};
constexpr const char* kFrameTexts[4] = {"West Atlantic Ocean", "East Atlantic Ocean", "Pacific Ocean", "Indian Ocean"};

QWidget* MainWindowOf(Foundation& f) { return f.Windows.MainForm ? f.Windows.MainForm->Form() : nullptr; }

QString Indexed(const char* name, int i) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(i); }

}  // namespace

LESConfigForm::LESConfigForm(Config& c) : CaptionedWindow(c.F, "LESConfigForm", kFixedDialog), m_c(c) {
    setWindowTitle("Land Earth Stations Configuration");
    auto* grid = new QGridLayout(this);
    // Frames in reading order: West and East Atlantic above, Pacific and Indian below.
    for (int i = 0; i < 4; ++i) {
        Frame[i] = new QGroupBox(kFrameTexts[i], this);
        Frame[i]->setObjectName(Indexed("Frame", i));
        LesList[i] = new QListWidget(Frame[i]);
        LesList[i]->setObjectName(Indexed("LesList", i));
        LesList[i]->setToolTip("DoubleClick to Edit Lesnames");
        LesList[i]->setAccessibleName(kFrameTexts[i]);
        LesList[i]->setMinimumSize(Twips(3000), Twips(2000));
        EditButton[i] = new QPushButton("Edit", Frame[i]);
        EditButton[i]->setObjectName(Indexed("EditButton", i));
        DefaultButton[i] = new QPushButton("Default", Frame[i]);
        DefaultButton[i]->setObjectName(Indexed("DefaultButton", i));
        auto* box = new QVBoxLayout(Frame[i]);
        box->addWidget(LesList[i]);
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(EditButton[i]);
        buttons->addWidget(DefaultButton[i]);
        box->addLayout(buttons);
        grid->addWidget(Frame[i], i / 2, i % 2);

        // Edit follows a chosen station, by click or keys; the list taking the focus chooses none.
        connect(LesList[i], &QListWidget::itemSelectionChanged, this,
                [this, i] { EditButton[i]->setEnabled(SelectedItem(i) != nullptr); });
        // A double click, or Enter, on a station (one signal for both: two would open it twice).
        connect(LesList[i], &QListWidget::itemActivated, this, [this, i] { EditButton_Click(i); });
        connect(EditButton[i], &QPushButton::clicked, this, [this, i] { EditButton_Click(i); });
        connect(DefaultButton[i], &QPushButton::clicked, this, [this, i] { DefaultButton_Click(i); });
    }
    OKButton = new QPushButton("OK", this);
    OKButton->setObjectName("OKButton");
    OKButton->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(OKButton);
    grid->addLayout(bottom, 2, 0, 1, 2);
    connect(OKButton, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, [this] { OKButton_Click(); });

    QWidget* previous = nullptr;
    for (int i = 0; i < 4; ++i)
        for (QWidget* w : {static_cast<QWidget*>(LesList[i]), static_cast<QWidget*>(EditButton[i]),
                           static_cast<QWidget*>(DefaultButton[i])}) {
            if (previous) setTabOrder(previous, w);
            previous = w;
        }
    setTabOrder(previous, OKButton);

    AddCaption(2335, [this](const QString& t) { setWindowTitle(t); });
    for (int i = 0; i < 4; ++i) {
        AddCaption(2337, [this, i](const QString& t) { DefaultButton[i]->setText(t); });
        AddCaption(2336, [this, i](const QString& t) { EditButton[i]->setText(t); });
        AddCaption(kFrameIds[i], [this, i](const QString& t) {
            Frame[i]->setTitle(t);
            LesList[i]->setAccessibleName(t);
        });
        AddCaption(2339, [this, i](const QString& t) { LesList[i]->setToolTip(t); });
    }
    AddCaption(1906, [this](const QString& t) { OKButton->setText(t); });
    FinishLoad();
    // A narrower face lets the Russian captions fit the buttons.
    QFont font = EditButton[0]->font();
    font.setFamily(m_f.Strings.CurrentLanguageId == 1049 ? "Arial Narrow" : "MS Sans Serif");
    for (int i = 0; i < 4; ++i) {
        EditButton[i]->setFont(font);
        DefaultButton[i]->setFont(font);
    }
    adjustSize();
    CentreOverMainWindow(*this, MainWindowOf(m_f));
}

void LESConfigForm::SetLesList(int ocean, const QStringList& items) {
    if (ocean < 0 || ocean > 3) return;
    LesList[ocean]->clear();
    LesList[ocean]->addItems(items);
    LesList[ocean]->setCurrentRow(-1);
}

void LESConfigForm::DisableEditButtons() {
    for (QPushButton* b : EditButton) b->setEnabled(false);
}

void LESConfigForm::ShowForm() {
    show();
    raise();
    activateWindow();
}

QStringList LESConfigForm::Items(int ocean) const {
    QStringList items;
    for (int row = 0; row < LesList[ocean]->count(); ++row) items.append(LesList[ocean]->item(row)->text());
    return items;
}

QListWidgetItem* LESConfigForm::SelectedItem(int ocean) const {
    const QList<QListWidgetItem*> selected = LesList[ocean]->selectedItems();
    return selected.isEmpty() ? nullptr : selected.front();
}

void LESConfigForm::DeleteMarkedLES(int ocean) {
    if (ocean < 0 || ocean > 3) return;
    if (QListWidgetItem* item = SelectedItem(ocean)) delete LesList[ocean]->takeItem(LesList[ocean]->row(item));
}

void LESConfigForm::StoreNames(int ocean) {
    if (const FileError err = SaveLesNames(m_f, ocean, Items(ocean)))
        ShowFileErrorBox(m_f, "LESConfigForm.EditButton_Click", err, LesFilePath(m_f, ocean));
}

void LESConfigForm::EditButton_Click(int ocean) {
    if (ocean < 0 || ocean > 3) return;
    if (m_c.LesEditForm.isLoaded() && m_c.LesEditForm.loaded()->isVisible()) return;
    QListWidgetItem* item = SelectedItem(ocean);
    if (item) {
        const QString text = item->text();
        const qint64 number = LeadingNumber(text);
        if (number <= 0 || number > 32767 || !IsValidLesId(int(number))) {
            MessageBoxRequest box;
            box.text = MlText(m_f, 2652, "Invalid LES ID");
            box.title = MlText(m_f, 2544, "Error");
            box.icon = MsgIcon::Critical;
            if (m_f.Os.Boxes) m_f.Os.Boxes->Show(box, this);
            DeleteMarkedLES(ocean);
        } else {
            tidepost::LesEditForm& edit = m_c.LesEditForm.get();
            edit.EditOcean = quint8(ocean);
            edit.LoadLes(LesItemId(text), LesItemName(text));
            cShowModal().ShowModal(&edit, this);
            // The dialog may have gone with the program meanwhile.
            if (tidepost::LesEditForm* shown = m_c.LesEditForm.loaded()) {
                const QString name = shown->ChosenName();
                if (!name.isEmpty() && SelectedItem(ocean) == item) item->setText(LesItemText(LesItemId(text), name));
                m_c.LesEditForm.unload();
            }
        }
    }
    StoreNames(ocean);
}

void LESConfigForm::DefaultButton_Click(int ocean) {
    if (ocean < 0 || ocean > 3) return;
    MessageBoxRequest box;
    box.text = FormatMlString(MlText(m_f, 2649, "Do you want to load Default LES Names for %0?"),
                              {m_f.OceanNames.value(ocean)}) +
               "\r\n\r\n" + MlText(m_f, 2650, "(This will overwrite the user defined LES names)");
    box.title = MlText(m_f, 2651, "Load Default LES names");
    box.buttons = MsgButtons::YesNo;
    box.icon = MsgIcon::Question;
    if (!m_f.Os.Boxes || m_f.Os.Boxes->Show(box, this) != MsgAnswer::Yes) return;
    QStringList items;
    for (const KeyValuePair& row : GetDefaultLesList(ocean)) items.append(LesItemText(row.Key, row.Value));
    SetLesList(ocean, items);
    EditButton[ocean]->setEnabled(false);
    if (const FileError err = WriteDefaultLesNames(m_f, ocean))
        ShowFileErrorBox(m_f, "LESConfigForm.DefaultButton_Click", err, LesFilePath(m_f, ocean));
}

void LESConfigForm::OKButton_Click() { m_c.LESConfigForm.unload(); }

void LESConfigForm::closeEvent(QCloseEvent* event) {
    // Not while a rename is open over it: that one ends first.
    if (m_c.LesEditForm.isLoaded() && m_c.LesEditForm.loaded()->isVisible()) {
        event->ignore();
        return;
    }
    event->accept();
    m_c.LESConfigForm.unload();
}

}  // namespace tidepost
