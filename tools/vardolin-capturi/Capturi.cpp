#include "Capturi.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDir>
#include <QPixmap>
#include <QWidget>
#include <cstdio>

void Asteapta(int ms) {
    const QDeadlineTimer pana(ms);
    while (!pana.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
}

namespace {
void scrie(const char* fel, const QString& text) {
    std::fprintf(stderr, "%s: %s\n", fel, qPrintable(text));
}
} // namespace

DialoguriCaptura::DialoguriCaptura(QString dosarImagini) : dosar_(std::move(dosarImagini)) {}

void DialoguriCaptura::mesaj(QWidget*, const QString& text) {
    Mesaje << text;
    scrie("mesaj", text);
}
void DialoguriCaptura::avertisment(QWidget*, const QString& text) {
    Mesaje << text;
    scrie("avertisment", text);
}
bool DialoguriCaptura::intrebare(QWidget*, const QString& text) {
    Mesaje << text;
    scrie("intrebare", text);
    return false;
}
void DialoguriCaptura::eroare(QWidget*, const QString& text) {
    Mesaje << text;
    scrie("eroare", text);
}

int DialoguriCaptura::arataModal(QDialog& fereastra) {
    fereastra.show();
    Asteapta();
    const auto urmare = Urmari.find(QString::fromLatin1(fereastra.metaObject()->className()));
    if (urmare != Urmari.end())
        urmare->second(fereastra);
    else
        Captureaza(fereastra);
    const int rezultat = fereastra.result();
    fereastra.hide();
    return rezultat;
}

void DialoguriCaptura::Captureaza(QWidget& fereastra) {
    const QString clasa = QString::fromLatin1(fereastra.metaObject()->className());
    if (Salvate.contains(clasa)) return;
    if (!fereastra.isVisible()) fereastra.show();
    Asteapta();
    const QString fisier = QDir(dosar_).filePath(clasa + QStringLiteral(".png"));
    if (!fereastra.grab().save(fisier)) {
        scrie("eroare", QStringLiteral("nu pot scrie %1").arg(fisier));
        return;
    }
    Salvate << clasa;
    std::fprintf(stdout, "%s\n", qPrintable(fisier));
}
