#include "entry/UEditorGeneric.h"

#include "data/UDm.h"
#include "data/UTabele.h"
#include "platform/Dialoguri.h"

#include <QLabel>
#include <QVBoxLayout>

namespace {

const QString SelectValoare = QStringLiteral(
    "SELECT * FROM \"DATE\" WHERE (ID_%1=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) "
    "AND (COD_CAMP=:COD_CAMP)");

void deschideRandurile(FbInterogare& q, const QString& tabel, int id, const TEditorGeneric& e) {
    VerificaNumeTabel(tabel);
    q.seteazaSql(SelectValoare.arg(tabel));
    q.param(QStringLiteral("COD_FORMULAR"), e.CodFormular);
    q.param(QStringLiteral("COD_PAGINA"), e.CodPagina);
    q.param(QStringLiteral("COD_CAMP"), e.CodCamp);
    q.param(QStringLiteral("ID"), id);
    q.deschide();
}

// The UPDATE of a value row also clears its owner columns of every other entity table.
QString textActualizare(const QString& tabel) {
    QString sql = QStringLiteral("UPDATE \"DATE\" SET VALOARE_TEXT=:VAL, VALOARE_NUM=0");
    {
        InchideLaIesire inchide(Q2());
        Q2().seteazaSql(QStringLiteral("SELECT NUME_TABEL FROM TABELE WHERE NUME_TABEL <> :TAB"));
        Q2().param(QStringLiteral("TAB"), tabel);
        Q2().deschide();
        for (; !Q2().eof(); Q2().urmator()) {
            const QString altul = Q2().text(QStringLiteral("NUME_TABEL"));
            VerificaNumeTabel(altul);
            sql += QStringLiteral(", ID_") + altul + QStringLiteral(" = NULL");
        }
    }
    return sql + QStringLiteral(" WHERE (ID_") + tabel +
           QStringLiteral("=:ID) AND (COD_FORMULAR=:COD_FORMULAR) AND (COD_PAGINA=:COD_PAGINA) AND "
                          "(COD_CAMP=:COD_CAMP)");
}

} // namespace

void ColoreazaFundal(QWidget* w, TColor culoare) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, CuloareInQColor(culoare));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

TEditorGeneric::TEditorGeneric(QWidget* owner) : QFrame(owner) {
    resize(420, 117);
    ColoreazaFundal(this, CuloareFundal);
    Eticheta = new QLabel(this);
    Eticheta->setObjectName(QStringLiteral("Eticheta"));
    Eticheta->setFixedHeight(13);
    ColoreazaFundal(Eticheta, CuloareFundal);
}

void TEditorGeneric::PuneControlul(QWidget* control) {
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(8, 0, 4, 2);
    l->setSpacing(0);
    l->addWidget(Eticheta);
    control->setFixedHeight(21);
    l->addWidget(control);
    setFixedHeight(Inaltime);
}

int TEditorGeneric::IdProprietar(const QString& tabel, int idElev, int idEntitate) {
    return tabel == QLatin1String("ELEVI") ? idElev : idEntitate;
}

void TEditorGeneric::Incarca(const QString& codFormular, const QString& codPagina, const QString& codCamp,
                             const QString& tabel, int idElev, int idEntitate) {
    CodFormular = codFormular;
    CodPagina = codPagina;
    CodCamp = codCamp;
    Tabel = tabel;
    IdElev = idElev;
    IdEntitate = idEntitate;
    Id = IdProprietar(tabel, idElev, idEntitate);
}

bool TEditorGeneric::PotSalva() {
    dialoguri().avertisment(this, QStringLiteral("Functioa \"PotSalva\" nu este implementata pentru ") +
                                      QString::fromLatin1(metaObject()->className()));
    return false;
}

void TEditorGeneric::Salveaza(int, int, const QString&) {}

std::optional<QString> TEditorGeneric::CitesteValoarea() const {
    InchideLaIesire inchide(Q1());
    deschideRandurile(Q1(), Tabel, Id, *this);
    if (Q1().eof() || Q1().esteNull(QStringLiteral("VALOARE_TEXT"))) return std::nullopt;
    return Q1().text(QStringLiteral("VALOARE_TEXT"));
}

void TEditorGeneric::ScrieValoarea(const QString& text, int lungime, int idElev, int idEntitate,
                                   const QString& tabel) const {
    const int id = IdProprietar(tabel, idElev, idEntitate);
    QString valoare = text.trimmed().left(lungime);
    if (valoare.isNull()) valoare = QLatin1String(""); // never NULL: an absent text is the empty text
    InchideLaIesire inchide(Q1());
    deschideRandurile(Q1(), tabel, id, *this);
    const bool exista = !Q1().eof();
    if (!exista) {
        Q2().seteazaSql(QStringLiteral("INSERT INTO \"DATE\" (COD_FORMULAR, COD_PAGINA, COD_CAMP, ID_%1, "
                                       "VALOARE_TEXT, VALOARE_NUM) VALUES (:COD_FORMULAR, :COD_PAGINA, "
                                       ":COD_CAMP, :ID, :VALOARE_TEXT, 0)")
                            .arg(tabel));
        Q2().param(QStringLiteral("VALOARE_TEXT"), valoare);
    } else {
        Q2().seteazaSql(textActualizare(tabel));
        Q2().param(QStringLiteral("VAL"), valoare);
    }
    Q2().param(QStringLiteral("COD_FORMULAR"), CodFormular);
    Q2().param(QStringLiteral("COD_PAGINA"), CodPagina);
    Q2().param(QStringLiteral("COD_CAMP"), CodCamp);
    Q2().param(QStringLiteral("ID"), id);
    Q2().executa();
}
