#include "foundation/StartProcedure.h"

#include "foundation/Foundation.h"

namespace tidepost {

void Main(Foundation& f, const std::function<void()>& showMainForm) {
    f.Strings.CurrentLanguageId = 1033;
    f.Strings.InitMlStrings();
    f.LanguageSelect.ShowDialog(true);
    if (showMainForm) showMainForm();
}

}  // namespace tidepost
