#include "ModuloProgreso.h"

#include "Mensajes.h"

#include <QCoreApplication>
#include <QLibrary>
#include <map>
#include <memory>

void AbrirProgresoDesdeModulo(Contexto &ctx, QWidget *padre, const QString &carpeta)
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
    using Abrir = decltype(&velunda_abrir_progreso);
    if (auto abrir = reinterpret_cast<Abrir>(modulo->resolve("velunda_abrir_progreso"))) {
        abrir(ctx, padre);
        return;
    }
    MostrarMensaje(padre,
        //: A message box, then the system's reason on the next line.
        QCoreApplication::translate("ModuloProgreso", "The progress window could not be opened.")
            + QLatin1Char('\n') + modulo->errorString());
}
