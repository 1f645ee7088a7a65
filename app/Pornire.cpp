#include "app/Pornire.h"

#include <QApplication>

int ruleazaProgramul(int argc, char* argv[]) {
    QApplication app(argc, argv);
    return 0;
}
