// velunda_bench_arranque: starts like the game does and reports the wall-clock moment the
// title menu first painted and the peak memory so far, then quits. bench/run.sh takes the
// difference to its launch time and sets it beside the floor program (suelo.cpp).
#include "Ajustes.h"
#include "AlPintar.h"
#include "Aleatorio.h"
#include "AtajoSonido.h"
#include "Contexto.h"
#include "EntornoQt.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "Idioma.h"
#include "ImagenesDatos.h"
#include "ModuloProgreso.h"
#include "SonidoConmutable.h"
#include "SonidoModulo.h"
#include "UbicacionDatos.h"
#include "Web.h"
#include "frmIntro.h"

#include <QApplication>

int main(int argc, char **argv)
{
    PrepararEntornoQt();
    frmIntro::AnticiparAlArrancar(CarpetaDelPrograma());
    QApplication app(argc, argv);
    AlPintar filtro;
    // A picture first decoded or painted on this start is kept for the next, as the game's exit would.
    filtro.alSalir = EsperarCacheImagenes;
    // The same start as the game's main().
    QApplication::setApplicationName(QStringLiteral("Velunda"));
    QApplication::setOrganizationName(QStringLiteral("Quorlan"));
    CargarIdiomaDelSistema();
    frmIntro::AnticiparImagenes(QCoreApplication::applicationDirPath());
    Ajustes ajustes;
    EstadoJuego estado;
    SonidoModulo reproductor(QCoreApplication::applicationDirPath());
    SonidoConmutable sonido(reproductor, ajustes, [&reproductor] { reproductor.Cerrar(); });
    WebEscritorio web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, QCoreApplication::applicationDirPath(), {}, {}};
    ctx.ajustes = &ajustes;
    AtajoSonido atajo(ajustes);
    app.installEventFilter(&atajo);
    Historial historial(RutaHistorial());
    ctx.historial = &historial;
    ctx.abrirProgreso = [&ctx](QWidget *padre) {
        AbrirProgresoDesdeModulo(ctx, padre, QCoreApplication::applicationDirPath());
    };
    frmIntro intro(ctx);
    intro.installEventFilter(&filtro);
    intro.show();
    return app.exec();
}
