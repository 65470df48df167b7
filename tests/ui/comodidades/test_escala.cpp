// The windows' size: the scale chosen for a screen never opens a window larger than it, keeps
// the desktop's or the player's where it fits, and the choice made in the settings window is
// kept for the next start.
#include "Ajustes.h"
#include "Escala.h"
#include "frmAjustes.h"

#include <QComboBox>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {
using T = Ajustes::Tamano;
constexpr T kTamanos[] = {T::Automatico, T::Cien, T::CientoCincuenta, T::Doscientos};

double Pedida(T t, double escritorio) { return t == T::Automatico ? escritorio : int(t) / 100.0; }
}  // namespace

TEST(Escala, NoChoiceOpensAWindowLargerThanTheScreenOrLargerThanAsked)
{
    const QSize pantallas[] = {{1280, 1024}, {1280, 994}, {1366, 768}, {1024, 600}, {1920, 1050},
        {2560, 1440}, {3840, 2160}, {800, 600}};
    for (const QSize &p : pantallas)
        for (const double escritorio : {1.0, 1.25, 1.5, 2.0, 3.0})
            for (const T t : kTamanos) {
                const double e = EscalaQueCabe(t, escritorio, p);
                const std::string caso = std::to_string(p.width()) + "x" + std::to_string(p.height()) + " at "
                    + std::to_string(escritorio) + ", size " + std::to_string(int(t));
                EXPECT_LE(kVentanaMayor.width() * e, p.width()) << caso;
                EXPECT_LE(kVentanaMayor.height() * e, p.height()) << caso;
                EXPECT_LE(e, Pedida(t, escritorio)) << caso;
            }
}

TEST(Escala, TheDesktopsScaleIsKeptWhereItFitsAndOtherwiseTheLargestStepThatDoes)
{
    // A 2x desktop on a 1280x1024 screen: at 1.75 the window would be 1316 pixels wide.
    EXPECT_EQ(EscalaQueCabe(T::Automatico, 2.0, {1280, 1024}), 1.5);
    EXPECT_EQ(EscalaQueCabe(T::Doscientos, 1.0, {1280, 1024}), 1.5);
    // Room enough: the desktop's own scale, in between steps too, or the player's size.
    EXPECT_EQ(EscalaQueCabe(T::Automatico, 2.0, {3840, 2160}), 2.0);
    EXPECT_EQ(EscalaQueCabe(T::Automatico, 1.25, {3840, 2160}), 1.25);
    EXPECT_EQ(EscalaQueCabe(T::Automatico, 1.0, {3840, 2160}), 1.0);
    EXPECT_EQ(EscalaQueCabe(T::Cien, 2.0, {3840, 2160}), 1.0);
    EXPECT_EQ(EscalaQueCabe(T::CientoCincuenta, 1.0, {3840, 2160}), 1.5);
}

TEST(Escala, TheSizeChosenInTheSettingsWindowIsKeptAndAnUnknownOneReadsAsAutomatic)
{
    QTemporaryDir dir;
    const QString archivo = dir.filePath(QStringLiteral("ajustes.ini"));
    {
        Ajustes ajustes(archivo);
        EXPECT_EQ(ajustes.TamanoVentanas(), T::Automatico);
        frmAjustes ventana(ajustes, nullptr);
        auto *lista = ventana.findChild<QComboBox *>(QStringLiteral("cboTamano"));
        ASSERT_NE(lista, nullptr);
        EXPECT_FALSE(lista->accessibleName().isEmpty());
        lista->setCurrentIndex(lista->findData(int(T::CientoCincuenta)));
    }
    Ajustes otraVez(archivo);
    EXPECT_EQ(otraVez.TamanoVentanas(), T::CientoCincuenta);
    frmAjustes ventana(otraVez, nullptr);
    EXPECT_EQ(ventana.findChild<QComboBox *>(QStringLiteral("cboTamano"))->currentData().toInt(),
        int(T::CientoCincuenta));
    QSettings(archivo, QSettings::IniFormat).setValue(QStringLiteral("Tamano"), 175);
    EXPECT_EQ(Ajustes(archivo).TamanoVentanas(), T::Automatico);
}
