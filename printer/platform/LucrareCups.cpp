#include "platform/LucrareCups.h"

#ifdef Q_OS_UNIX

#include "platform/Eroare.h"

#include <QDir>
#include <QPrintEngine>
#include <QPrinter>
#include <cups/cups.h>

namespace {

// The job's own CUPS options (Qt's PPK_CupsOptions: name, value, name, value...).
constexpr auto optiuniCups = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// A CUPS option list, freed with it. A name added again replaces its earlier value.
class Optiuni {
public:
    Optiuni() = default;
    Optiuni(const Optiuni&) = delete;
    Optiuni& operator=(const Optiuni&) = delete;
    ~Optiuni() { cupsFreeOptions(n_, lista_); }

    void adauga(const QString& nume, const QString& valoare) {
        n_ = cupsAddOption(nume.toLocal8Bit().constData(), valoare.toLocal8Bit().constData(), n_, &lista_);
    }
    int numar() const { return n_; }
    cups_option_t* lista() const { return lista_; }

private:
    int n_ = 0;
    cups_option_t* lista_ = nullptr;
};

QString laturi(const QPrinter& printer) {
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        break;
    case QPrinter::DuplexAuto:
        return printer.pageLayout().orientation() == QPageLayout::Portrait
                   ? QStringLiteral("two-sided-long-edge")
                   : QStringLiteral("two-sided-short-edge");
    case QPrinter::DuplexLongSide:
        return QStringLiteral("two-sided-long-edge");
    case QPrinter::DuplexShortSide:
        return QStringLiteral("two-sided-short-edge");
    }
    return QStringLiteral("one-sided");
}

// What Qt's CUPS engine sends with a job: paper, copies, sides, orientation, then the job's own
// options, which win over the ones before.
void optiuniLucrare(const QPrinter& printer, Optiuni& optiuni) {
    const QPageLayout asezare = printer.pageLayout();
    optiuni.adauga(QStringLiteral("media"), asezare.pageSize().key());
    if (printer.copyCount() > 1) {
        optiuni.adauga(QStringLiteral("copies"), QString::number(printer.copyCount()));
        if (printer.collateCopies()) optiuni.adauga(QStringLiteral("Collate"), QStringLiteral("True"));
    }
    optiuni.adauga(QStringLiteral("sides"), laturi(printer));
    if (asezare.orientation() == QPageLayout::Landscape)
        optiuni.adauga(QStringLiteral("landscape"), QStringLiteral("true"));
    const QStringList aleLucrarii = printer.printEngine()->property(optiuniCups).toStringList();
    for (qsizetype i = 0; i + 1 < aleLucrarii.size(); i += 2)
        optiuni.adauga(aleLucrarii.at(i), aleLucrarii.at(i + 1));
}

} // namespace

LucrareCups::LucrareCups(QPrinter& printer)
    : fisier_(QDir(QDir::tempPath()).filePath(QStringLiteral("vardolin-lucrare-XXXXXX"))) {
    // The engine opens the file by its name; ours stays closed until it is removed.
    if (!fisier_.open())
        throw Eroare::format("Tiparirea \"%s\" nu a putut incepe pe imprimanta \"%s\".",
                             {printer.docName(), printer.printerName()});
    fisier_.close();
    // A name without the ".pdf" suffix keeps the printer's own engine, layout and margins.
    printer.setOutputFileName(fisier_.fileName());
}

void LucrareCups::trimite(const QPrinter& printer) const {
    Optiuni optiuni;
    optiuniLucrare(printer, optiuni);
    // An instance ("queue/instance") prints on its queue.
    const QString coada = printer.printerName().section(QLatin1Char('/'), 0, 0);
    const int lucrare =
        cupsPrintFile(coada.toLocal8Bit().constData(), QFile::encodeName(fisier_.fileName()).constData(),
                      printer.docName().toLocal8Bit().constData(), optiuni.numar(), optiuni.lista());
    if (lucrare == 0)
        throw Eroare::format(
            "Lucrarea \"%s\" nu a putut fi trimisa la imprimanta \"%s\" (%s), asa ca nu s-a "
            "tiparit nimic din ea. Verificati ca imprimanta este instalata, pornita si "
            "primeste lucrari si ca serviciul de tiparire al sistemului ruleaza, apoi "
            "tipariti din nou.",
            {printer.docName(), printer.printerName(), QString::fromLocal8Bit(cupsLastErrorString())});
}

#endif
