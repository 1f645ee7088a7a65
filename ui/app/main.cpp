#include "app/Pornire.h"

int main(int argc, char* argv[]) {
    return ruleazaProgramul(argc, argv);
}
