#pragma once

#include <QByteArray>
#include <QString>

struct _GsfInfile;

// A zip archive or an OLE2 compound file held in memory, read through libgsf. Every failure is
// an Eroare with the reason in Romanian.
class ArhivaGsf {
public:
    enum class Tip { Zip, Ole2 };
    // Parts larger than this are refused: a small damaged or hostile entry may claim gigabytes.
    static constexpr qint64 limitaParte = 256ll * 1024 * 1024;
    // All parts read from one file together: a part read again and again counts each time.
    static constexpr qint64 limitaTotala = 1024ll * 1024 * 1024;

    ArhivaGsf(const QByteArray& continut, Tip tip);
    ~ArhivaGsf();
    ArhivaGsf(const ArhivaGsf&) = delete;
    ArhivaGsf& operator=(const ArhivaGsf&) = delete;

    // Path with '/' between folders, as "xl/workbook.xml".
    bool are(const QString& cale) const;
    QByteArray citeste(const QString& cale) const;

private:
    QByteArray continut_;
    _GsfInfile* arhiva_ = nullptr;
    mutable qint64 cititTotal_ = 0;
};
