#include "Juego.h"

#include "Formato.h"
#include "LeerNumero.h"
#include "Niveles.h"
#include "Paleta.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {
constexpr Senal kCuesAcierto[] = {Senal::Bien, Senal::Genial, Senal::SigueAsi, Senal::UnoMenos, Senal::Vale};
constexpr Senal kCuesFallo[] = {Senal::No, Senal::Uy, Senal::Vaya};
constexpr int32_t kRosaPerdida = RGB(255, 200, 200);
constexpr int32_t kRojoClaro = RGB(255, 150, 150);
constexpr int32_t kRojo = RGB(255, 0, 0);
}  // namespace

Juego::Juego(EstadoJuego &estado, PantallaJuego &pantalla, Sonido &sonido, GeneradorUniforme &azar)
    : e_(estado), pantalla_(pantalla), sonido_(sonido), azar_(azar)
{ }

void Juego::CargaInicial()
{
    azar_.Sembrar(SegundosDesdeMedianoche());
    pantalla_.AjustarPanelMensaje(625, 249);
    LlenarPaleta(e_, tintas_);
    e_.PartidaRelajada = relajado_;
    for (int i = 0; i < kNumColores; ++i)
        pantalla_.ColocarCuadros(i, 20 + 60 * i, e_.ColorRGB[i]);
    e_.PasoAnimacion = 7;
    e_.Niveles = CalcularNiveles();
    e_.PuntosNivel.fill(0);
    e_.Casillas.fill(tCasilla{});
    e_.NivelActual = 0;
    e_.PuntosTotales = 0;
    for (int i = 0; i < kNumCasillas; ++i)
        PintarCasilla(i);
    if (observador_)
        observador_->PartidaEmpezada();
}

int Juego::Aleatorio(int bajo, int alto) { return ::Aleatorio(azar_, bajo, alto); }

void Juego::PintarCasilla(int i)
{
    const tCasilla &c = e_.Casillas[i];
    pantalla_.PintarEtiqueta(i, c.Visible, e_.ColorRGB[c.Color], c.Texto, c.Encontrada ? kNegro : kBlanco);
}

void Juego::PararReloj()
{
    relojActivo_ = false;
    pantalla_.ActivarReloj(false);
}

void Juego::PrepararNivel(int nivel)
{
    nivel = nivel < 0 ? 0 : (nivel > kUltimoNivel ? kUltimoNivel : nivel);
    colorFondo_ = kBlanco;
    pantalla_.FondoVentana(kBlanco);
    PararReloj();
    if (pausado_) {  // the level jump's prompt can open over a pause
        pausado_ = false;
        pantalla_.MostrarPausa(false);
    }
    panelVisible_ = true;
    pantalla_.MostrarPanelMensaje(true);
    e_.Casillas.fill(tCasilla{});
    e_.NivelActual = static_cast<int16_t>(nivel);
    nivelMaximo_ = std::max(nivelMaximo_, nivel);
    e_.NivelEnJuego = e_.Niveles[nivel];
    const tNivel &n = e_.NivelEnJuego;
    for (int j = nivel; j < kNumNiveles; ++j)
        e_.PuntosNivel[j] = 0;
    e_.PuntosTotales = std::accumulate(e_.PuntosNivel.begin(), e_.PuntosNivel.begin() + nivel + 1, 0);
    e_.TiempoNivel = TiempoPermitido(n, e_.DificultadActual) * (e_.PartidaRelajada ? kFactorRelajado : 1);
    e_.TiempoRestante = e_.TiempoNivel;

    for (int mostradas = 0; mostradas < n.Etiquetas;) {
        tCasilla &c = e_.Casillas[Aleatorio(0, kNumCasillas - 1)];
        if (!c.Visible) {
            c.Visible = true;
            ++mostradas;
        }
    }
    for (tCasilla &c : e_.Casillas) {
        c.Color = static_cast<int16_t>(Aleatorio(0, n.Colores - 1));
        do
            c.Texto = static_cast<int16_t>(Aleatorio(0, n.Colores - 1));
        while (c.Texto == c.Color);
    }
    for (int plantados = 0; plantados < n.Aciertos;) {
        tCasilla &c = e_.Casillas[Aleatorio(0, kNumCasillas - 1)];
        if (c.Visible && c.Color != c.Texto) {
            c.Color = c.Texto;
            ++plantados;
        }
    }
    for (int i = 0; i < kNumCasillas; ++i)
        PintarCasilla(i);

    encontrados_ = 0;
    MostrarContadores();
}

void Juego::MostrarContadores()
{
    const tNivel &n = e_.NivelEnJuego;
    pantalla_.PonerRotulo(Rotulo::Encontrados, std::to_string(encontrados_));
    pantalla_.PonerRotulo(Rotulo::EncontradosTotal, std::to_string(n.Aciertos));
    // The 2-pixel stub shows an empty bar that is still there at a level's start.
    pantalla_.AlturaBarra(
        Barra::Encontrados, static_cast<float>(double(encontrados_) / n.Aciertos * 73.0 + 2.0));
    pantalla_.PonerRotulo(Rotulo::Nivel, std::to_string(n.Numero + 1));
    pantalla_.PonerRotulo(Rotulo::NivelMax, "50");
    pantalla_.PonerRotulo(Rotulo::Puntos, std::to_string(e_.PuntosTotales));
    pantalla_.PonerRotulo(Rotulo::Segundos, Formato00(e_.TiempoRestante));
    pantalla_.Objetivo(n.Numero + 1, n.Aciertos, static_cast<int>(e_.TiempoNivel));
}

void Juego::Empezar()
{
    panelVisible_ = false;
    pantalla_.MostrarPanelMensaje(false);
    relojActivo_ = true;
    pantalla_.ActivarReloj(true);
    nivelEnJuego_ = true;
    if (observador_)
        observador_->NivelEmpezado();
}

void Juego::TickReloj()
{
    if (!relojActivo_)
        return;  // a tick already queued when the clock was stopped
    // Subtract in double, keep in float: 20 s run out on tick 1000, 7 s on tick 351.
    e_.TiempoRestante = static_cast<float>(static_cast<double>(e_.TiempoRestante) - kIntervaloReloj / 1000.0);
    if (e_.TiempoRestante < 0)
        e_.TiempoRestante = 0;
    pantalla_.PonerRotulo(Rotulo::Segundos, Formato00(e_.TiempoRestante));
    pantalla_.AlturaBarra(Barra::Tiempo, e_.TiempoRestante / e_.TiempoNivel * kAlturaBarra);
    if (e_.TiempoRestante > 0)
        return;
    for (int i = 0; i < kNumCasillas; ++i) {
        const tCasilla &c = e_.Casillas[i];
        if (c.Visible && !c.Encontrada && c.EsAcierto())
            pantalla_.FondoEtiqueta(i, kRosaPerdida);
    }
    InformarNivel(FinNivel::TiempoAgotado);
    Retroceder(Aviso::TiempoAgotado);
}

void Juego::ClicEtiqueta(int i, bool teclado)
{
    if (i < 0 || i >= kNumCasillas)
        return;
    tCasilla &c = e_.Casillas[i];
    if (!c.Visible || c.Encontrada)
        return;
    if (observador_ && nivelEnJuego_)
        observador_->ClicJuzgado(tClic{i, c.Texto, c.Color, c.EsAcierto(), teclado});
    if (!c.EsAcierto()) {
        InformarNivel(FinNivel::ClicErroneo);
        Retroceder(Aviso::Fallo);
        return;
    }
    sonido_.ReproducirSonido(kCuesAcierto[Aleatorio(0, 4)]);
    c.Encontrada = true;
    pantalla_.FondoEtiqueta(i, kNegro);
    ++encontrados_;
    pantalla_.PonerRotulo(Rotulo::Encontrados, std::to_string(encontrados_));
    const int objetivo = e_.NivelEnJuego.Aciertos;
    pantalla_.AlturaBarra(Barra::Encontrados, static_cast<float>(double(encontrados_) / objetivo * 73.0));
    if (encontrados_ != objetivo)
        return;

    PararReloj();
    // Points are the hundredths the seconds display shows, not the float behind it.
    const int32_t puntos = Centesimas(Formato00(e_.TiempoRestante));
    InformarNivel(FinNivel::Terminado, puntos);
    const float usado = e_.TiempoNivel - e_.TiempoRestante;
    const float porAcierto = usado / static_cast<float>(objetivo);
    Informe informe;
    informe.tipo = Aviso::NivelTerminado;
    informe.puntos = puntos;
    informe.usado = usado;
    informe.aciertos = objetivo;
    informe.porAcierto = porAcierto;
    pantalla_.Mensaje(informe);
    e_.PuntosNivel[e_.NivelActual] = Centesimas(Formato00(e_.TiempoRestante));
    AvanzarNivel();
}

void Juego::AvanzarNivel()
{
    if (e_.NivelActual < kUltimoNivel)
        PrepararNivel(e_.NivelActual + 1);
    else
        GanarPartida();
}

void Juego::GanarPartida()
{
    int32_t total = 0;
    for (int i = 0; i <= e_.NivelActual; ++i)
        total += e_.PuntosNivel[i];
    e_.PuntosTotales = total;
    InformarPartida(true);
    sonido_.ReproducirSonido(Senal::Victoria);
    Informe informe;
    informe.tipo = Aviso::Victoria;
    informe.puntos = total;
    pantalla_.Mensaje(informe);
    e_.PartidaGanada = true;
    pantalla_.PartidaGanadaCerrar();
}

void Juego::Retroceder(Aviso causa)
{
    PararReloj();
    sonido_.ReproducirSonido(kCuesFallo[Aleatorio(0, 2)]);
    Informe informe;
    informe.tipo = causa;
    int destino = e_.NivelActual - 2;
    informe.alPrimero = destino < 0;
    if (destino < 0)
        destino = 0;
    informe.nivelDestino = destino + 1;
    pantalla_.Mensaje(informe);
    PrepararNivel(destino);
}

void Juego::SaltarNivel(std::string_view respuesta)
{
    InformarNivel(FinNivel::SaltoNivel);
    PrepararNivel(NivelDeRespuesta(respuesta));
}

void Juego::Abandonar()
{
    InformarNivel(FinNivel::Abandono);
    InformarPartida(false);
}

void Juego::InformarNivel(FinNivel fin, int32_t puntos)
{
    if (!nivelEnJuego_)
        return;
    nivelEnJuego_ = false;
    if (!observador_)
        return;
    tResultadoNivel r;
    r.Dificultad = static_cast<int>(std::lround(e_.DificultadActual));
    r.Nivel = e_.NivelActual + 1;
    r.SegundosPermitidos = e_.TiempoNivel;
    r.SegundosUsados = e_.TiempoNivel - e_.TiempoRestante;
    r.Encontrados = encontrados_;
    r.Necesarios = e_.NivelEnJuego.Aciertos;
    r.Puntos = puntos;
    r.Fin = fin;
    r.Colores = e_.NivelEnJuego.Colores;
    r.Palabras = e_.NivelEnJuego.Etiquetas;
    observador_->NivelTerminado(r);
}

void Juego::InformarPartida(bool ganada)
{
    if (partidaInformada_)
        return;
    partidaInformada_ = true;
    if (!observador_)
        return;
    tResultadoPartida r;
    r.Dificultad = static_cast<int>(std::lround(e_.DificultadActual));
    r.NivelMaximo = nivelMaximo_ + 1;
    // Entries from the level in play upwards are 0, except the last level's once won:
    // the sum is the score on screen, or the winning total.
    r.Total = std::accumulate(e_.PuntosNivel.begin(), e_.PuntosNivel.end(), 0);
    r.Ganada = ganada;
    r.Relajada = e_.PartidaRelajada;
    observador_->PartidaTerminada(r);
}

void Juego::TickAnimacion()
{
    // Stillness asked for, or the game paused: the squares stand steady, none lit.
    if (destelloTranquilo_ || pausado_) {
        if (cuadrosEncendidos_) {
            for (int fila = 0; fila < kNumColores; ++fila)
                pantalla_.IluminarCuadros(fila, false);
            cuadrosEncendidos_ = false;
        }
        return;
    }
    cuadrosEncendidos_ = true;
    const int s = e_.PasoAnimacion;
    pantalla_.IluminarCuadros(s, true);
    pantalla_.IluminarCuadros(s >= 7 ? 0 : s + 1, false);
    e_.PasoAnimacion = static_cast<int16_t>(s - 1 < 0 ? 7 : s - 1);
}

void Juego::TickDestello()
{
    if (pausado_ || e_.TiempoRestante >= 5)
        return;
    const int32_t tono = e_.TiempoRestante < 2 ? kRojo : kRojoClaro;
    if (destelloTranquilo_) {
        if (colorFondo_ == tono)
            return;
        colorFondo_ = tono;
    } else if (colorFondo_ == kBlanco) {
        colorFondo_ = tono;
    } else {
        colorFondo_ = kBlanco;
    }
    pantalla_.FondoVentana(colorFondo_);
}

void Juego::Pausar()
{
    if (!relojActivo_)
        return;  // only a level in play pauses
    PararReloj();
    pausado_ = true;
    if (observador_ && nivelEnJuego_)
        observador_->PausaCambiada(true);
    // Nothing blinks behind the pause; the flash takes up again with play.
    colorFondo_ = kBlanco;
    pantalla_.FondoVentana(kBlanco);
    pantalla_.MostrarPausa(true);
}

void Juego::Reanudar()
{
    if (!pausado_)
        return;
    pausado_ = false;
    if (observador_ && nivelEnJuego_)
        observador_->PausaCambiada(false);
    pantalla_.MostrarPausa(false);
    relojActivo_ = true;
    pantalla_.ActivarReloj(true);
}
