#include "platform/ArhivaGsf.h"

#include "platform/Eroare.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile-zip.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-utils.h>

#include <QList>
#include <memory>
#include <vector>

namespace {

struct EliberareGObject {
    void operator()(void* obiect) const {
        if (obiect) g_object_unref(obiect);
    }
};
using Intrare = std::unique_ptr<GsfInput, EliberareGObject>;

GsfInput* cauta(GsfInfile* arhiva, const QString& cale) {
    const QList<QByteArray> parti = cale.toUtf8().split('/');
    std::vector<const char*> nume;
    for (const auto& p : parti)
        nume.push_back(p.constData());
    nume.push_back(nullptr);
    return gsf_infile_child_by_aname(arhiva, nume.data());
}

} // namespace

ArhivaGsf::ArhivaGsf(const QByteArray& continut, Tip tip) : continut_(continut) {
    static const bool initializat = [] {
        gsf_init();
        // libgsf complains on stderr about every damaged file; our own message says it instead
        for (const char* domeniu :
             {static_cast<const char*>(nullptr), "libgsf", "libgsf:msole", "libgsf:zip"})
            g_log_set_handler(
                domeniu, GLogLevelFlags(G_LOG_LEVEL_MASK | G_LOG_FLAG_FATAL | G_LOG_FLAG_RECURSION),
                [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
        g_set_printerr_handler([](const gchar*) {});
        return true;
    }();
    (void)initializat;
    Intrare intrare(gsf_input_memory_new(reinterpret_cast<const guint8*>(continut_.constData()),
                                         continut_.size(), FALSE));
    GError* eroare = nullptr;
    arhiva_ = tip == Tip::Zip ? gsf_infile_zip_new(intrare.get(), &eroare)
                              : gsf_infile_msole_new(intrare.get(), &eroare);
    if (eroare) g_error_free(eroare);
    if (!arhiva_)
        throw Eroare(tip == Tip::Zip ? "arhiva zip este deteriorata"
                                     : "structura fisierului Excel (OLE2) este deteriorata");
}

ArhivaGsf::~ArhivaGsf() {
    if (arhiva_) g_object_unref(arhiva_);
}

bool ArhivaGsf::are(const QString& cale) const {
    Intrare parte(cauta(arhiva_, cale));
    return parte != nullptr;
}

QByteArray ArhivaGsf::citeste(const QString& cale) const {
    Intrare parte(cauta(arhiva_, cale));
    if (!parte) throw Eroare::format("lipseste partea %s", {cale});
    const gsf_off_t marime = gsf_input_size(parte.get());
    if (marime < 0 || marime > limitaParte) throw Eroare::format("partea %s depaseste 256 MB", {cale});
    cititTotal_ += marime;
    if (cititTotal_ > limitaTotala) throw Eroare("continutul despachetat al fisierului depaseste 1 GB");
    QByteArray date(qsizetype(marime), Qt::Uninitialized);
    constexpr gsf_off_t bucata = 1 << 16;
    for (gsf_off_t citit = 0; citit < marime;) {
        const gsf_off_t n = std::min(bucata, marime - citit);
        if (!gsf_input_read(parte.get(), size_t(n), reinterpret_cast<guint8*>(date.data() + citit)))
            throw Eroare::format("partea %s este deteriorata", {cale});
        citit += n;
    }
    return date;
}
