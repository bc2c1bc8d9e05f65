#include "foundation/StartProcedure.h"

#include "foundation/DataFiles.h"
#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/LanguageSelect.h"
#include "foundation/MlText.h"
#include "foundation/StartUp.h"
#include "foundation/UsefullCodePages.h"
#include "platform/IInstanceLock.h"
#include "platform/IMessageBoxes.h"

namespace tidepost {

bool RefuseSecondCopy(Foundation& f) {
    if (f.Os.Instance == nullptr) return false;
    // Without a usable runtime folder the lock lives in the data folder, which is what two copies
    // would otherwise share.
    const InstanceClaim claim = f.Os.Instance->Claim([&f] { return GetDataPath(f); });
    if (claim.outcome == InstanceClaim::Claimed) return false;
    if (claim.outcome == InstanceClaim::Failed) {
        // Whether another copy runs cannot be known: running anyway could let two copies rewrite
        // the same files.
        ShowFileErrorBox(f, QStringLiteral("Main"), claim.error, claim.path);
        return true;
    }
    if (f.Os.Boxes) {
        MessageBoxRequest box;
        box.text = MlText(f, 2696, "Tidepost instance already running.");
        box.title = MlText(f, 12, "Info");
        box.buttons = MsgButtons::Ok;
        f.Os.Boxes->Show(box);
    }
    return true;
}

bool Main(Foundation& f, const std::function<void()>& showMainForm) {
    f.Strings.CurrentLanguageId = 1033;
    f.Strings.InitMlStrings();
    ApplyStoredLanguage(f);
    ChooseAnsiCodePage(f);
    // A second copy says so in the user's language and ends before it reads or writes anything of
    // the data folder, so the running copy's files stay as that copy keeps them.
    if (RefuseSecondCopy(f)) return false;
    // The data folder is prepared before the dialog can wait for the user, so a first start
    // leaves a complete data folder even while the language is still being asked for; its
    // notices are already in the stored language.
    LoadFoundation(f);
    // Ended meanwhile (a signal answered the box that was open): nothing more waits for the operator.
    if (f.Windows.EndRequested) return true;
    f.Windows.LanguageSelect.ShowDialog(true);
    if (f.Windows.EndRequested) return true;
    ChooseAnsiCodePage(f);
    if (showMainForm) showMainForm();
    return true;
}

}  // namespace tidepost
