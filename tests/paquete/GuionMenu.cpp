// Plays the unpacked game's title menu as a player would, from inside the game's own process:
// loaded with LD_PRELOAD, it waits for the title menu, opens the high-score screen, reads its
// first row, opens the progress window (the module beside the program) and closes it, closes
// the high-score screen with OK and quits through the quit question. Each step is reported on
// stderr as "GUION: ..." for probar_paquete.sh. Nothing of this is in the game itself.
#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

QWidget *VentanaVisible(const char *nombre)
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(nombre) && w->isVisible())
            return w;
    return nullptr;
}

void Informar(const QString &paso)
{
    std::fprintf(stderr, "GUION: %s\n", qPrintable(paso));
    std::fflush(stderr);
}

// A click that opens a modal window returns only when it closes, so it is posted to run
// after the step that decided it, and the polling goes on inside the modal loop.
void ClicDespues(QWidget *w)
{
    if (!w) {
        Informar(QStringLiteral("the control to click is missing"));
        return;
    }
    QTimer::singleShot(0, w, [w] { QTest::mouseClick(w, Qt::LeftButton); });
}

void Paso()
{
    static int paso = 0;
    QWidget *menu = VentanaVisible("frmIntro");
    QWidget *records = VentanaVisible("frmHOF");
    switch (paso) {
    case 0:
        if (menu && !records) {
            Informar(QStringLiteral("menu shown: ") + menu->windowTitle());
            ClicDespues(menu->findChild<QWidget *>(QStringLiteral("imgHOF")));
            paso = 1;
        }
        break;
    case 1:
        if (records) {
            auto *nombre = records->findChild<QLabel *>(QStringLiteral("lblNombre_0"));
            Informar(QStringLiteral("high scores shown, first: ") + (nombre ? nombre->text() : QString()));
            ClicDespues(records->findChild<QPushButton *>(QStringLiteral("cmdProgreso")));
            paso = 10;
        }
        break;
    case 10:
        if (QWidget *progreso = VentanaVisible("frmProgreso")) {
            Informar(QStringLiteral("progress shown: ") + progreso->windowTitle());
            ClicDespues(progreso->findChild<QPushButton *>(QStringLiteral("cmdAceptar")));
            paso = 11;
        } else if (auto *aviso = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            Informar(QStringLiteral("no progress window: ") + aviso->text());
            paso = 99;
        }
        break;
    case 11:
        if (records && !VentanaVisible("frmProgreso")) {
            ClicDespues(records->findChild<QPushButton *>(QStringLiteral("Command1")));
            paso = 2;
        }
        break;
    case 2:
        if (menu && !records) {
            Informar(QStringLiteral("menu again"));
            ClicDespues(menu->findChild<QWidget *>(QStringLiteral("imgSalir2")));
            paso = 3;
        }
        break;
    case 3:
        if (auto *pregunta = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            Informar(QStringLiteral("quit asked: ") + pregunta->text());
            ClicDespues(pregunta->button(QMessageBox::Yes));
            paso = 4;
        }
        break;
    default:
        break;
    }
}

void Empezar()
{
    auto *reloj = new QTimer(qApp);
    QObject::connect(reloj, &QTimer::timeout, &Paso);
    reloj->start(20);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Empezar)
