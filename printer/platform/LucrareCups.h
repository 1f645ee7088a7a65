#pragma once

#include <QtGlobal>

#ifdef Q_OS_UNIX

#include <QTemporaryFile>

class QPrinter;

// A job for a CUPS queue, drawn into a PDF file of our own and handed to the scheduler only when
// it ends. Qt's CUPS engine cannot abort a job: ending its painter sends whatever was drawn, so a
// stopped job would still print its sheets. The file is removed with the object, sent or not.
class LucrareCups {
public:
    // Points the printer's output at a new temporary file; before its painter begins. Fails with
    // an Eroare when the file cannot be made.
    explicit LucrareCups(QPrinter& printer);

    // After the printer's painter has ended: the file goes to the printer's queue with the
    // options Qt's engine gives a job. Fails with an Eroare; nothing was queued then.
    void trimite(const QPrinter& printer) const;

private:
    QTemporaryFile fisier_;
};

#endif
