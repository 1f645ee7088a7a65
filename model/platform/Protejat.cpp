#include "platform/Protejat.h"

void aratEroarea(QWidget* parinte, const std::exception& e) {
    if (const auto* eroare = dynamic_cast<const Eroare*>(&e)) {
        dialoguri().eroare(parinte, eroare->text());
    } else {
        dialoguri().eroare(parinte, QString::fromUtf8(e.what()));
    }
}
