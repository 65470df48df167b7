// The high-score table: loading with its defaults and damaged values, the qualification
// test, the selection sort with its tie rule, and the save of all ten places. Tables are
// written in one line each: "Ana:500 Bea:400 ..." (name:points).
#include "ArchivoINI.h"
#include "ArchivosPrueba.h"
#include "TablaHOF.h"

#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

void PrintTo(const tRegistroHOF &r, std::ostream *os)
{
    *os << "{" << r.Origen << ", \"" << r.Nombre.toStdString() << "\", " << r.Puntos << ", " << r.Dificultad
        << ", \"" << r.Fecha.toStdString() << "\", \"" << r.Hora.toStdString() << "\"}";
}

namespace {

TablaHOF Tabla(const QString &puestos)
{
    TablaHOF t;
    const QStringList partes = puestos.split(' ', Qt::SkipEmptyParts);
    for (int p = 0; p < partes.size(); ++p) {
        const QStringList np = partes[p].split(':');
        t.Registros[p] = {int16_t(p), np[0], np[1].toInt(), 0, "1/1/2026", "10:00:00"};
    }
    return t;
}

// The names of places 0..9, then of index 10 after a '|'.
QString Orden(const TablaHOF &t)
{
    QStringList nombres;
    for (int p = 0; p < TablaHOF::kPuestos; ++p)
        nombres << t.Registros[p].Nombre;
    return nombres.join(' ') + " | " + t.Registros[TablaHOF::kCandidato].Nombre;
}

TablaHOF InsertarYOrdenar(TablaHOF t, int32_t puntos)
{
    t.Insertar("New", 2, "2/2/2026", "11:00:00", puntos);
    OrdenarHOF(t);
    return t;
}

const QString kDiez = "A:900 B:800 C:700 D:600 E:550 F:540 G:530 H:520 I:510 J:500";

TEST(TablaHOF, EqualToTheTenthQualifiesAndRanksAboveIt)
{
    const TablaHOF t = Tabla(kDiez);
    EXPECT_TRUE(t.Califica(500));
    EXPECT_FALSE(t.Califica(499));
    const TablaHOF r = InsertarYOrdenar(t, 500);
    EXPECT_EQ(Orden(r), "A B C D E F G H I New | J");
    EXPECT_EQ(r.FilaNueva(), 9);
    EXPECT_EQ(r.Registros[9], (tRegistroHOF{10, "New", 500, 2, "2/2/2026", "11:00:00"}));
}

TEST(TablaHOF, BestNewScoreTakesFirstPlaceAndPushesTheTenthOut)
{
    const TablaHOF r = InsertarYOrdenar(Tabla(kDiez), 901);
    EXPECT_EQ(Orden(r), "New A B C D E F G H I | J");
    EXPECT_EQ(r.FilaNueva(), 0);
}

TEST(TablaHOF, EqualLoadedScoresAreReorderedByTheTieRule)
{
    const TablaHOF r = InsertarYOrdenar(Tabla("A:100 B:100 C:100 D:90 E:80 F:70 G:60 H:50 I:40 J:30"), 35);
    EXPECT_EQ(Orden(r), "C A B D E F G H I New | J");
}

TEST(TablaHOF, EmptyTableTakesAZeroTotalAboveAllZeros)
{
    const TablaHOF t = Tabla("a:0 b:0 c:0 d:0 e:0 f:0 g:0 h:0 i:0 j:0");
    ASSERT_TRUE(t.Califica(0));
    EXPECT_EQ(InsertarYOrdenar(t, 0).FilaNueva(), 0);
}

TEST(TablaHOF, ScoresCompareSigned)
{
    const TablaHOF t = Tabla("A:5 B:3 C:1 D:0 E:-1 F:-2 G:-3 H:-4 I:-5 J:-7");
    EXPECT_TRUE(t.Califica(-7));
    EXPECT_FALSE(t.Califica(-8));
    EXPECT_EQ(Orden(InsertarYOrdenar(t, -6)), "A B C D E F G H I New | J");
}

TEST(TablaHOF, QualificationUsesTheTenthAsStoredNotTheLowest)
{
    const TablaHOF t = Tabla("A:1 B:2 C:3 D:4 E:5 F:6 G:7 H:8 I:9 J:1000");
    EXPECT_FALSE(t.Califica(999));
    EXPECT_EQ(Orden(InsertarYOrdenar(t, 1000)), "New J I H G F E D C B | A");
}

class ArchivoHOF : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ruta = dir.filePath("HOF.rec");
};

TEST_F(ArchivoHOF, MissingKeysReadTheDefaultsAndEmptyValuesStayEmpty)
{
    Grabar(ruta,
        "[00]\r\nNombre=\r\nPuntos=7\r\nDificultad=3\r\nFecha=\r\nHora=x\r\n"
        "[03]\r\nNombre=Solo\r\n");
    TablaHOF t;
    t.Cargar(ruta);
    EXPECT_EQ(t.Registros[0], (tRegistroHOF{0, "", 7, 3, "", "x"}));
    EXPECT_EQ(t.Registros[3], (tRegistroHOF{3, "Solo", 0, 0, "0", "0"}));
    EXPECT_EQ(t.Registros[9], (tRegistroHOF{9, "0", 0, 0, "0", "0"}));
}

TEST_F(ArchivoHOF, MissingEmptyOrUnreadableFileIsTenEmptyPlacesAndSaveCreatesIt)
{
    const tRegistroHOF vacio3{3, "", 0, 0, "", ""};
    TablaHOF t;
    t.Cargar(ruta);
    EXPECT_EQ(t.Registros[3], vacio3);
    EXPECT_TRUE(Contenido(dir.path()).isEmpty());

    Grabar(ruta, "\r\n; nothing yet\r\n");
    t.Registros[3].Nombre = "stale";
    t.Cargar(ruta);
    EXPECT_EQ(t.Registros[3], vacio3);

    t.Cargar(dir.path());  // a folder where the file should be
    EXPECT_EQ(t.Registros[3], vacio3);

    QFile::remove(ruta);
    t.Cargar(ruta);
    ASSERT_TRUE(t.Guardar(ruta));
    EXPECT_TRUE(BytesDe(ruta).startsWith(
        "[00]\r\nNombre=\r\nPuntos=0\r\nDificultad=0\r\nFecha=\r\nHora=\r\n[01]\r\n"));
    EXPECT_EQ(BytesDe(ruta).count("\r\n"), 60);
}

TEST_F(ArchivoHOF, NumbersThatAreNotWholeOrOutOfRangeReadAsZero)
{
    const std::pair<const char *, int32_t> puntos[]
        = {{"12abc", 0}, {"1,000", 0}, {"2147483648", 0}, {"-2147483649", 0}, {"", 0}, {"2.5", 0},
            {"2147483647", 2147483647}, {"-2147483648", INT32_MIN}, {"007", 7}, {"\" 42 \"", 42}};
    QByteArray contenido;
    for (int p = 0; p < 10; ++p)
        contenido += "[0" + QByteArray::number(p) + "]\r\nPuntos=" + puntos[p].first + "\r\nDificultad="
            + QByteArray(p == 0 ? "32768"
                    : p == 1    ? "-32768"
                                : "3x")
            + "\r\n";
    Grabar(ruta, contenido);
    TablaHOF t;
    t.Cargar(ruta);
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(t.Registros[p].Puntos, puntos[p].second) << puntos[p].first;
    EXPECT_EQ(t.Registros[0].Dificultad, 0);
    EXPECT_EQ(t.Registros[1].Dificultad, -32768);
    EXPECT_EQ(t.Registros[2].Dificultad, 0);
}

TEST_F(ArchivoHOF, SaveWritesAllTenPlacesOnceAndKeepsForeignLines)
{
    Grabar(ruta, "; scores\r\n[Extra]\r\nk=1\r\n");
    TablaHOF t = Tabla(kDiez);
    t.Registros[4].Nombre = "x\r\n[05]\r\nPuntos=999999";
    t.Registros[6].Nombre = "  spaced \"";
    EscritorContador contador;
    ASSERT_TRUE(t.Guardar(ruta, contador));
    EXPECT_EQ(contador.escrituras, 1);
    EXPECT_TRUE(BytesDe(ruta).startsWith(
        "; scores\r\n[Extra]\r\nk=1\r\n[00]\r\nNombre=A\r\nPuntos=900\r\nDificultad=0\r\n"
        "Fecha=1/1/2026\r\nHora=10:00:00\r\n[01]\r\n"));
    EXPECT_EQ(LeerINI(ruta, "Extra", "k"), "1");

    TablaHOF leida;
    leida.Cargar(ruta);
    t.Registros[4].Nombre = "x  [05]  Puntos=999999";
    for (int p = 0; p < 10; ++p)
        EXPECT_EQ(leida.Registros[p], t.Registros[p]) << p;
}

TEST_F(ArchivoHOF, FailedSaveLeavesTheOldTable)
{
    Tabla(kDiez).Guardar(ruta);
    const QByteArray antes = BytesDe(ruta);
    EXPECT_FALSE(InsertarYOrdenar(Tabla(kDiez), 1000).Guardar(ruta, EscritorDiscoLleno()));
    EXPECT_EQ(BytesDe(ruta), antes);
}

TEST_F(ArchivoHOF, LongNameLoadsAsItsFirst254Characters)
{
    Grabar(ruta, "[00]\r\nNombre=" + QByteArray(300, 'n') + "\r\n");
    TablaHOF t;
    t.Cargar(ruta);
    EXPECT_EQ(t.Registros[0].Nombre, QString(254, 'n'));
}

TEST(DataHOF, ShippedTableHoldsTenPlausiblePlacesInOrder)
{
    const QString ruta = QStringLiteral(VELUNDA_DATA_FUENTE "/HOF.rec");
    const QByteArray bytes = BytesDe(ruta);
    EXPECT_EQ(bytes.count("\r\n"), 60);
    EXPECT_EQ(bytes.count('\n'), 60);
    EXPECT_EQ(bytes.count('\r'), 60);
    TablaHOF t;
    t.Cargar(ruta);
    QSet<int> dificultades;
    const QRegularExpression fecha("^\\d\\d/\\d\\d/20\\d\\d$"), hora("^\\d\\d:\\d\\d:\\d\\d$");
    for (int p = 0; p < 10; ++p) {
        const tRegistroHOF &r = t.Registros[p];
        EXPECT_FALSE(r.Nombre.isEmpty() || r.Nombre == "0") << p;
        EXPECT_TRUE(r.Puntos >= 20000 && r.Puntos <= 80000) << r.Puntos;
        if (p > 0) {
            EXPECT_LT(r.Puntos, t.Registros[p - 1].Puntos) << p;
        }
        EXPECT_TRUE(r.Dificultad >= 0 && r.Dificultad <= 3) << p;  // a difficulty the game knows
        dificultades.insert(r.Dificultad);
        EXPECT_TRUE(fecha.match(r.Fecha).hasMatch()) << r.Fecha.toStdString();
        EXPECT_TRUE(hora.match(r.Hora).hasMatch()) << r.Hora.toStdString();
    }
    EXPECT_GE(dificultades.size(), 3);
}

}  // namespace
