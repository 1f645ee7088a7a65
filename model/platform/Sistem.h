#pragma once

#include <QString>

// Who runs the program and where, as the journals record it: the operating system's user
// and the computer's name.
QString UtilizatorulSistemului();
QString CalculatorulSistemului();
