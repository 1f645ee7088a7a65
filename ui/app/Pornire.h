#pragma once

// The program from start to end: registrations, data module, main window, message loop.
int ruleazaProgramul(int argc, char* argv[]);

class TDM;
// Runs the data module's start-up until it succeeds; after a failure the user may change the
// connection settings and try again, or close the program (false).
bool PornesteBazaDeDate(TDM& dm);
