// The check-up's rules: the order of its trials, the timing of one trial, and the result's
// arithmetic on trials whose figures are worked out by hand here.
#include "Falsos.h"
#include "ResultadoChequeo.h"
#include "SesionChequeo.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace {
constexpr int64_t kMs = 1'000'000;  // nanoseconds

tEnsayo Ensayo(Condicion c, int respuesta, int ms, int tinta = 0)
{
    tEnsayo e;
    e.condicion = c;
    e.tinta = tinta;
    e.palabra = c == Condicion::Neutra ? kPalabraNeutra : (c == Condicion::Congruente ? tinta : 1);
    e.respuesta = respuesta;
    e.ms = ms;
    return e;
}
}  // namespace

TEST(OrdenChequeo, EveryConditionComesAsOftenWithPracticeFirstAndNoInkTwiceInARow)
{
    for (uint64_t semilla : {1u, 2u, 3u, 99u, 12345u}) {
        GeneradorFijo g(semilla);
        const auto ensayos = GenerarEnsayos(g);
        ASSERT_EQ(ensayos.size(), size_t(kEnsayosPractica + 3 * kEnsayosPorCondicion));
        std::map<Condicion, int> contados, practica;
        for (size_t i = 0; i < ensayos.size(); ++i) {
            const tEnsayo &e = ensayos[i];
            EXPECT_EQ(e.practica, i < size_t(kEnsayosPractica)) << i;
            ++(e.practica ? practica : contados)[e.condicion];
            EXPECT_NE(std::find(kTintasChequeo.begin(), kTintasChequeo.end(), e.tinta), kTintasChequeo.end());
            if (i > 0) {
                EXPECT_NE(e.tinta, ensayos[i - 1].tinta) << "seed " << semilla << ", trial " << i;
            }
            switch (e.condicion) {
            case Condicion::Congruente:
                EXPECT_EQ(e.palabra, e.tinta);
                break;
            case Condicion::Incongruente:
                EXPECT_NE(e.palabra, e.tinta);
                EXPECT_NE(std::find(kTintasChequeo.begin(), kTintasChequeo.end(), e.palabra), kTintasChequeo.end());
                break;
            case Condicion::Neutra:
                EXPECT_EQ(e.palabra, kPalabraNeutra);
                break;
            }
        }
        for (Condicion c : {Condicion::Congruente, Condicion::Incongruente, Condicion::Neutra}) {
            EXPECT_EQ(contados[c], kEnsayosPorCondicion);
            EXPECT_EQ(practica[c], 1);
        }
    }
}

TEST(OrdenChequeo, ASeedReplaysItsOrderAndConditionsAreInterleaved)
{
    GeneradorFijo a(5), b(5), c(6);
    const auto primero = GenerarEnsayos(a), otra = GenerarEnsayos(b), distinto = GenerarEnsayos(c);
    auto clave = [](const std::vector<tEnsayo> &v) {
        std::vector<int> k;
        for (const tEnsayo &e : v)
            k.push_back(static_cast<int>(e.condicion) * 100 + e.tinta * 10 + e.palabra);
        return k;
    };
    EXPECT_EQ(clave(primero), clave(otra));
    EXPECT_NE(clave(primero), clave(distinto));
    // Shuffled, not in blocks: the longest run of one condition stays short.
    int racha = 1, peor = 1;
    for (size_t i = kEnsayosPractica + 1; i < primero.size(); ++i) {
        racha = primero[i].condicion == primero[i - 1].condicion ? racha + 1 : 1;
        peor = std::max(peor, racha);
    }
    EXPECT_LT(peor, 10);
    for (int i = 0; i < 200; ++i) {
        const int blanco = BlancoMs(a);
        EXPECT_GE(blanco, kMsBlancoMinimo);
        EXPECT_LE(blanco, kMsBlancoMaximo);
    }
}

TEST(ResultadoChequeo, MediansErrorsAndInterferenceFromRightAnswersOnly)
{
    std::vector<tEnsayo> v{
        // Congruent: right at 500, 600, 700; one wrong; one anticipation (dropped).
        Ensayo(Condicion::Congruente, 0, 500), Ensayo(Condicion::Congruente, 0, 700),
        Ensayo(Condicion::Congruente, 0, 600), Ensayo(Condicion::Congruente, 2, 450),
        Ensayo(Condicion::Congruente, 0, 150),
        // Incongruent: right at 650, 750, 800, 900: median 775.
        Ensayo(Condicion::Incongruente, 0, 900), Ensayo(Condicion::Incongruente, 0, 650),
        Ensayo(Condicion::Incongruente, 0, 800), Ensayo(Condicion::Incongruente, 0, 750),
        // Neutral: one right at 640, one with no answer in time.
        Ensayo(Condicion::Neutra, 0, 640), Ensayo(Condicion::Neutra, -1, kMsLimite),
    };
    // Practice is never counted, however it went.
    tEnsayo practica = Ensayo(Condicion::Congruente, 1, 100);
    practica.practica = true;
    v.insert(v.begin(), practica);

    const tResultadoChequeo r = CalcularResultado(v);
    const auto &con = r.De(Condicion::Congruente), &inc = r.De(Condicion::Incongruente), &neu = r.De(Condicion::Neutra);
    EXPECT_DOUBLE_EQ(*con.mediana, 600);
    EXPECT_DOUBLE_EQ(*inc.mediana, 775);
    EXPECT_DOUBLE_EQ(*neu.mediana, 640);
    EXPECT_DOUBLE_EQ(*r.interferencia, 175);
    EXPECT_EQ(con.conservados, 4);
    EXPECT_DOUBLE_EQ(con.TasaError(), 0.25);
    EXPECT_DOUBLE_EQ(inc.TasaError(), 0.0);
    EXPECT_DOUBLE_EQ(neu.TasaError(), 0.5);
    EXPECT_DOUBLE_EQ(*con.EficienciaInversa(), 800);  // 600 ms / 75 % right
    EXPECT_DOUBLE_EQ(*neu.EficienciaInversa(), 1280);
    EXPECT_EQ(r.conservados, 10);
    EXPECT_EQ(r.anticipaciones, 1);
    EXPECT_EQ(r.sinRespuesta, 1);
}

TEST(ResultadoChequeo, NoRightAnswerInAConditionLeavesItsFiguresEmptyNotZero)
{
    const tResultadoChequeo r = CalcularResultado({Ensayo(Condicion::Congruente, 0, 500),
        Ensayo(Condicion::Incongruente, 2, 700), Ensayo(Condicion::Incongruente, -1, kMsLimite)});
    EXPECT_FALSE(r.De(Condicion::Incongruente).mediana);
    EXPECT_FALSE(r.De(Condicion::Incongruente).EficienciaInversa());
    EXPECT_FALSE(r.interferencia);
    EXPECT_EQ(r.De(Condicion::Neutra).conservados, 0);
    EXPECT_DOUBLE_EQ(r.De(Condicion::Neutra).TasaError(), 0.0);
    EXPECT_FALSE(CalcularResultado({}).interferencia);
}

TEST(SesionChequeo, TheClockRunsFromTheWordOnScreenNotFromWhenItWasAskedFor)
{
    GeneradorFijo g(3);
    SesionChequeo s(g, 2);
    const int tinta = s.Actual().tinta;
    EXPECT_FALSE(s.Responder(tinta, 10 * kMs)) << "no word yet: nothing to answer";
    s.PedirPalabra();
    EXPECT_FALSE(s.Responder(tinta, 20 * kMs)) << "asked for but not painted";
    s.Mostrada(100 * kMs);
    s.Mostrada(130 * kMs);  // a later frame of the same word
    ASSERT_TRUE(s.Responder(tinta, 512 * kMs + 600'000));
    EXPECT_EQ(s.Ensayos()[0].ms, 413);  // rounded to the nearest millisecond
    EXPECT_TRUE(s.Ensayos()[0].Acertado());
    EXPECT_EQ(s.Numero(), 1);
    EXPECT_EQ(s.Estado(), SesionChequeo::Fase::Blanco);
}

TEST(SesionChequeo, LateAnswersTimeOutsAndPausesEndOrRepeatTheTrial)
{
    GeneradorFijo g(4);
    SesionChequeo s(g, 1);
    // An answer the event loop delivered after the limit is no answer in time.
    s.PedirPalabra();
    s.Mostrada(0);
    EXPECT_TRUE(s.Responder(s.Actual().tinta, (kMsLimite + 5) * kMs));
    EXPECT_FALSE(s.Ensayos()[0].Contestado());
    EXPECT_EQ(s.Ensayos()[0].ms, kMsLimite);
    // A pause voids the word on screen: the same trial comes again, unanswered.
    s.PedirPalabra();
    s.Mostrada(0);
    s.Pausar();
    EXPECT_EQ(s.Numero(), 1);
    EXPECT_FALSE(s.Responder(s.Actual().tinta, 400 * kMs));
    EXPECT_FALSE(s.Ensayos()[1].Contestado());
    s.PedirPalabra();
    s.Mostrada(1000 * kMs);
    s.SinRespuesta();
    EXPECT_EQ(s.Numero(), 2);
    // To the end: every trial answered, and then nothing more is taken.
    while (!s.Terminada()) {
        s.PedirPalabra();
        s.Mostrada(0);
        ASSERT_TRUE(s.Responder(s.Actual().tinta, 300 * kMs));
    }
    EXPECT_EQ(s.Numero(), s.Total());
    s.PedirPalabra();
    EXPECT_FALSE(s.Responder(0, 300 * kMs));
}
