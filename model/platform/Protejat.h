#pragma once

#include "platform/Dialoguri.h"
#include "platform/Eroare.h"

#include <exception>
#include <utility>

class QWidget;

// Shows a failure in the general error box. Used by every event handler.
void aratEroarea(QWidget* parinte, const std::exception& e);

// Runs an event handler's body; an error is shown in the general error box and the action is
// abandoned, so no exception reaches Qt's event loop. Returns false when the body failed.
template <class F> bool protejat(QWidget* parinte, F&& corp) {
    try {
        std::forward<F>(corp)();
        return true;
    } catch (const std::exception& e) {
        aratEroarea(parinte, e);
    } catch (...) {
        aratEroarea(parinte, Eroare(QStringLiteral("Eroare necunoscuta")));
    }
    return false;
}
