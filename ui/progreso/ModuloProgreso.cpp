#include "ModuloProgreso.h"

#include "Mensajes.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>

namespace {
void AbrirDesdeModulo(Contexto &ctx, QWidget *padre, const QString &carpeta, const char *entrada)
{
    // Loaded once per folder and never unloaded (a QLibrary that goes leaves its library
    // loaded): the window's classes must outlive every use.
    static std::map<QString, std::unique_ptr<QLibrary>> modulos;
    std::unique_ptr<QLibrary> &modulo = modulos[carpeta];
    if (!modulo) {
        modulo = std::make_unique<QLibrary>(carpeta + QStringLiteral("/velunda_progreso"));
        // Every symbol bound at load: a broken module fails here, with a message, not later.
        modulo->setLoadHints(QLibrary::ResolveAllSymbolsHint);
    }
    using Version = decltype(&velunda_progreso_version);
    using Abrir = decltype(&velunda_abrir_progreso);
    const auto version = reinterpret_cast<Version>(modulo->resolve("velunda_progreso_version"));
    const auto abrir = reinterpret_cast<Abrir>(modulo->resolve(entrada));
    if (version && abrir && qstrcmp(version(), VELUNDA_VERSION_MODULO) == 0) {
        abrir(ctx, padre);
        return;
    }
    const QString texto = qstrcmp(entrada, "velunda_abrir_chequeo") == 0
        //: A message box, then the system's reason on the next line.
        ? QCoreApplication::translate("ModuloProgreso", "The check-up could not be opened.")
        //: A message box, then the system's reason on the next line.
        : QCoreApplication::translate("ModuloProgreso", "The progress window could not be opened.");
    //: The reason under the message above: the module beside the program is another version's.
    MostrarMensaje(padre, texto + QLatin1Char('\n')
        + (version && abrir ? QCoreApplication::translate("ModuloProgreso", "It belongs to another version of the game.")
                            : modulo->errorString()));
}
}  // namespace

void AbrirProgresoDesdeModulo(Contexto &ctx, QWidget *padre, const QString &carpeta)
{
    AbrirDesdeModulo(ctx, padre, carpeta, "velunda_abrir_progreso");
}

void AbrirChequeoDesdeModulo(Contexto &ctx, QWidget *padre, const QString &carpeta)
{
    AbrirDesdeModulo(ctx, padre, carpeta, "velunda_abrir_chequeo");
}
