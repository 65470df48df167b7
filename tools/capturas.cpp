// velunda_capturas: opens the game's windows for real, puts each in a telling state and
// saves what it shows as PNG files. Keeps the README's screenshots current and lets us
// look at every screen as a player would (run it under Xvfb, or offscreen).
//   velunda_capturas <carpeta-de-salida>
#include "Ajustes.h"
#include "Aleatorio.h"
#include "Contexto.h"
#include "EstadoJuego.h"
#include "Historial.h"
#include "Web.h"
#include "frmAjustes.h"
#include "frmAyuda.h"
#include "frmHOF.h"
#include "frmIntro.h"
#include "frmMain.h"
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
#include <vector>

namespace {

class SinSonido : public Sonido {
public:
    void ReproducirSonido(const std::string &) override { }
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

bool Guardar(QWidget *w, const QString &ruta)
{
    Esperar(150);  // let the window manager (if any) map and paint it
    const bool ok = w->grab().save(ruta);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(ruta));
    return ok;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output-folder>\n", argv[0]);
        return 2;
    }
    const QString salida = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(salida);

    EstadoJuego estado;
    SinSonido sonido;
    SinWeb web;
    GeneradorMersenne azar;
    Contexto ctx{estado, sonido, web, azar, QCoreApplication::applicationDirPath(), {}, {}};
    QTemporaryDir carpetaAjustes;  // the player's own settings stay untouched
    Ajustes ajustes(carpetaAjustes.filePath(QStringLiteral("ajustes.ini")));
    ctx.ajustes = &ajustes;
    bool ok = true;

    // The title menu, then with its difficulty panel; the help screen over it.
    {
        frmIntro menu(ctx);
        menu.show();
        ok &= Guardar(&menu, salida + QStringLiteral("/menu.png"));
        menu.imgJugar_Click();
        ok &= Guardar(&menu, salida + QStringLiteral("/menu_dificultad.png"));
        frmAyuda ayuda(ctx, &menu);
        ayuda.show();
        ok &= Guardar(&ayuda, salida + QStringLiteral("/ayuda.png"));
        frmAjustes ventana(ajustes, &ayuda);
        ventana.show();
        ok &= Guardar(&ventana, salida + QStringLiteral("/ajustes.png"));
    }

    estado.DificultadActual = Normal;
    {
        auto *juego = new frmMain(ctx);
        juego->show();
        juego->juego().PrepararNivel(0);
        ok &= Guardar(juego, salida + QStringLiteral("/juego_nivel1.png"));
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
        ok &= Guardar(juego, salida + QStringLiteral("/juego_nivel50.png"));
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
        ok &= Guardar(juego, salida + QStringLiteral("/juego.png"));
        // The focus ring on a found (black) label, then the paused game.
        QKeyEvent espacio(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QApplication::sendEvent(juego, &espacio);
        for (int k = 0; k < 64 && !estado.Casillas[juego->FocoTeclado()].Encontrada; ++k) {
            QKeyEvent flecha(QEvent::KeyPress, k % 5 == 4 ? Qt::Key_Down : Qt::Key_Right, Qt::NoModifier);
            QApplication::sendEvent(juego, &flecha);
        }
        juego->tmrJuego.stop();
        ok &= Guardar(juego, salida + QStringLiteral("/anillo.png"));
        juego->juego().Pausar();
        ok &= Guardar(juego, salida + QStringLiteral("/pausa.png"));
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
        ok &= Guardar(&records, salida + QStringLiteral("/records.png"));
    }

    // The progress window of a new player: empty, then after three games played on the
    // real game screen (every box answered with OK), into a history of its own.
    {
        QTemporaryDir datos;
        Historial historial(datos.filePath(QStringLiteral("history.sqlite")));
        ctx.historial = &historial;
        {
            frmProgreso vacio(&historial, nullptr);
            vacio.show();
            ok &= Guardar(&vacio, salida + QStringLiteral("/progreso_vacio.png"));
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
        frmProgreso progreso(&historial, nullptr);
        progreso.show();
        ok &= Guardar(&progreso, salida + QStringLiteral("/progreso.png"));
        ctx.historial = nullptr;
    }
    return ok ? 0 : 1;
}
