#include "app/UErrCodePage.h"

#include "platform/Ecran.h"
#include "platform/Protejat.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <langinfo.h>
#endif

namespace {

std::function<int()>& sursaPaginiiDeCod() {
    static std::function<int()> f;
    return f;
}

bool lanseazaProgram(const QString& program, const QStringList& argumente) {
    return QProcess::startDetached(program, argumente);
}

std::function<bool(const QString&, const QStringList&)>& lansator() {
    static std::function<bool(const QString&, const QStringList&)> f = lanseazaProgram;
    return f;
}

QLabel* eticheta(const QString& text, QWidget* parinte, bool ingrosat = false, const QString& culoare = {}) {
    auto* l = new QLabel(text, parinte);
    l->setWordWrap(true);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(12);
    f.setBold(ingrosat);
    l->setFont(f);
    if (!culoare.isEmpty()) l->setStyleSheet(QStringLiteral("color: %1;").arg(culoare));
    return l;
}

} // namespace

int PaginaDeCodActiva() {
    if (sursaPaginiiDeCod()) return sursaPaginiiDeCod()();
#ifdef Q_OS_WIN
    return int(GetACP());
#else
    const QByteArray codificare = QByteArray(nl_langinfo(CODESET)).toUpper();
    if (codificare == "UTF-8" || codificare == "UTF8") return 65001;
    if (codificare == "ISO-8859-2" || codificare == "ISO8859-2") return 28592;
    if (codificare == "CP1250" || codificare == "WINDOWS-1250") return 1250;
    if (codificare == "ISO-8859-1" || codificare == "ISO8859-1") return 28591;
    return 20127; // plain ASCII, the C locale
#endif
}

void seteazaPaginaDeCodActiva(std::function<int()> sursa) {
    sursaPaginiiDeCod() = std::move(sursa);
}

bool PaginaDeCodRomana(int paginaDeCod) {
    return paginaDeCod == 1250 || paginaDeCod == 65001 || paginaDeCod == 28592;
}

TErrCodePage::TErrCodePage(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("ErrCodePage"));
    setWindowTitle(QStringLiteral("Eroare de limba implicita"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(483, 270);

    auto* coloana = new QVBoxLayout(this);
    coloana->addWidget(
        eticheta(QStringLiteral("Am identificat o problema"), this, true, QStringLiteral("maroon")));
    coloana->addWidget(eticheta(
        QStringLiteral(
            "Limba implicita a programelor pentru calculatorul dumneavoastra nu este limba romana. "
            "Pentru a putea tipari diplomele CU DIACRITICE este necesar sa stabiliti limba implicita "
            "limba romana."),
        this));
    coloana->addWidget(eticheta(QStringLiteral("Instructiuni pentru Windows XP"), this, true));

    auto* pasi = new QGridLayout;
    pasi->addWidget(eticheta(QStringLiteral("(1)"), this, true), 0, 0, Qt::AlignTop);
    pasi->addWidget(
        eticheta(QStringLiteral("Apasati butonul de mai jos pentru a deschide pagina \"Regional and "
                                "Language Options\" din Control Panel:"),
                 this),
        0, 1);
    RzBitBtn1 = new QPushButton(QStringLiteral("Deschide pagina"), this);
    RzBitBtn1->setObjectName(QStringLiteral("RzBitBtn1"));
    pasi->addWidget(RzBitBtn1, 1, 1, Qt::AlignLeft);
    pasi->addWidget(eticheta(QStringLiteral("(2)"), this, true), 2, 0, Qt::AlignTop);
    pasi->addWidget(
        eticheta(QStringLiteral("Apoi mergeti in tabul \"Advanced\" si alegeti limba implicita limba "
                                "Romana."),
                 this),
        2, 1);
    pasi->setColumnStretch(1, 1);
    coloana->addLayout(pasi);

    auto* linie = new QFrame(this);
    linie->setFrameShape(QFrame::HLine);
    linie->setFrameShadow(QFrame::Sunken);
    coloana->addWidget(linie);
    RzBitBtn2 = new QPushButton(QStringLiteral("Ok"), this);
    RzBitBtn2->setObjectName(QStringLiteral("RzBitBtn2"));
    coloana->addWidget(RzBitBtn2, 0, Qt::AlignRight);

    connect(RzBitBtn1, &QPushButton::clicked, this, &TErrCodePage::RzBitBtn1Click);
    connect(RzBitBtn2, &QPushButton::clicked, this, &TErrCodePage::RzBitBtn2Click);
    CentreazaFereastra(this);
}

void TErrCodePage::seteazaLansator(std::function<bool(const QString&, const QStringList&)> f) {
    lansator() = f ? std::move(f) : lanseazaProgram;
}

void TErrCodePage::RzBitBtn1Click() {
    protejat(this, [] {
#ifdef Q_OS_WIN
        for (const char* cale : {"C:\\Windows\\System32\\intl.cpl", "C:\\Winnt\\System32\\intl.cpl"})
            if (QFileInfo::exists(QString::fromLatin1(cale)))
                QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromLatin1(cale)));
#else
        // The desktop's regional settings, where one is installed; otherwise nothing happens.
        const std::pair<const char*, QStringList> candidati[] = {
            {"gnome-control-center", {QStringLiteral("region")}},
            {"systemsettings", {QStringLiteral("kcm_regionandlang")}},
            {"kcmshell5", {QStringLiteral("kcm_formats")}},
            {"cinnamon-settings", {QStringLiteral("region")}},
            {"mate-language-properties", {}},
            {"xfce4-settings-manager", {}},
        };
        for (const auto& [program, argumente] : candidati) {
            const QString cale = QStandardPaths::findExecutable(QString::fromLatin1(program));
            if (!cale.isEmpty() && lansator()(cale, argumente)) return;
        }
#endif
    });
}

void TErrCodePage::RzBitBtn2Click() {
    accept();
}
