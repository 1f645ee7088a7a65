// Built only by the layer check: a model file that asks for a widget must not compile.
#include <QWidget>

void fereastraInModel() {
    QWidget fereastra;
}
