// velunda_capturas: opens the game's windows for real, puts each in a telling state and
// saves what it shows as PNG files. Keeps the README's screenshots current and lets us
// look at every screen as a player would (run it under Xvfb, or offscreen). With a
// language code the windows speak that language and each file name ends in _<code>.
//   velunda_capturas <carpeta-de-salida> [es|fr|de]
#include "Ajustes.h"
#include "Aleatorio.h"
#include "AlmacenHistorial.h"
#include "Arranque.h"
#include "Contexto.h"
#include "Controles.h"
#include "Daltonismo.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "Idioma.h"
#include "Paleta.h"
#include "Web.h"
#include "frmAjustes.h"
#include "frmAyuda.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"
#include "frmChequeo.h"
#include "frmProgreso.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <random>
#include <vector>

namespace {

class SinSonido : public Sonido {
public:
    void ReproducirSonido(Senal) override { }
};

class SinWeb : public Web {
public:
    void Abrir(const QString &) override { }
};

void Esperar(int ms)
{
    QEventLoop bucle;
    QTimer::singleShot(ms, &bucle, &QEventLoop::quit);
    bucle.exec();
}

// The picture as a player with that dichromacy sees it, by the simulation the tests measure with.
QImage Simulada(const QImage &img, Vision v)
{
    QImage r = img.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < r.height(); ++y) {
        auto *fila = reinterpret_cast<QRgb *>(r.scanLine(y));
        for (int x = 0; x < r.width(); ++x) {
            const ColorSrgb c
                = Simular(v, {double(qRed(fila[x])), double(qGreen(fila[x])), double(qBlue(fila[x]))});
            fila[x] = qRgb(qRound(c.r), qRound(c.g), qRound(c.b));
        }
    }
    return r;
}

bool GuardarConSimulacion(QWidget *w, const QString &base)
{
    Esperar(150);
    const QImage img = w->grab().toImage();
    bool ok = true;
    for (const QString &ruta : {base + QStringLiteral(".png"), base + QStringLiteral("_protanopia.png")}) {
        const bool bien
            = (ruta.endsWith(QLatin1String("_protanopia.png")) ? Simulada(img, Vision::Protanopia) : img)
                  .save(ruta);
        std::printf("%s %s\n", bien ? "wrote" : "FAILED", qPrintable(ruta));
        ok &= bien;
    }
    return ok;
}

bool Guardar(QWidget *w, const QString &ruta)
{
    Esperar(150);  // let the window manager (if any) map and paint it
    const bool ok = w->grab().save(ruta);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(ruta));
    return ok;
}

// A player of some weeks: 40 games at every difficulty, slower as colours and words are
// added, faster in the last games, fooled most by words printed in a neighbouring colour.
void SembrarTropiezos(const QString &ruta)
{
    AlmacenHistorial a(ruta);
    if (!a.Abrir())
        return;
    std::mt19937 azar(24);
    const QDateTime t(QDate(2026, 11, 2), QTime(18, 0), Qt::UTC);
    a.Empezar();
    for (int p = 0; p < 40; ++p) {
        const int dificultad = p % 4;
        const qint64 id = *a.EmpezarPartida(t.addDays(p), dificultad);
        const int niveles = 4 + static_cast<int>(azar() % 22);
        for (int n = 1; n <= niveles; ++n) {
            tResultadoNivel r;
            r.Dificultad = dificultad;
            r.Nivel = n;
            r.Colores = std::min(3 + n / 4, 8);
            r.Palabras = std::min(8 + n, 32);
            r.Necesarios = 2 + n / 3;
            r.SegundosPermitidos = 20;
            r.Fin = n == niveles ? FinNivel::ClicErroneo : FinNivel::Terminado;
            std::vector<tClicMedido> clics;
            int64_t ms = 0;
            for (int c = 0; c < r.Necesarios; ++c) {
                const int64_t paso
                    = 450 + 70 * r.Colores + 18 * r.Palabras - 6 * p + static_cast<int>(azar() % 400);
                ms += paso;
                const int color = static_cast<int>(azar() % static_cast<unsigned>(r.Colores));
                clics.push_back({tClic{c, color, color, true, c % 5 == 4}, ms, paso});
            }
            if (r.Fin == FinNivel::ClicErroneo) {
                clics.pop_back();
                const int palabra = static_cast<int>(azar() % static_cast<unsigned>(r.Colores));
                const int vecina = (palabra + (azar() % 3 == 0 ? 3 : 7)) % 8;  // ORANGE for RED, ...
                clics.push_back(
                    {tClic{1, palabra, vecina < r.Colores ? vecina : (palabra + 1) % r.Colores, false, false},
                        ms + 700, 700});
            }
            r.Encontrados = r.Fin == FinNivel::Terminado ? r.Necesarios : r.Necesarios - 1;
            r.SegundosUsados = static_cast<float>(ms) / 1000.f;
            r.Puntos = r.Fin == FinNivel::Terminado ? static_cast<int32_t>(2000 - ms / 10) : 0;
            a.GuardarNivel(id, t.addDays(p), r, clics);
        }
        a.TerminarPartida(id, t.addDays(p), tResultadoPartida{dificultad, niveles, 1500 * niveles, false});
    }
    a.Confirmar();
}

}  // namespace

// The same boards at every run, whatever the hour, so two runs' pictures can be compared.
class SiempreIgual : public GeneradorMersenne {
public:
    void Sembrar(float) override { GeneradorMersenne::Sembrar(0.0f); }
};

int main(int argc, char **argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output-folder> [language]\n", argv[0]);
        return 2;
    }
    // The game takes the language the desktop asks for, and the player's own settings and
    // history: here, the language asked for, and settings and history of the run's own.
    qputenv("LANGUAGE", argc > 2 ? argv[2] : "en");
    QTemporaryDir carpetaUsuario;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(carpetaUsuario.path()));
    QApplication app(argc, argv);
    const QString salida = QString::fromLocal8Bit(argv[1]);
    const QString idioma = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    if (!idioma.isEmpty() && !IdiomasDisponibles().contains(idioma)) {
        std::fprintf(stderr, "no translation for %s\n", argv[2]);
        return 2;
    }
    const QString sufijo = idioma.isEmpty() ? QString() : QStringLiteral("_") + idioma;
    auto archivo = [&](const char *nombre) {
        return salida + u'/' + QLatin1String(nombre) + sufijo + QStringLiteral(".png");
    };
    QDir().mkpath(salida);

    SinSonido sonido;
    SinWeb web;
    SiempreIgual azar;
    Velunda juegoEntero({.rutaHistorial = carpetaUsuario.filePath(QStringLiteral("history.sqlite")),
        .sonido = &sonido,
        .web = &web,
        .azar = &azar,
        .preguntarEscritorio = false});
    Contexto &ctx = juegoEntero.Ctx();
    EstadoJuego &estado = ctx.estado;
    Ajustes &ajustes = *ctx.ajustes;
    bool ok = true;

    // The title menu, then with its difficulty panel; the help screen over it.
    {
        frmIntro &menu = juegoEntero.Menu();
        juegoEntero.Mostrar();
        ok &= Guardar(&menu, archivo("menu"));
        menu.imgJugar_Click();
        ok &= Guardar(&menu, archivo("menu_dificultad"));
        // The ring a keyboard player sees on a choice, the panel put away by Escape.
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&menu, &escape);
        QApplication::setActiveWindow(&menu);
        if (QWidget *jugar = menu.findChild<QWidget *>(QStringLiteral("imgJugar")))
            jugar->setFocus(Qt::TabFocusReason);
        ok &= Guardar(&menu, archivo("menu_anillo"));
        frmAyuda ayuda(ctx, &menu);
        ayuda.show();
        ok &= Guardar(&ayuda, archivo("ayuda"));
        frmAjustes ventana(ajustes, &ayuda, &ctx);
        ventana.show();
        ok &= Guardar(&ventana, archivo("ajustes"));
    }

    estado.DificultadActual = Normal;
    {
        auto *juego = new frmMain(ctx);
        juego->show();
        juego->juego().PrepararNivel(0);
        ok &= Guardar(juego, archivo("juego_nivel1"));
        juego->juego().PrepararNivel(49);
        juego->cmdEmpezar_Click();
        for (int t = 0; t < 260; ++t)
            juego->tmrJuego_Timer();
        juego->tmrJuego.stop();
        // Find a few matches so found labels show too.
        for (int i = 0, n = 0; i < kNumCasillas && n < 4; ++i)
            if (estado.Casillas[i].EsAcierto()) {
                juego->lblTextos_Click(i);
                ++n;
            }
        juego->tmrJuego.stop();
        ok &= Guardar(juego, archivo("juego_nivel50"));
        // A level in play for the README: level 12, a few seconds gone, two matches found.
        juego->juego().PrepararNivel(11);
        juego->cmdEmpezar_Click();
        for (int t = 0; t < 180; ++t)
            juego->tmrJuego_Timer();
        juego->tmrJuego.stop();
        for (int i = 0, n = 0; i < kNumCasillas && n < 2; ++i)
            if (estado.Casillas[i].Visible && estado.Casillas[i].EsAcierto()) {
                juego->lblTextos_Click(i);
                ++n;
            }
        juego->tmrJuego.stop();
        ok &= Guardar(juego, archivo("juego"));
        // A level's report box, the longest message, as the player reads it.
        QTimer::singleShot(300, [&] {
            if (QWidget *caja = QApplication::activeModalWidget()) {
                ok &= Guardar(caja, archivo("mensaje"));
                caja->close();
            }
        });
        Informe informe;
        informe.puntos = 1234;
        informe.usado = 7.66f;
        informe.aciertos = 5;
        informe.porAcierto = 1.53f;
        juego->Mensaje(informe);
        // The focus ring on a found (black) label, then the paused game.
        QKeyEvent espacio(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(juego, &espacio);
        for (int k = 0; k < 64 && !estado.Casillas[juego->FocoTeclado()].Encontrada; ++k) {
            QKeyEvent flecha(QEvent::KeyPress, k % 5 == 4 ? Qt::Key_Down : Qt::Key_Right, Qt::NoModifier);
            QApplication::sendEvent(juego, &flecha);
        }
        juego->tmrJuego.stop();
        ok &= Guardar(juego, archivo("anillo"));
        juego->juego().Pausar();
        ok &= Guardar(juego, archivo("pausa"));
        delete juego;
    }

    // The high-score screen just after a win, the new entry marked. It reads and rewrites
    // a copy of the shipped table, so the real one is left as it was.
    {
        QTemporaryDir copia;
        QDir(copia.path()).mkpath(QStringLiteral("Data"));
        QFile::copy(
            ctx.dirApp + QStringLiteral("/Data/HOF.rec"), copia.path() + QStringLiteral("/Data/HOF.rec"));
        Contexto ctxRecords = ctx;
        ctxRecords.dirApp = copia.path();
        estado.DificultadActual = Dificil;
        estado.PuntosTotales = 48210;
        estado.PartidaGanada = true;
        QTimer nombre;  // answers the name prompt as a player would
        nombre.setInterval(50);
        QObject::connect(&nombre, &QTimer::timeout, [] {
            if (auto *d = qobject_cast<QInputDialog *>(QApplication::activeModalWidget())) {
                d->setTextValue(QStringLiteral("Quorlan"));
                d->accept();
            }
        });
        nombre.start();
        frmHOF records(ctxRecords, nullptr);
        nombre.stop();
        records.show();
        ok &= Guardar(&records, archivo("records"));
    }

    // A board with all eight inks in the colour-blind-safe set with outlined words, then the
    // same board in the standard inks, each beside a protanope's view of it.
    {
        ajustes.Poner(Ajustes::Clave::TintasSeguras, true);
        ajustes.Poner(Ajustes::Clave::ContornoPalabras, true);
        estado.DificultadActual = Normal;
        auto *juego = new frmMain(ctx);
        juego->show();
        juego->juego().PrepararNivel(45);
        juego->cmdEmpezar_Click();
        juego->tmrJuego.stop();
        const QString base
            = salida + (juego->devicePixelRatioF() > 1 ? QStringLiteral("/2x_") : QStringLiteral("/"));
        ok &= GuardarConSimulacion(juego, base + QStringLiteral("juego_tintas_seguras") + sufijo);
        for (int i = 0; i < kNumColores; ++i) {
            const Tinta t = TintaDe(Tintas::Estandar, i);
            juego->ColocarCuadros(i, 20 + 60 * i, RGB(t.r, t.g, t.b));
        }
        for (int i = 0; i < kNumCasillas; ++i) {
            const tCasilla &c = estado.Casillas[i];
            const Tinta t = TintaDe(Tintas::Estandar, c.Color);
            juego->PintarEtiqueta(i, c.Visible, RGB(t.r, t.g, t.b), c.Texto, kBlanco);
        }
        for (auto *l : juego->findChildren<Etiqueta *>())
            l->PonerContorno(false);
        ok &= GuardarConSimulacion(juego, base + QStringLiteral("juego_tintas_estandar") + sufijo);
        delete juego;
        ajustes.Poner(Ajustes::Clave::TintasSeguras, false);
        ajustes.Poner(Ajustes::Clave::ContornoPalabras, false);
    }

    // The progress window of a new player: empty, then after three games played on the
    // real game screen (every box answered with OK), into a history of its own.
    {
        Historial &historial = *ctx.historial;
        {
            frmProgreso vacio(&historial, nullptr, &ctx);
            vacio.show();
            ok &= Guardar(&vacio, salida + QStringLiteral("/progreso_vacio.png"));
            vacio.cmdVista_Click();  // what trips you, before there is anything to show
            ok &= Guardar(&vacio, archivo("tropiezos_vacio"));
        }
        QTimer cajas;
        cajas.setInterval(20);
        QObject::connect(&cajas, &QTimer::timeout, [] {
            if (auto *m = qobject_cast<QMessageBox *>(QApplication::activeModalWidget()))
                m->accept();
        });
        cajas.start();
        struct Partida {
            Dificultad dificultad;
            int superados;      // levels finished before the wrong click
            int ticksPorNivel;  // clock ticks before the matches are found
        };
        for (const Partida &p : {Partida{Normal, 4, 260}, Partida{Facil, 7, 200}, Partida{Normal, 9, 170}}) {
            estado.DificultadActual = p.dificultad;
            auto *juego = new frmMain(ctx);
            juego->show();
            juego->juego().PrepararNivel(0);
            for (int n = 0; n < p.superados; ++n) {
                juego->cmdEmpezar_Click();
                for (int t = 0; t < p.ticksPorNivel + 40 * n; ++t)
                    juego->tmrJuego_Timer();
                std::vector<int> aciertos;  // taken first: the last one deals the next board
                for (int i = 0; i < kNumCasillas; ++i)
                    if (estado.Casillas[i].Visible && estado.Casillas[i].EsAcierto())
                        aciertos.push_back(i);
                for (int i : aciertos)
                    juego->lblTextos_Click(i);
            }
            juego->cmdEmpezar_Click();
            for (int i = 0; i < kNumCasillas; ++i)
                if (estado.Casillas[i].Visible && !estado.Casillas[i].EsAcierto()) {
                    juego->lblTextos_Click(i);
                    break;
                }
            juego->imgVolverAlMenu_Click();
            Esperar(50);
        }
        cajas.stop();
        frmProgreso progreso(&historial, nullptr, &ctx);
        progreso.show();
        ok &= Guardar(&progreso, salida + QStringLiteral("/progreso.png"));
    }

    // "What trips you" after some weeks of play.
    {
        QTemporaryDir carpeta;
        const QString ruta = carpeta.filePath(QStringLiteral("history.sqlite"));
        SembrarTropiezos(ruta);
        Historial semanas(ruta);
        frmProgreso progreso(&semanas, nullptr, &ctx);
        progreso.cmdVista_Click();
        progreso.show();
        ok &= Guardar(&progreso, archivo("tropiezos"));
    }

    // The check-up: one of its words, then its result over six earlier check-ups. Answers come
    // from a scripted player on the window's own made-up clock, a little slower on mismatched
    // words, now and then wrong.
    {
        QTemporaryDir carpeta;
        Historial historial(carpeta.filePath(QStringLiteral("history.sqlite")));
        std::mt19937 azarRespuestas(25);
        auto tiempo = [&azarRespuestas](Condicion c, int antes) {
            const double base[] = {590, 590 + 60 + 12.0 * antes, 625};
            return static_cast<int>(std::normal_distribution<double>(base[static_cast<int>(c)], 40)(azarRespuestas));
        };
        for (int antes = 6; antes > 0; --antes) {
            std::vector<tEnsayo> ensayos = GenerarEnsayos(azar);
            for (tEnsayo &e : ensayos) {
                e.ms = std::max(230, tiempo(e.condicion, antes));
                e.respuesta = azarRespuestas() % 25 == 0 ? kTintasChequeo[(e.tinta + 1) % 4] : e.tinta;
            }
            historial.GuardarChequeo(false, ensayos);
        }
        Contexto ctxChequeo = ctx;
        ctxChequeo.historial = &historial;
        qint64 ahora = 0;
        frmChequeo chequeo(ctxChequeo, nullptr, 12, [&ahora] { return ahora; });
        chequeo.show();
        bool capturada = false;
        QObject::connect(&chequeo, &frmChequeo::PalabraMostrada, [&](qint64) {
            const tEnsayo &e = chequeo.Sesion().Actual();
            if (!capturada && !e.practica && e.condicion == Condicion::Incongruente) {
                capturada = true;
                ok &= GuardarConSimulacion(&chequeo, salida + QStringLiteral("/chequeo") + sufijo);
            }
            ahora += static_cast<qint64>(std::max(230, tiempo(e.condicion, 0))) * 1'000'000;
            int boton = 0;
            while (frmChequeo::TintaBoton(boton) != e.tinta)
                ++boton;
            if (azarRespuestas() % 25 == 0)
                boton = (boton + 1) % 4;
            QTimer::singleShot(0, &chequeo, [&chequeo, boton] { chequeo.Responder(boton, chequeo.Ahora()); });
        });
        chequeo.cmdEmpezar_Click();
        while (!chequeo.Terminado())
            Esperar(100);
        ok &= Guardar(&chequeo, archivo("chequeo_resultado"));
    }
    return ok ? 0 : 1;
}
