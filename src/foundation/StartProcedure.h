#pragma once
#include <functional>

namespace tidepost {

struct Foundation;

// The start of the program: English first, the string table, the stored language, the data folder
// and settings file, then the language dialog, which announces the stored language and asks for
// one until the user has confirmed one. Only then is
// `showMainForm` called to create, load and show the main window, so everything its load builds
// from the string table is in the chosen language.
void Main(Foundation& f, const std::function<void()>& showMainForm);

}  // namespace tidepost
