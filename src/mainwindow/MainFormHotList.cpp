#include "foundation/Foundation.h"
#include "mainwindow/HotList.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/cMainForm.h"

namespace tidepost {

void MainForm::CreateHotList() {
    m_formsLookup = std::make_unique<cMainForm>(*m_mnuForms);
    m_hotList = std::make_unique<cHotList>(m_foundation);
    m_hotList->FilePath(HotListFilePath(m_foundation));
    m_hotList->MenuInterface(this);
    HotList.Add = [this](int id, int parentId) {
        if (m_hotList) m_hotList->add(id, parentId);
    };
    // Letting the list go writes it.
    HotList.Release = [this] { m_hotList.reset(); };
}

void MainForm::LoadHotList() {
    if (m_hotList) m_hotList->Load();
}

bool MainForm::ResetHotList() { return m_hotList ? m_hotList->Reset() : false; }

int MainForm::GetMnuFomsIndex(const QString& fileName) const {
    return m_formsLookup ? m_formsLookup->GetMnuFomsIndex(fileName) : -1;
}

QString MainForm::GetMnuFomsFileName(int index) const {
    return m_formsLookup ? m_formsLookup->GetMnuFomsFileName(index) : QString();
}

QString MainForm::GetMnuFomsName(int index) const {
    return m_formsLookup ? m_formsLookup->GetMnuFomsName(index) : QString();
}

}  // namespace tidepost
