#include "Idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace {
const QString kCarpeta = QStringLiteral(":/i18n");
const QString kPrefijo = QStringLiteral("velunda_");

struct Traductores {
    std::unique_ptr<QTranslator> juego, qt;
};
Traductores &Activos()
{
    static Traductores t;
    return t;
}
}  // namespace

QStringList IdiomasDisponibles()
{
    QStringList codigos;
    const QStringList archivos = QDir(kCarpeta).entryList({kPrefijo + QStringLiteral("*.qm")}, QDir::Files);
    for (const QString &a : archivos)
        codigos << a.mid(kPrefijo.size()).chopped(3);
    return codigos;
}

QString ElegirIdioma(const QStringList &preferidos, const QStringList &disponibles)
{
    for (const QString &p : preferidos) {
        const QLocale::Language idioma = QLocale(p).language();
        if (idioma == QLocale::C || idioma == QLocale::English)
            return QString();
        const QString codigo = QLocale::languageToCode(idioma);
        if (disponibles.contains(codigo))
            return codigo;
    }
    return QString();
}

bool InstalarIdioma(const QString &codigo)
{
    QuitarIdioma();
    auto juego = std::make_unique<QTranslator>();
    if (codigo.isEmpty() || !juego->load(kPrefijo + codigo, kCarpeta))
        return false;
    QCoreApplication::installTranslator(juego.get());
    Activos().juego = std::move(juego);
    // Only with a game translation: the English game keeps Qt's English button texts.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + codigo, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        Activos().qt = std::move(qt);
    }
    return true;
}

void QuitarIdioma()
{
    Traductores &t = Activos();
    for (auto *tr : {t.juego.get(), t.qt.get()})
        if (tr)
            QCoreApplication::removeTranslator(tr);
    t.juego.reset();
    t.qt.reset();
}

bool TraduccionActiva() { return Activos().juego != nullptr; }

QString IdiomaInstalado() { return TraduccionActiva() ? Activos().juego->language() : QString(); }

QString IdiomaDelSistema()
{
    // Asked before Qt starts and again once it has: worked out once (the locale is the
    // process's, set before it started).
    static const QString codigo = [] {
        // The C locale is English whatever LANGUAGE says, as gettext programs behave.
        const QLocale sistema = QLocale::system();
        if (sistema.language() == QLocale::C)
            return QString();
        return ElegirIdioma(sistema.uiLanguages(), IdiomasDisponibles());
    }();
    return codigo;
}

void CargarIdiomaDelSistema()
{
    InstalarIdioma(IdiomaDelSistema());
}
