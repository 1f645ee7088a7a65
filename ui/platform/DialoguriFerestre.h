#pragma once

#include "platform/Dialoguri.h"

// Qt's message boxes and file dialogs, and QDialog::exec for the program's own windows.
std::unique_ptr<Dialoguri> DialoguriCuFerestre();
