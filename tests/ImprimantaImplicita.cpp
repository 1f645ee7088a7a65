// Linked into every test program that may print: the system's printers (the PDF printer among
// them) are the default printer, as in the program.
#include "platform/ImprimantaSistem.h"

namespace {
const bool implicita = (ImprimantaSistem::faImplicita(), true);
}
