#pragma once

#include <QString>

// Where the program's files live.
class Cai {
public:
    // The folder of the executable (where the template database is read).
    static QString dosarExecutabil();
    // The folder the program writes to (DB/, licenta.lic, LargeFonts.txt, PDF/): VARDOLIN_DATA_DIR
    // when set, else the executable's folder when it can be written to, else the user's
    // application data folder.
    static QString dosarDate();
    // A file or folder inside the data folder.
    static QString inDosarDate(const QString& nume);

    // Tests put the program elsewhere; the empty text restores the real folder.
    static void seteazaDosarExecutabil(const QString& dosar);
};
