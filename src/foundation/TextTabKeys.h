#pragma once

class QPlainTextEdit;

namespace tidepost {

// Tab and Shift+Tab leave the multi-line text for the next or previous control, as they do
// everywhere else in a window. With `ctrlTabInserts`, Ctrl+Tab puts a tab character into an
// editable text instead.
void LetTabLeaveText(QPlainTextEdit* text, bool ctrlTabInserts);

}  // namespace tidepost
