#pragma once

#include <QString>

// Where the program's files live.
class Cai {
public:
    // The folder of the executable.
    static QString dosarExecutabil();
    // The folder of the files the program only reads (the template database): ../share/vardolin
    // beside an installed executable, else the executable's own folder (the build tree).
    static QString dosarResurse();
    // True when the program runs from an installed copy (its files found under share).
    static bool esteInstalat();
    // The folder the program writes to (DB/, licenta.lic, LargeFonts.txt, PDF/): VARDOLIN_DATA_DIR
    // when set; the user's application data folder for an installed copy (unless that copy
    // already keeps its data beside itself); else the executable's folder when it can be
    // written to, else the user's application data folder.
    static QString dosarDate();
    // A file or folder inside the data folder.
    static QString inDosarDate(const QString& nume);

    // Tests put the program elsewhere; the empty text restores the real folder.
    static void seteazaDosarExecutabil(const QString& dosar);
};
