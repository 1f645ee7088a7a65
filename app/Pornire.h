#pragma once

// The program from start to end: registrations, data module, main window, message loop.
int ruleazaProgramul(int argc, char* argv[]);
