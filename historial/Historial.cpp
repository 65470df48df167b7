#include "Historial.h"

#include <QTimer>

Historial::Historial(QString ruta, QObject *padre) : QObject(padre), almacen_(std::move(ruta)) { }

Historial::~Historial() { Escribir(); }

void Historial::PartidaEmpezada() { Anotar(Empezada{}); }

void Historial::NivelTerminado(const tResultadoNivel &r)
{
    Anotar(NivelConClics{r, std::move(clics_)});
    clics_.clear();
}

void Historial::NivelEmpezado()
{
    reloj_.start();
    pausado_ = 0;
    pausaDesde_ = -1;
    ultimoClic_ = 0;
    clics_.clear();
}

void Historial::PausaCambiada(bool enPausa)
{
    if (!reloj_.isValid())
        return;
    if (enPausa && pausaDesde_ < 0) {
        pausaDesde_ = reloj_.elapsed();
    } else if (!enPausa && pausaDesde_ >= 0) {
        pausado_ += reloj_.elapsed() - pausaDesde_;
        pausaDesde_ = -1;
    }
}

void Historial::ClicJuzgado(const tClic &c)
{
    if (!reloj_.isValid())
        return;
    // Stamped here, as the rules judge the click: the game clock's 20 ms ticks are too coarse.
    const qint64 ahora = reloj_.elapsed() - pausado_;
    clics_.push_back({c, ahora, ahora - ultimoClic_});
    ultimoClic_ = ahora;
}

void Historial::PartidaTerminada(const tResultadoPartida &r) { Anotar(r); }

bool Historial::Apagado() const
{
    const EstadoAlmacen e = almacen_.Estado();
    return e != EstadoAlmacen::Cerrado && e != EstadoAlmacen::Abierto;
}

void Historial::Anotar(Suceso s)
{
    if (Apagado())
        return;
    pendientes_.push_back({QDateTime::currentDateTimeUtc(), std::move(s)});
    if (!programado_) {
        programado_ = true;
        QTimer::singleShot(0, this, &Historial::Escribir);
    }
}

bool Historial::GuardarChequeo(bool tintasSeguras, const std::vector<tEnsayo> &ensayos)
{
    if (Apagado())
        return false;
    // Through the waiting records: a busy or damaged file is handled as for a level.
    pendientes_.push_back({QDateTime::currentDateTime(), ChequeoHecho{tintasSeguras, ensayos}});
    Escribir();
    return almacen_.Activo() && pendientes_.empty();
}

std::vector<tChequeoGuardado> Historial::Chequeos()
{
    Escribir();
    AlmacenHistorial *almacen = Almacen();
    return almacen ? almacen->LeerChequeos() : std::vector<tChequeoGuardado>{};
}

bool Historial::Vaciar()
{
    pendientes_.clear();
    partida_.reset();
    return almacen_.Vaciar();
}

AlmacenHistorial *Historial::Almacen()
{
    almacen_.Abrir();
    return almacen_.Activo() ? &almacen_ : nullptr;
}

void Historial::Escribir()
{
    programado_ = false;
    if (pendientes_.empty())
        return;
    std::vector<Pendiente> lote;
    lote.swap(pendientes_);
    // Another copy held the file past the wait: the batch goes out with the next one.
    const auto guardarParaLuego = [this, &lote] {
        lote.insert(lote.end(), std::make_move_iterator(pendientes_.begin()),
            std::make_move_iterator(pendientes_.end()));
        pendientes_.swap(lote);
    };
    if (!Almacen()) {
        if (almacen_.Ocupado() && almacen_.Estado() == EstadoAlmacen::Cerrado)
            guardarParaLuego();
        return;
    }
    // One transaction for the batch; a file found damaged is replaced by the store, and
    // the batch goes into the new one.
    for (int intento = 0; intento < 2; ++intento) {
        const std::optional<qint64> partida = partida_;
        const QDateTime inicio = inicioPartida_;
        const QString apartado = almacen_.ArchivoApartado();
        bool ok = almacen_.Empezar();
        for (const Pendiente &p : lote)
            ok = ok && EscribirUno(p);
        if (ok && almacen_.Confirmar())
            return;
        if (!almacen_.Activo())
            return;
        if (almacen_.Ocupado()) {
            partida_ = partida;
            inicioPartida_ = inicio;
            guardarParaLuego();
            return;
        }
        // A new file has no row for the game under way: the batch's first level makes one.
        partida_ = almacen_.ArchivoApartado() == apartado ? partida : std::nullopt;
    }
}

bool Historial::EscribirUno(const Pendiente &p)
{
    if (std::holds_alternative<Empezada>(p.suceso)) {
        inicioPartida_ = p.momento;
        partida_.reset();
        return true;
    }
    if (const auto *n = std::get_if<NivelConClics>(&p.suceso)) {
        if (!partida_) {
            // A game is kept from its first level played: one left before START is not.
            partida_ = almacen_.EmpezarPartida(
                inicioPartida_.isValid() ? inicioPartida_ : p.momento, n->nivel.Dificultad);
            if (!partida_)
                return false;
        }
        return almacen_.GuardarNivel(*partida_, p.momento, n->nivel, n->clics);
    }
    if (const auto *c = std::get_if<ChequeoHecho>(&p.suceso))
        return almacen_.GuardarChequeo(p.momento, c->tintasSeguras, c->ensayos).has_value();
    const auto &fin = std::get<tResultadoPartida>(p.suceso);
    if (!partida_)
        return true;
    const bool ok = almacen_.TerminarPartida(*partida_, p.momento, fin);
    if (ok)
        partida_.reset();
    return ok;
}
