#include "MediuTest.h"

#include "platform/AlegereDosar.h"
#include "platform/Cai.h"
#include "platform/StocSetari.h"

#include <QCoreApplication>
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <unistd.h>
#endif
#ifdef VARDOLIN_TEST_FERESTRE
#include <QDialog>
#endif

namespace {
// The folder chooser answers from the same list as the file dialogs, recorded as "dosar".
class DialoguriInregistrateCuDosar : public DialoguriInregistrate, public AlegereDosar {
public:
    QString dosar(QWidget* parinte, const QString& titlu, const QString& initial) override {
        QString ales = fisierDeDeschis(parinte, titlu, initial);
        mesaje.back().fel = QStringLiteral("dosar");
        return ales;
    }
};
} // namespace

bool DialoguriInregistrate::intrebare(QWidget*, const QString& text) {
    mesaje.push_back({"intrebare", text});
    if (raspunsuri.empty()) return false;
    const bool r = raspunsuri.front();
    raspunsuri.pop_front();
    return r;
}

QString DialoguriInregistrate::fisierDeDeschis(QWidget*, const QString& titlu, const QString&) {
    mesaje.push_back({"deschide", titlu});
    if (fisiere.empty()) return {};
    QString f = fisiere.front();
    fisiere.pop_front();
    return f;
}

QString DialoguriInregistrate::fisierDeSalvat(QWidget*, const QString& titlu, const QString&) {
    mesaje.push_back({"salveaza", titlu});
    if (fisiere.empty()) return {};
    QString f = fisiere.front();
    fisiere.pop_front();
    return f;
}

int DialoguriInregistrate::arataModal(QDialog& fereastra) {
#ifdef VARDOLIN_TEST_FERESTRE
    mesaje.push_back({"fereastra", QString::fromLatin1(fereastra.metaObject()->className())});
    if (ferestre.empty()) return QDialog::Rejected;
    auto script = std::move(ferestre.front());
    ferestre.pop_front();
    return script(fereastra);
#else
    // Model code opens no window; should it try, the test sees it refused.
    Q_UNUSED(fereastra);
    mesaje.push_back({"fereastra", QString()});
    return 0;
#endif
}

QStringList DialoguriInregistrate::texte(const QString& fel) const {
    QStringList r;
    for (const auto& m : mesaje)
        if (m.fel == fel) r << m.text;
    return r;
}

MediuTest::MediuTest() {
    dataDirVechi_ = qgetenv("VARDOLIN_DATA_DIR");
    qputenv("VARDOLIN_DATA_DIR", dir_.path().toUtf8());
    StocSetari::redirectioneaza(dir_.filePath(QStringLiteral("setari.ini")));
    auto d = std::make_unique<DialoguriInregistrateCuDosar>();
    dialoguri_ = d.get();
    instaleazaDialoguri(std::move(d));
}

MediuTest::~MediuTest() {
    instaleazaDialoguri(nullptr);
    StocSetari::redirectioneaza(QString());
    Cai::seteazaDosarExecutabil(QString());
    if (dataDirVechi_.isEmpty())
        qunsetenv("VARDOLIN_DATA_DIR");
    else
        qputenv("VARDOLIN_DATA_DIR", dataDirVechi_);
}

QString MediuTest::dosarProgram() {
    return QCoreApplication::applicationDirPath();
}

IntrareTacuta::IntrareTacuta() {
    int capete[2];
#ifdef _WIN32
    if (_pipe(capete, 256, _O_BINARY) != 0) return;
    vechi_ = _dup(0);
    _dup2(capete[0], 0);
    _close(capete[0]);
#else
    if (pipe(capete) != 0) return;
    vechi_ = dup(0);
    dup2(capete[0], 0);
    close(capete[0]);
#endif
    scriere_ = capete[1];
}

IntrareTacuta::~IntrareTacuta() {
    if (vechi_ < 0) return;
#ifdef _WIN32
    _dup2(vechi_, 0);
    _close(vechi_);
    _close(scriere_);
#else
    dup2(vechi_, 0);
    close(vechi_);
    close(scriere_);
#endif
    std::clearerr(stdin);
}
