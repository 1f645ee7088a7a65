#pragma once

#include <QString>
#include <stdexcept>

// The one error type of the program: it carries the Romanian text the user is shown.
class Eroare : public std::runtime_error {
public:
    explicit Eroare(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

    const QString& text() const noexcept { return text_; }

    // Replaces each "%s" of the pattern with the next argument, in order.
    static Eroare format(const QString& tipar, std::initializer_list<QString> argumente);

private:
    QString text_;
};
