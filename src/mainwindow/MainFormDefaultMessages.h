#pragma once

namespace tidepost {

class MainForm;
struct DefaultMessageKeys;

// F1 to F8 load their stored messages into the editor, and the items "mnuF(0)" … "mnuF(7)" show
// the stored names; the captions are written at once and again whenever the set-up dialog or the
// language changes them.
void ConnectDefaultMessages(MainForm& form, DefaultMessageKeys& keys);

}  // namespace tidepost
