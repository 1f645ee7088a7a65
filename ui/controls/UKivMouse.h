#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QThread>
#include <QWidget>
#include <functional>
#include <memory>

// The message a watcher posts: a posted event carrying its number, both parameters 0.
class TKivMesajFereastra : public QEvent {
public:
    explicit TKivMesajFereastra(int mesaj) : QEvent(Tip()), mesaj_(mesaj) {}
    static QEvent::Type Tip();
    int mesaj() const { return mesaj_; }
    qintptr wParam() const { return 0; }
    qintptr lParam() const { return 0; }

private:
    int mesaj_;
};

// Tells a window, once, that the pointer has left it, then ends and frees itself. The thread
// never touches the widget: the widget's screen rectangle and the pointer position are published
// to it from the interface thread, and the publisher going with the widget ends the watch.
class TKivMouseInWindowThread : public QThread {
    Q_OBJECT
public:
    // Starts at once; the thread deletes itself when it ends.
    TKivMouseInWindowThread(QWidget* fereastra, int mesaj);
    ~TKivMouseInWindowThread() override;

    // Tests move the pointer without a real one; the source is read on the interface thread.
    // An empty function restores QCursor::pos().
    static void SeteazaSursaCursor(std::function<QPoint()> sursa);
    // How many watchers are running now.
    static int Active();

    struct Stare;

protected:
    void run() override;

private:
    std::shared_ptr<Stare> stare_;
    QPointer<QWidget> fereastra_;
    int mesaj_;
};

// Pixel sizes scaled by the large-font factor of LargeFonts.txt in the data folder and by the
// screen's pixels per inch against 96.
int Scale(int v);

namespace LargeFonts {
// The factor read or computed by the first Scale.
int Numarator();
int Numitor();
// Tests: forget the factor (it is read again) and fix the pixels per inch (0: the screen's).
void Reseteaza();
void SeteazaPixeliPeInch(int ppi);
} // namespace LargeFonts
