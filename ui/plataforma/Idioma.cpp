#include "Idioma.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <QVariant>
#include <memory>

namespace {
const QString kCarpeta = QStringLiteral(":/i18n");
const QString kPrefijo = QStringLiteral("velunda_");

struct Traductores {
    std::unique_ptr<QTranslator> juego, qt;
    QChar separador{u'.'};  // the active language's decimal separator
};
// Kept on the application object too: the modules the game loads carry their own copy of
// this file's state, but share the one application.
const char *const kPropiedadIdioma = "velunda_idioma";
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
    if (QCoreApplication *app = QCoreApplication::instance())
        app->setProperty(kPropiedadIdioma, codigo);
    Activos().separador = QLocale(codigo).decimalPoint().at(0);
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
    t.separador = u'.';
    if (QCoreApplication::instance())
        QCoreApplication::instance()->setProperty(kPropiedadIdioma, QVariant());
}

bool TraduccionActiva() { return Activos().juego != nullptr; }

QString IdiomaInstalado() { return TraduccionActiva() ? Activos().juego->language() : QString(); }

QLocale LocaleJuego()
{
    const QCoreApplication *app = QCoreApplication::instance();
    const QString codigo = app ? app->property(kPropiedadIdioma).toString() : QString();
    QLocale l = codigo.isEmpty() ? QLocale::c() : QLocale(codigo);
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

QString ConSeparadorDecimal(QString texto)
{
    // Called on every tick of the seconds counter: a character swap, nothing more.
    if (const QChar s = Activos().separador; s != u'.')
        texto.replace(u'.', s);
    return texto;
}

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

void CargarIdiomaDelSistema() { InstalarIdioma(IdiomaDelSistema()); }
