#pragma once

#include <QSettings>
#include <QString>
#include <memory>

// The settings store of the current user: the registry under HKEY_CURRENT_USER on Windows,
// an INI file in the user's configuration folder elsewhere. Keys are given as registry paths,
// for example "Software\Orvanta\Kalvor\2006\Global".
class StocSetari {
public:
    // The key's values; what is written is kept when the object goes.
    static std::unique_ptr<QSettings> deschide(const QString& cheie);

    // Makes what was written to the key reach the store; fails with a Romanian message when it
    // cannot (a write the user asked for is never taken as done when it was not).
    static void verificaScrierea(QSettings& cheie);

    // Where the INI file lives (not used on Windows). VARDOLIN_SETTINGS overrides it.
    static QString fisier();
    // Redirects the store to another INI file (tests); the empty text restores the default.
    static void redirectioneaza(const QString& fisierIni);

    // The INI text without the lines its reader would decode as serialized objects ("@Variant(",
    // "@DateTime("), whatever escapes or quotes spell them; every other line as it was.
    static QByteArray faraObiecteSerializate(const QByteArray& ini);
};
