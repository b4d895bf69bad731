#pragma once
#include <QString>

// Every control of the game's windows, by the name the view model and the
// widgets share. A name that is not here is a misspelling.
namespace controls {
bool declared(const QString& name);
}
