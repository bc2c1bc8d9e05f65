#include "foundation/StartProcedure.h"

#include "foundation/Foundation.h"
#include "foundation/LanguageSelect.h"
#include "foundation/StartUp.h"

namespace tidepost {

void Main(Foundation& f, const std::function<void()>& showMainForm) {
    f.Strings.CurrentLanguageId = 1033;
    f.Strings.InitMlStrings();
    // The data folder is prepared before the dialog can wait for the user, so a first start
    // leaves a complete data folder even while the language is still being asked for; its
    // notices are already in the stored language.
    ApplyStoredLanguage(f);
    LoadFoundation(f);
    f.Windows.LanguageSelect.ShowDialog(true);
    if (showMainForm) showMainForm();
}

}  // namespace tidepost
