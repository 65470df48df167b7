#include "Arranque.h"

#include "Ajustes.h"
#include "AtajoSonido.h"
#include "DeseoEscritorio.h"
#include "EntornoQt.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "Idioma.h"
#include "Mensajes.h"
#include "ModuloProgreso.h"
#include "SonidoConmutable.h"
#include "SonidoModulo.h"
#include "UbicacionDatos.h"
#include "frmHOF.h"
#include "frmIntro.h"

#include <QApplication>
#include <QTimer>
#include <optional>

struct Velunda::Partes {
    explicit Partes(PiezasJuego &piezas)
        : datos(piezas.dirApp.isEmpty() ? BuscarDatos(QCoreApplication::applicationDirPath(), piezas.datosDesdePrograma)
                                        : UbicacionDatos{piezas.dirApp, false}),
          reproductor(QCoreApplication::applicationDirPath()),
          conmutable(reproductor, ajustes, datos.dir, [this] { reproductor.Cerrar(); }),
          historial(piezas.rutaHistorial.isEmpty() ? RutaHistorial() : piezas.rutaHistorial),
          atajo(ajustes),
          ctx{estado, piezas.sonido ? *piezas.sonido : conmutable, piezas.web ? *piezas.web : web,
              piezas.azar ? *piezas.azar : azar, datos.dir, {}, {}}
    { }
    Ajustes ajustes;  // the user's settings file, named after the application
    UbicacionDatos datos;
    EstadoJuego estado;
    SonidoModulo reproductor;
    SonidoConmutable conmutable;
    WebEscritorio web;
    GeneradorMersenne azar;
    Historial historial;  // opens its file on the first level played
    AtajoSonido atajo;
    Contexto ctx;
    std::optional<frmIntro> menu;
    bool preguntarEscritorio;
};

Velunda::Velunda(PiezasJuego piezas)
{
    NombrarPrograma();
    // The quit question is the only way out; hiding the menu behind a game is not one.
    QApplication::setQuitOnLastWindowClosed(false);
    CargarIdiomaDelSistema();  // before any window: every text is taken when it is built
    p_ = std::make_unique<Partes>(piezas);
    p_->preguntarEscritorio = piezas.preguntarEscritorio;
    Contexto &ctx = p_->ctx;
    if (p_->datos.compartida)
        ctx.datosEscribibles = [](const QString &) { return false; };
    ctx.terminar = [] { TerminarPrograma(); };
    ctx.ajustes = &p_->ajustes;
    ctx.historial = &p_->historial;
    ctx.abrirProgreso = [&ctx](QWidget *padre) {
        AbrirProgresoDesdeModulo(ctx, padre, QCoreApplication::applicationDirPath());
    };
    ctx.abrirChequeo = [&ctx](QWidget *padre) {
        AbrirChequeoDesdeModulo(ctx, padre, QCoreApplication::applicationDirPath());
    };
    qApp->installEventFilter(&p_->atajo);
    p_->menu.emplace(ctx);  // sets ctx.mostrarMenu
    ctx.abrirRecords = [this] { AbrirRecords(p_->ctx, &*p_->menu); };
}

Velunda::~Velunda()
{
    if (qApp)
        qApp->removeEventFilter(&p_->atajo);
}

void Velunda::Mostrar()
{
    p_->menu->show();
    Ajustes *ajustes = &p_->ajustes;
    // Asked a moment after the menu is up, so start-up never waits for the desktop.
    if (p_->preguntarEscritorio)
        QTimer::singleShot(1000, ajustes,
            [ajustes] { PreguntarDeseoCalma([ajustes](bool d) { ajustes->PonerDeseoCalma(d); }); });
    // The cue player too, so the first cue has nothing to load; with sound off, not yet.
    SonidoModulo *reproductor = &p_->reproductor;
    QTimer::singleShot(250, ajustes, [ajustes, reproductor] {
        if (ajustes->Valor(Ajustes::Clave::Sonido))
            reproductor->Cargar();
    });
}

frmIntro &Velunda::Menu() { return *p_->menu; }

Contexto &Velunda::Ctx() { return p_->ctx; }
