#include "controls/UKivMouse.h"

#include "platform/Cai.h"

#include <QCoreApplication>
#include <QCursor>
#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTextStream>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>

QEvent::Type TKivMesajFereastra::Tip() {
    static const QEvent::Type tip = QEvent::Type(QEvent::registerEventType());
    return tip;
}

struct TKivMouseInWindowThread::Stare {
    std::mutex mutex;
    std::condition_variable trezeste;
    QWidget* fereastra = nullptr; // only used under the mutex while it exists
    bool exista = true;
    QRect ecran;
    QPoint cursor;
};

namespace {

std::function<QPoint()>& sursaCursor() {
    static std::function<QPoint()> sursa;
    return sursa;
}

std::atomic<int> watchersActivi{0};

// Lives on the interface thread as a child of the watched widget: keeps the rectangle and the
// pointer position up to date for the thread, and says when the widget goes away.
class PublicatorFereastra : public QObject {
public:
    PublicatorFereastra(QWidget* fereastra, std::shared_ptr<TKivMouseInWindowThread::Stare> stare)
        : QObject(fereastra), fereastra_(fereastra), stare_(std::move(stare)) {
        publica();
        auto* ceas = new QTimer(this);
        connect(ceas, &QTimer::timeout, this, &PublicatorFereastra::publica);
        ceas->start(50);
    }
    ~PublicatorFereastra() override {
        {
            std::lock_guard lock(stare_->mutex);
            stare_->exista = false;
            stare_->fereastra = nullptr;
        }
        stare_->trezeste.notify_all();
    }

private:
    void publica() {
        const QRect ecran(fereastra_->mapToGlobal(QPoint(0, 0)), fereastra_->size());
        const QPoint cursor = sursaCursor() ? sursaCursor()() : QCursor::pos();
        {
            std::lock_guard lock(stare_->mutex);
            stare_->ecran = ecran;
            stare_->cursor = cursor;
        }
        stare_->trezeste.notify_all();
    }

    QWidget* fereastra_;
    std::shared_ptr<TKivMouseInWindowThread::Stare> stare_;
};

// An edge counts as inside; the right and bottom edges are one past the last pixel.
bool inAfara(const QPoint& p, const QRect& r) {
    return p.x() < r.left() || p.x() > r.left() + r.width() || p.y() < r.top() ||
           p.y() > r.top() + r.height();
}

} // namespace

TKivMouseInWindowThread::TKivMouseInWindowThread(QWidget* fereastra, int mesaj)
    : stare_(std::make_shared<Stare>()), fereastra_(fereastra), mesaj_(mesaj) {
    stare_->fereastra = fereastra;
    auto* publicator = new PublicatorFereastra(fereastra, stare_);
    connect(this, &QThread::finished, publicator, &QObject::deleteLater);
    connect(this, &QThread::finished, this, &QObject::deleteLater);
    ++watchersActivi;
    start();
}

TKivMouseInWindowThread::~TKivMouseInWindowThread() {
    requestInterruption();
    stare_->trezeste.notify_all();
    wait();
}

void TKivMouseInWindowThread::SeteazaSursaCursor(std::function<QPoint()> sursa) {
    sursaCursor() = std::move(sursa);
}

int TKivMouseInWindowThread::Active() {
    return watchersActivi;
}

void TKivMouseInWindowThread::run() {
    using namespace std::chrono_literals;
    {
        std::unique_lock lock(stare_->mutex);
        while (stare_->exista && !isInterruptionRequested()) {
            if (inAfara(stare_->cursor, stare_->ecran)) {
                // Posted under the lock, so the widget cannot be destroyed in between.
                QCoreApplication::postEvent(stare_->fereastra, new TKivMesajFereastra(mesaj_));
                break;
            }
            stare_->trezeste.wait_for(lock, 100ms);
        }
    }
    --watchersActivi;
}

namespace {

struct FactorMari {
    int numarator = 0;
    int numitor = 0; // 0: not computed yet
    int ppiFix = 0;
};

FactorMari& factor() {
    static FactorMari f;
    return f;
}

int numarSau8(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return ok ? n : 8;
}

// The first line, stripped to digits and ":", read as numerator:denominator.
std::pair<int, int> citesteFactor(const QString& primaLinie) {
    QString curat;
    for (QChar c : primaLinie.trimmed())
        if (c.isDigit() || c == u':') curat += c;
    if (curat.isEmpty()) return {1, 1};
    const qsizetype douaPuncte = curat.indexOf(u':');
    if (douaPuncte < 0) return {numarSau8(curat), numarSau8(curat)};
    return {numarSau8(curat.left(douaPuncte)), numarSau8(curat.mid(douaPuncte + 1))};
}

void calculeazaFactor() {
    FactorMari& f = factor();
    QFile fisier(Cai::inDosarDate(QStringLiteral("LargeFonts.txt")));
    if (!fisier.exists() && fisier.open(QIODevice::WriteOnly | QIODevice::Text)) {
        fisier.write("1:1\n");
        fisier.close();
    }
    if (fisier.open(QIODevice::ReadOnly | QIODevice::Text)) {
        const auto [numarator, numitor] = citesteFactor(QTextStream(&fisier).readLine());
        f.numarator = numarator;
        f.numitor = numitor;
    } else {
        // No file can be kept: go by the message font, whose pixel size is a character height.
        const int inaltime = QFontInfo(QGuiApplication::font()).pixelSize();
        f.numarator = inaltime;
        f.numitor = 11;
    }
    // A zero on either side would make every size 0 or undefined: such a file means 1:1.
    if (f.numarator <= 0 || f.numitor <= 0) f.numarator = f.numitor = 1;
}

int pixeliPeInch() {
    if (factor().ppiFix > 0) return factor().ppiFix;
    const QScreen* ecran = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    return ecran ? qRound(ecran->logicalDotsPerInch()) : 96;
}

} // namespace

int Scale(int v) {
    if (factor().numitor == 0) calculeazaFactor();
    const qint64 scalat = qint64(v) * factor().numarator / factor().numitor * pixeliPeInch() / 96;
    return int(std::clamp<qint64>(scalat, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

namespace LargeFonts {
int Numarator() {
    return factor().numarator;
}
int Numitor() {
    return factor().numitor;
}
void Reseteaza() {
    factor().numarator = factor().numitor = 0;
}
void SeteazaPixeliPeInch(int ppi) {
    factor().ppiFix = ppi;
}
} // namespace LargeFonts
