#include "entry/Nota.h"

Currency CitesteNota(const QString& text) {
    int parte = 1;
    QString intregi;
    QString fractie;
    for (const QChar c : text) {
        if (c == u',' || c == u'.')
            ++parte;
        else if (c >= u'0' && c <= u'9') {
            if (parte == 1) intregi += c;
            if (parte == 2) fractie += c;
        }
    }
    bool ok = false;
    qint64 intreg = intregi.toInt(&ok);
    if (!ok) intreg = 0;
    const qint64 sutimi = fractie.isEmpty() ? 0 : fractie.left(2).leftJustified(2, u'0').toInt();
    return Currency::dinZeciMii(intreg * 10000 + sutimi * 100);
}
