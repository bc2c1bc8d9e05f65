#pragma once
#include <memory>

namespace tidepost {

class MainForm;
struct Config;
class IConfigMainWindow;

// Gives the configuration dialogs the main window (returned; it must live as long as both) and
// fills the main window's menu slots and Cc/Bcc rule with them.
std::unique_ptr<IConfigMainWindow> ConnectConfigDialogs(MainForm& form, Config& c);

}  // namespace tidepost
