#pragma once
#include <QStringList>

namespace tidepost {

struct Foundation;

// The items of an ocean's list in the LES dialogs: each available LES of the ocean whose number
// is a valid LES id, as the id, ", " and its name from the ocean's LES list file, in list order.
QStringList LesListItems(Foundation& f, int ocean);

}  // namespace tidepost
