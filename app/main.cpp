// Starts Velunda: the shared state, the services, the title menu and the event loop.
#include "Ajustes.h"
#include "Aleatorio.h"
#include "AtajoSonido.h"
#include "Contexto.h"
#include "DeseoEscritorio.h"
#include "EntornoQt.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "Idioma.h"
#include "ModuloProgreso.h"
#include "Salida.h"
#include "SonidoConmutable.h"
#include "SonidoModulo.h"
#include "UbicacionDatos.h"
#include "Web.h"
#include "frmHOF.h"
#include "frmIntro.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    PrepararEntornoQt();
    // VELUNDA_DATOS_INSTALADOS: where the install layout puts Data/, seen from the program.
    const QString desdePrograma = QStringLiteral(VELUNDA_DATOS_INSTALADOS);
    // The first pictures are decoded while Qt starts (its own idea of the folder, below, is the same).
    if (const QString programa = CarpetaDelPrograma(); !programa.isEmpty())
        frmIntro::AnticiparAlArrancar(BuscarDatos(programa, desdePrograma).dir);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velunda"));
    QApplication::setOrganizationName(QStringLiteral("Quorlan"));
    // The quit question is the only way out; hiding the menu behind a game is not one.
    QApplication::setQuitOnLastWindowClosed(false);
    CargarIdiomaDelSistema();  // before any window: every text is taken when it is built
    const UbicacionDatos datos = BuscarDatos(QCoreApplication::applicationDirPath(), desdePrograma);
    frmIntro::AnticiparImagenes(datos.dir);  // decoded while the rest is set up

    Ajustes ajustes;  // the user's settings file, named after the names above
    EstadoJuego estado;
    SonidoModulo reproductor(QCoreApplication::applicationDirPath());
    SonidoConmutable sonido(reproductor, ajustes, [&reproductor] { reproductor.Cerrar(); });
    WebEscritorio web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, datos.dir, {}, {}};
    if (datos.compartida)
        ctx.datosEscribibles = [](const QString &) { return false; };
    ctx.terminar = [] { TerminarPrograma(); };
    ctx.ajustes = &ajustes;
    AtajoSonido atajo(ajustes);
    app.installEventFilter(&atajo);
    Historial historial(RutaHistorial());  // opens its file on the first level played
    ctx.historial = &historial;
    ctx.abrirProgreso = [&ctx](QWidget *padre) {
        AbrirProgresoDesdeModulo(ctx, padre, QCoreApplication::applicationDirPath());
    };

    frmIntro menu(ctx);  // sets ctx.mostrarMenu
    ctx.abrirRecords = [&ctx, &menu] { AbrirRecords(ctx, &menu); };
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.quorlan.Velunda"));
    menu.show();
    // Asked a moment after the menu is up, so start-up never waits for the desktop.
    QTimer::singleShot(1000, &ajustes,
        [&ajustes] { PreguntarDeseoCalma([&ajustes](bool d) { ajustes.PonerDeseoCalma(d); }); });
    // The cue player too, so the first cue has nothing to load; with sound off, not yet.
    QTimer::singleShot(250, &ajustes, [&ajustes, &reproductor] {
        if (ajustes.Valor(Ajustes::Clave::Sonido))
            reproductor.Cargar();
    });
    return app.exec();
}
