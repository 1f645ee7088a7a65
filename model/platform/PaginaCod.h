#pragma once

#include <QByteArray>
#include <QString>

// Texts of files written with a Windows code page.
namespace PaginaCod {

QString din1250(QByteArrayView octeti);
// The code page a file names (as a number); code page 1250 for any page this reader lacks.
QString decodifica(QByteArrayView octeti, int pagina);
bool esteUtf8Valid(QByteArrayView octeti);

} // namespace PaginaCod
