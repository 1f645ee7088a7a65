#include "platform/Sistem.h"

#include <QDir>
#include <QSysInfo>

QString UtilizatorulSistemului() {
    for (const char* v : {"USER", "USERNAME", "LOGNAME"})
        if (!qEnvironmentVariable(v).isEmpty()) return qEnvironmentVariable(v);
    // a session started without them (a service, a bare root shell) still has a home folder
    const QString acasa = QDir::home().dirName();
    return acasa.isEmpty() ? QStringLiteral("necunoscut") : acasa;
}

QString CalculatorulSistemului() {
    return QSysInfo::machineHostName();
}
