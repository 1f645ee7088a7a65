#include "platform/Ecran.h"

#include <QCursor>
#include <QDialog>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace {

class SursaEcranQt : public SursaEcran {
public:
    QPoint pozitieMouse() const override { return QCursor::pos(); }
    std::vector<Monitor> monitoare() const override {
        std::vector<Monitor> r;
        if (QScreen* primar = QGuiApplication::primaryScreen())
            r.push_back({primar->geometry(), primar->availableGeometry()});
        for (QScreen* s : QGuiApplication::screens())
            if (s != QGuiApplication::primaryScreen()) r.push_back({s->geometry(), s->availableGeometry()});
        return r;
    }
};

std::unique_ptr<SursaEcran>& sursa() {
    static std::unique_ptr<SursaEcran> s = std::make_unique<SursaEcranQt>();
    return s;
}

} // namespace

void seteazaSursaEcran(std::unique_ptr<SursaEcran> noua) {
    sursa() = noua ? std::move(noua) : std::make_unique<SursaEcranQt>();
}

Monitor MonitorulMouseului() {
    const auto monitoare = sursa()->monitoare();
    if (monitoare.empty()) return {QRect(0, 0, 1024, 768), QRect(0, 0, 1024, 768)};
    const QPoint mouse = sursa()->pozitieMouse();
    for (const Monitor& m : monitoare)
        if (m.geometrie.contains(mouse)) return m;
    return monitoare.front();
}

QPoint PozitieCentrata(const QSize& fereastra, const QRect& a) {
    // Halves truncated towards zero, as integer division does.
    int stanga = a.left() + (a.width() - fereastra.width()) / 2;
    int sus = a.top() + (a.height() - fereastra.height()) / 2;
    if (stanga < a.left()) stanga = a.left();
    if (sus < a.top()) sus = a.top();
    return {stanga, sus};
}

void CentreazaFereastra(QWidget* w) {
    const QRect a = MonitorulMouseului().zonaLucru;
    const QSize marime = w->frameGeometry().size();
    w->move(PozitieCentrata(marime, a));
}

void AranjeazaDialogFix(QDialog& d, const QString& nume, const QString& titlu, QSize marime) {
    d.setObjectName(nume);
    d.setWindowTitle(titlu);
    d.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                     Qt::WindowCloseButtonHint);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(13);
    d.setFont(f);
    d.setFixedSize(marime);
}
