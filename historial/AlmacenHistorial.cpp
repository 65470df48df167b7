#include "AlmacenHistorial.h"

#include "Dificultad.h"
#include "Esquema.h"
#include "Paleta.h"
#include "Rescate.h"
#include "ResultadoChequeo.h"
#include "Tropiezos.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>
#include <atomic>
#include <map>

namespace {
// SQLite's primary result codes, as Qt passes them on in nativeErrorCode().
constexpr int kOcupado = 5, kBloqueado = 6, kSoloLectura = 8, kDanado = 11, kNoEsBaseDatos = 26;

// A write takes a fraction of a millisecond: this much waiting outlasts another copy's.
constexpr int kEsperaOcupadoMs = 50;
// Busy failures in a row that turn the history off: past this, the lock is not a moment's.
constexpr int kOcupadasMaximas = 3;

const char *const kFinales[] = {"finished", "wrong_click", "time_over", "level_jump", "left"};

QString Momento(const QDateTime &t) { return t.toUTC().toString(Qt::ISODateWithMs); }

int Codigo(const QSqlError &e) { return e.nativeErrorCode().toInt() & 0xFF; }

// One CSV line as RFC 4180 has it. Text another program put in the file may hold anything,
// so a field a spreadsheet would take for a formula is made plain text first; a whole
// number is no formula, and a code of -1 stays a number.
QByteArray FilaCSV(const QStringList &campos)
{
    QStringList salida;
    for (QString c : campos) {
        bool numero = false;
        c.toLongLong(&numero);
        if (!c.isEmpty() && QStringLiteral("=+-@").contains(c.front()) && !numero)
            c.prepend(u'\'');
        if (c.contains(u',') || c.contains(u'"') || c.contains(u'\r') || c.contains(u'\n'))
            c = u'"' + c.replace(u'"', QStringLiteral("\"\"")) + u'"';
        salida << c;
    }
    return salida.join(u',').toUtf8();
}

QString NuevaConexion()
{
    static std::atomic<int> siguiente{0};
    return QStringLiteral("velunda_historial_%1").arg(siguiente++);
}
}  // namespace

AlmacenHistorial::AlmacenHistorial(QString ruta) : ruta_(std::move(ruta)), conexion_(NuevaConexion()) { }

AlmacenHistorial::~AlmacenHistorial() { Cerrar(); }

void AlmacenHistorial::Cerrar()
{
    if (QSqlDatabase::contains(conexion_)) {
        QSqlDatabase::database(conexion_, false).close();
        QSqlDatabase::removeDatabase(conexion_);
    }
}

bool AlmacenHistorial::Abrir()
{
    if (estado_ != EstadoAlmacen::Cerrado)
        return Activo();
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        estado_ = EstadoAlmacen::SinControlador;  // the file may be fine: nothing to open it with
        return false;
    }
    if (ruta_ != QLatin1String(":memory:")) {
        const QFileInfo archivo(ruta_);
        if (!QDir().mkpath(archivo.absolutePath()) || (archivo.exists() && !archivo.isFile())) {
            estado_ = EstadoAlmacen::Inaccesible;
            return false;
        }
        // SQLite would quietly open such a file read-only; the journal needs the folder too.
        if ((archivo.exists() && !archivo.isWritable()) || !QFileInfo(archivo.absolutePath()).isWritable()) {
            estado_ = EstadoAlmacen::SoloLectura;
            return false;
        }
    }
    if (AbrirConexion())
        return true;
    return false;
}

bool AlmacenHistorial::AbrirConexion()
{
    QSqlError error;
    bool abierta = false, nueva = false;
    {
        // Every handle on the connection goes out of scope before Cerrar() removes it.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), conexion_);
        db.setDatabaseName(ruta_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kEsperaOcupadoMs));
        abierta = db.open();
        int version = 0;
        if (abierta) {
            QSqlQuery q(db);
            // The first read of the file: a file that is not a database fails here. WAL with
            // normal syncing: a commit costs no flush to disk, and a crash loses at most the
            // last level, never the file.
            if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
                error = q.lastError();
            else if ((version = q.value(0).toInt()) > VersionEsquema())
                nueva = true;
            else if (!q.exec(QStringLiteral("PRAGMA journal_mode = WAL"))
                || !q.exec(QStringLiteral("PRAGMA synchronous = NORMAL")))
                error = q.lastError();
        }
        if (abierta && !nueva && !error.isValid() && !MigrarEsquema(db, version, &error) && !error.isValid())
            error = db.lastError();
    }
    if (!abierta || nueva) {
        estado_ = nueva ? EstadoAlmacen::VersionNueva
                        : EstadoAlmacen::Inaccesible;  // a newer file is left as it is
        Cerrar();
        return false;
    }
    estado_ = EstadoAlmacen::Abierto;
    if (!error.isValid())
        return true;
    const bool otraVez = Fallo(error);
    if (Ocupado() && Activo()) {
        Cerrar();  // opened again, layout and all, at the next write
        estado_ = EstadoAlmacen::Cerrado;
    }
    return otraVez && Activo();
}

bool AlmacenHistorial::Fallo(const QSqlError &error)
{
    const int codigo = Codigo(error);
    if (codigo == kOcupado || codigo == kBloqueado) {
        if (++ocupadas_ < kOcupadasMaximas) {
            QSqlDatabase::database(conexion_, false).rollback();  // the caller keeps the records
            return false;
        }
        estado_ = EstadoAlmacen::Bloqueado;
        Cerrar();
        return false;
    }
    ocupadas_ = 0;
    switch (codigo) {
    case kSoloLectura:
        estado_ = EstadoAlmacen::SoloLectura;
        break;
    case kDanado:
    case kNoEsBaseDatos:
        if (apartado_.isEmpty() && MoverAparte())
            return true;
        estado_ = EstadoAlmacen::Inaccesible;
        break;
    default:
        estado_ = EstadoAlmacen::Inaccesible;
        break;
    }
    Cerrar();
    return false;
}

bool AlmacenHistorial::MoverAparte()
{
    Cerrar();
    if (ruta_ == QLatin1String(":memory:"))
        return false;
    // Kept, not deleted: the player (or a tool) may still recover something from it.
    const QString destino = ruta_ + QStringLiteral(".bad-")
        + QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMddTHHmmss"));
    if (!QFile::rename(ruta_, destino))
        return false;
    for (const char *extra : {"-wal", "-shm"})
        QFile::rename(ruta_ + QLatin1String(extra), destino + QLatin1String(extra));
    apartado_ = destino;
    estado_ = EstadoAlmacen::Cerrado;
    if (!AbrirConexion())
        return false;
    QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    RescatarHistorial(db, destino);
    return true;
}

bool AlmacenHistorial::Empezar()
{
    return Activo() && QSqlDatabase::database(conexion_, false).transaction();
}

bool AlmacenHistorial::Confirmar()
{
    if (!Activo())
        return false;
    QSqlDatabase db = QSqlDatabase::database(conexion_, false);
    if (db.commit()) {
        ocupadas_ = 0;
        return true;
    }
    const QSqlError error = db.lastError();
    db.rollback();
    Fallo(error);
    return false;
}

bool AlmacenHistorial::Vaciar()
{
    if (!Abrir() || !Empezar())
        return false;
    QSqlError error;
    {
        QSqlQuery q(QSqlDatabase::database(conexion_, false));
        for (const char *sql : {"DELETE FROM clics", "DELETE FROM resumen_fallos",
                 "DELETE FROM resumen_ritmo", "DELETE FROM niveles", "DELETE FROM partidas",
                 "DELETE FROM resumen_niveles", "DELETE FROM ensayos", "DELETE FROM chequeos"})
            if (!q.exec(QString::fromLatin1(sql))) {
                error = q.lastError();
                break;
            }
    }
    if (error.isValid()) {
        QSqlDatabase::database(conexion_, false).rollback();
        Fallo(error);
        return false;
    }
    if (!Confirmar())
        return false;
    // On a shared computer the next player should not find the old rows in the file's free
    // pages either; a failure here leaves an empty history all the same.
    QSqlQuery(QSqlDatabase::database(conexion_, false)).exec(QStringLiteral("VACUUM"));
    return true;
}

std::optional<qint64> AlmacenHistorial::EmpezarPartida(const QDateTime &inicio, int dificultad)
{
    if (!Activo())
        return std::nullopt;
    QSqlError error;
    {
        QSqlQuery q(QSqlDatabase::database(conexion_, false));
        q.prepare(QStringLiteral("INSERT INTO partidas (inicio, dificultad, nivel_maximo) VALUES (?, ?, 1)"));
        q.addBindValue(Momento(inicio));
        q.addBindValue(dificultad);
        if (q.exec())
            return q.lastInsertId().toLongLong();
        error = q.lastError();
    }
    Fallo(error);
    return std::nullopt;
}

bool AlmacenHistorial::GuardarNivel(
    qint64 partida, const QDateTime &fin, const tResultadoNivel &r, const std::vector<tClicMedido> &clics)
{
    if (!Activo())
        return false;
    QSqlError error;
    {
        QSqlQuery q(QSqlDatabase::database(conexion_, false));
        q.prepare(
            QStringLiteral("INSERT INTO niveles (partida, fin, dificultad, nivel, segundos_permitidos,"
                           " segundos_usados, encontrados, necesarios, puntos, final, colores, palabras)"
                           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
        // A level from a caller that does not know its board keeps null, as the old levels.
        const auto oNulo = [](int n) { return n > 0 ? QVariant(n) : QVariant(QMetaType(QMetaType::Int)); };
        for (const QVariant &v : {QVariant(partida), QVariant(Momento(fin)), QVariant(r.Dificultad),
                 QVariant(r.Nivel), QVariant(double(r.SegundosPermitidos)),
                 QVariant(double(r.SegundosUsados)), QVariant(r.Encontrados), QVariant(r.Necesarios),
                 QVariant(r.Puntos), QVariant(QString::fromLatin1(kFinales[static_cast<int>(r.Fin)])),
                 oNulo(r.Colores), oNulo(r.Palabras)})
            q.addBindValue(v);
        bool ok = q.exec();
        const qint64 nivel = q.lastInsertId().toLongLong();
        if (ok && !clics.empty()) {
            q.prepare(QStringLiteral("INSERT INTO clics (nivel, casilla, palabra, tinta, acierto, ms_inicio,"
                                     " ms_anterior, teclado) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"));
            for (std::size_t i = 0; ok && i < clics.size(); ++i) {
                const tClicMedido &c = clics[i];
                for (const QVariant &v : {QVariant(nivel), QVariant(c.Clic.Casilla), QVariant(c.Clic.Palabra),
                         QVariant(c.Clic.Tinta), QVariant(c.Clic.Acierto ? 1 : 0),
                         QVariant(qint64(c.MsInicio)), QVariant(qint64(c.MsAnterior)),
                         QVariant(c.Clic.Teclado ? 1 : 0)})
                    q.addBindValue(v);
                ok = q.exec();
            }
        }
        if (ok) {
            // The game's row follows its levels, so a game cut short still shows how far it got.
            q.prepare(QStringLiteral("UPDATE partidas SET nivel_maximo = max(nivel_maximo, ?) WHERE id = ?"));
            q.addBindValue(r.Nivel);
            q.addBindValue(partida);
            ok = q.exec();
        }
        if (ok)
            return true;
        error = q.lastError();
    }
    Fallo(error);
    return false;
}

bool AlmacenHistorial::TerminarPartida(qint64 partida, const QDateTime &fin, const tResultadoPartida &r)
{
    if (!Activo())
        return false;
    QSqlError error;
    {
        QSqlQuery q(QSqlDatabase::database(conexion_, false));
        q.prepare(
            QStringLiteral("UPDATE partidas SET fin = ?, nivel_maximo = max(nivel_maximo, ?), total = ?,"
                           " ganada = ?, relajada = ? WHERE id = ?"));
        q.addBindValue(Momento(fin));
        q.addBindValue(r.NivelMaximo);
        q.addBindValue(r.Total);
        q.addBindValue(r.Ganada ? 1 : 0);
        q.addBindValue(r.Relajada ? 1 : 0);
        q.addBindValue(partida);
        if (q.exec())
            return true;
        error = q.lastError();
    }
    Fallo(error);
    return false;
}

std::optional<qint64> AlmacenHistorial::GuardarChequeo(
    const QDateTime &fin, bool tintasSeguras, const std::vector<tEnsayo> &ensayos)
{
    if (!Activo())
        return std::nullopt;
    const tResultadoChequeo r = CalcularResultado(ensayos);
    QSqlError error;
    {
        QSqlQuery q(QSqlDatabase::database(conexion_, false));
        // A savepoint: a transaction of its own, or a part of the caller's batch. On a failure
        // Fallo() rolls back or closes the file, which ends either.
        bool ok = q.exec(QStringLiteral("SAVEPOINT chequeo"));
        qint64 id = 0;
        if (ok) {
            q.prepare(QStringLiteral(
                "INSERT INTO chequeos (fin, tintas_seguras, interferencia, mediana_congruente,"
                " mediana_incongruente, mediana_neutra, error_congruente, error_incongruente, error_neutra,"
                " conservados, anticipaciones, sin_respuesta) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            const auto oNulo = [](const std::optional<double> &v) {
                return v ? QVariant(*v) : QVariant(QMetaType(QMetaType::Double));
            };
            const tCondicionChequeo &con = r.De(Condicion::Congruente), &inc = r.De(Condicion::Incongruente),
                                    &neu = r.De(Condicion::Neutra);
            for (const QVariant &v : {QVariant(Momento(fin)), QVariant(tintasSeguras ? 1 : 0),
                     oNulo(r.interferencia), oNulo(con.mediana), oNulo(inc.mediana), oNulo(neu.mediana),
                     QVariant(con.TasaError()), QVariant(inc.TasaError()), QVariant(neu.TasaError()),
                     QVariant(r.conservados), QVariant(r.anticipaciones), QVariant(r.sinRespuesta)})
                q.addBindValue(v);
            ok = q.exec();
            id = q.lastInsertId().toLongLong();
        }
        if (ok && !ensayos.empty()) {
            q.prepare(
                QStringLiteral("INSERT INTO ensayos (chequeo, orden, practica, condicion, palabra, tinta,"
                               " respuesta, ms, conservado) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
            for (std::size_t i = 0; ok && i < ensayos.size(); ++i) {
                const tEnsayo &e = ensayos[i];
                for (const QVariant &v : {QVariant(id), QVariant(int(i)), QVariant(e.practica ? 1 : 0),
                         QVariant(QString::fromLatin1(NombreCondicion(e.condicion))), QVariant(e.palabra),
                         QVariant(e.tinta), QVariant(e.respuesta), QVariant(e.ms),
                         QVariant(e.Conservado() ? 1 : 0)})
                    q.addBindValue(v);
                ok = q.exec();
            }
        }
        if (ok && q.exec(QStringLiteral("RELEASE chequeo")))
            return id;
        error = q.lastError();
    }
    Fallo(error);
    return std::nullopt;
}

template <typename T> T AlmacenHistorial::LeerTodo(void (AlmacenHistorial::*leerEn)(T &, QSqlError &))
{
    T res{};
    if (!Activo())
        return res;
    QSqlError error;
    (this->*leerEn)(res, error);
    if (!error.isValid())
        return res;
    // A damaged file is replaced by one holding what could be read: that is what is shown.
    if (Fallo(error) && Activo()) {
        res = {};
        error = {};
        (this->*leerEn)(res, error);
        if (!error.isValid())
            return res;
        Fallo(error);
    }
    return {};
}

tResumenHistorial AlmacenHistorial::Leer() { return LeerTodo(&AlmacenHistorial::LeerEn); }

std::vector<tChequeoGuardado> AlmacenHistorial::LeerChequeos()
{
    return LeerTodo(&AlmacenHistorial::LeerChequeosEn);
}

void AlmacenHistorial::LeerChequeosEn(std::vector<tChequeoGuardado> &res, QSqlError &error)
{
    QSqlQuery q(QSqlDatabase::database(conexion_, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral(
            "SELECT id, fin, tintas_seguras, interferencia, mediana_congruente, mediana_incongruente,"
            " mediana_neutra, error_congruente, error_incongruente, error_neutra, conservados,"
            " anticipaciones, sin_respuesta FROM chequeos ORDER BY id"))) {
        error = q.lastError();
        return;
    }
    const auto oNada = [&q](int i) {
        return q.value(i).isNull() ? std::nullopt : std::optional<double>(q.value(i).toDouble());
    };
    while (q.next())
        res.push_back({q.value(0).toLongLong(),
            QDateTime::fromString(q.value(1).toString(), Qt::ISODateWithMs), q.value(2).toInt() != 0,
            oNada(3), oNada(4), oNada(5), oNada(6), q.value(7).toDouble(), q.value(8).toDouble(),
            q.value(9).toDouble(), q.value(10).toInt(), q.value(11).toInt(), q.value(12).toInt()});
    if (q.lastError().isValid())
        error = q.lastError();  // stopped short of the last row
}

void AlmacenHistorial::LeerEn(tResumenHistorial &res, QSqlError &error)
{
    QSqlQuery q(QSqlDatabase::database(conexion_, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT dificultad, nivel_maximo, relajada FROM partidas ORDER BY id"))) {
        error = q.lastError();
        return;
    }
    // A loop that stops on an error has not read every row: the error is the result.
    while (q.next())
        res.Partidas.push_back({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt() != 0});
    if (q.lastError().isValid()) {
        error = q.lastError();
        return;
    }
    // A relaxed game has ten times the time: it never counts as the best.
    if (!q.exec(QStringLiteral("SELECT coalesce(max(total), 0) FROM partidas WHERE relajada = 0"))
        || !q.next()) {
        error = q.lastError();
        return;
    }
    res.MejorTotal = q.value(0).toInt();
    res.PartidasJugadas = static_cast<int>(res.Partidas.size());

    if (!q.exec(
            QStringLiteral("SELECT nivel, final, veces, segundos_usados, suma_por_acierto, mejor_por_acierto"
                           " FROM resumen_niveles"))) {
        error = q.lastError();
        return;
    }
    while (q.next()) {
        const int nivel = q.value(0).toInt();
        const QString final = q.value(1).toString();
        const int veces = q.value(2).toInt();
        res.SegundosJugados += q.value(3).toDouble();
        if (final == QLatin1String(kFinales[int(FinNivel::ClicErroneo)]))
            res.ClicsErroneos += veces;
        else if (final == QLatin1String(kFinales[int(FinNivel::TiempoAgotado)]))
            res.TiemposAgotados += veces;
        else if (final == QLatin1String(kFinales[int(FinNivel::Terminado)]) && nivel >= 1
            && nivel <= kNivelesHistorial) {
            res.NivelesSuperados += veces;
            tMarcaNivel &m = res.Niveles[nivel - 1];
            m.Veces = veces;
            m.Media = q.value(4).toDouble() / veces;
            m.Mejor = q.value(5).toDouble();
        }
    }
    if (q.lastError().isValid()) {
        error = q.lastError();
        return;
    }
    LeerTropiezosEn(res, error);
}

void AlmacenHistorial::LeerTropiezosEn(tResumenHistorial &res, QSqlError &error)
{
    QSqlQuery q(QSqlDatabase::database(conexion_, false));
    q.setForwardOnly(true);
    const auto fallo = [&] {
        error = q.lastError();
        return error.isValid();
    };
    if (!q.exec(QStringLiteral("SELECT dificultad, count(*), max(total), max(nivel_maximo) FROM partidas"
                               " GROUP BY dificultad")))
        return void(fallo());
    while (q.next()) {
        const int d = q.value(0).toInt();
        if (d >= 0 && d < kDificultadesHistorial)
            res.Mejores[d] = {q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt()};
    }
    if (fallo() || !q.exec(QStringLiteral("SELECT palabra, tinta, veces FROM resumen_fallos")))
        return void(fallo());
    while (q.next()) {
        const int p = q.value(0).toInt(), t = q.value(1).toInt();
        if (p >= 0 && p < kNumColores && t >= 0 && t < kNumColores) {
            res.Fallos[p][t] = q.value(2).toInt();
            res.FallosAnotados += res.Fallos[p][t];
        }
    }
    // Buckets by axis (0 colours, 1 words) and value, over every game and over the last ten.
    std::array<std::map<int, std::map<int, int64_t>>, 2> todas, recientes;
    if (fallo() || !q.exec(QStringLiteral("SELECT eje, valor, cubo, veces FROM resumen_ritmo")))
        return void(fallo());
    while (q.next())
        if (const int eje = q.value(0).toInt(); eje == 0 || eje == 1)
            todas[eje][q.value(1).toInt()][q.value(2).toInt()] += q.value(3).toLongLong();
    if (fallo()
        || !q.exec(
            QStringLiteral("SELECT n.colores, n.palabras, c.ms_anterior FROM clics c"
                           " JOIN niveles n ON n.id = c.nivel WHERE c.acierto = 1 AND n.colores IS NOT NULL"
                           " AND n.partida IN (SELECT id FROM partidas ORDER BY id DESC LIMIT 10)")))
        return void(fallo());
    while (q.next()) {
        const int cubo = CuboMs(q.value(2).toLongLong());
        ++recientes[0][q.value(0).toInt()][cubo];
        ++recientes[1][q.value(1).toInt()][cubo];
    }
    if (fallo())
        return;
    const auto puntos = [](const std::map<int, std::map<int, int64_t>> &m) {
        std::vector<tPuntoRitmo> v;
        for (const auto &[valor, cubos] : m) {
            int64_t veces = 0;
            for (const auto &c : cubos)
                veces += c.second;
            v.push_back({valor, MedianaCubos(cubos), static_cast<int>(veces)});
        }
        return v;
    };
    res.RitmoColores = puntos(todas[0]);
    res.RitmoPalabras = puntos(todas[1]);
    res.RitmoColoresRecientes = puntos(recientes[0]);
    res.RitmoPalabrasRecientes = puntos(recientes[1]);
}

namespace {
// The column names, the difficulty's and the colours' names stay English in every language,
// so a spreadsheet or script made for one file reads the next.
const char kCabeceraNiveles[]
    = "game,game_started,level_ended,difficulty,difficulty_code,level,seconds_allowed,"
      "seconds_used,matches_found,matches_needed,points,outcome,game_highest_level,"
      "game_total,game_won,game_relaxed\r\n";
const char kCabeceraClics[]
    = "game,level_row,level,difficulty,difficulty_code,cell,word,word_code,ink,ink_code,"
      "correct,ms_since_start,ms_since_previous,keyboard\r\n";
// A check-up trial's word is empty for the row of X's (word_code -1), its answer empty for
// none in time (answer_code -1); trial_order counts from 0, practice included.
const char kCabeceraChequeos[]
    = "checkup,checkup_ended,inks,trial_order,practice,condition,word,word_code,ink,ink_code,"
      "answer,answer_code,correct,ms,kept\r\n";

QString SiNo(const QVariant &v) { return v.toInt() ? QStringLiteral("yes") : QStringLiteral("no"); }

QString Color(const QVariant &v)
{
    const int i = v.toInt();
    return i >= 0 && i < kNumColores ? QString::fromLatin1(kPaleta[static_cast<std::size_t>(i)].nombre)
                                     : QString();
}

QStringList CamposNivel(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
        QString::fromLatin1(NombreDificultad(q.value(3).toInt())), q.value(3).toString(),
        q.value(4).toString(), QString::number(q.value(5).toDouble(), 'f', 2),
        QString::number(q.value(6).toDouble(), 'f', 2), q.value(7).toString(), q.value(8).toString(),
        q.value(9).toString(), q.value(10).toString(), q.value(11).toString(), q.value(12).toString(),
        SiNo(q.value(13)), SiNo(q.value(14))};
}

QStringList CamposClic(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(), q.value(2).toString(),
        QString::fromLatin1(NombreDificultad(q.value(3).toInt())), q.value(3).toString(),
        q.value(4).toString(), Color(q.value(5)), q.value(5).toString(), Color(q.value(6)),
        q.value(6).toString(), SiNo(q.value(7)), q.value(8).toString(), q.value(9).toString(),
        SiNo(q.value(10))};
}

QStringList CamposEnsayo(const QSqlQuery &q)
{
    return {q.value(0).toString(), q.value(1).toString(),
        q.value(2).toInt() ? QStringLiteral("safe") : QStringLiteral("standard"), q.value(3).toString(),
        SiNo(q.value(4)), q.value(5).toString(), Color(q.value(6)), q.value(6).toString(), Color(q.value(7)),
        q.value(7).toString(), Color(q.value(8)), q.value(8).toString(), SiNo(q.value(9)),
        q.value(10).toString(), SiNo(q.value(11))};
}

// Each export's header, query and fields, in the order of Exportacion.
struct tFormaCSV {
    const char *cabecera;
    const char *consulta;
    QStringList (*campos)(const QSqlQuery &);
};
const tFormaCSV kFormasCSV[] = {
    {kCabeceraNiveles,
        "SELECT n.partida, p.inicio, n.fin, n.dificultad, n.nivel, n.segundos_permitidos,"
        " n.segundos_usados, n.encontrados, n.necesarios, n.puntos, n.final,"
        " p.nivel_maximo, p.total, p.ganada, p.relajada"
        " FROM niveles n JOIN partidas p ON p.id = n.partida ORDER BY n.id",
        CamposNivel},
    {kCabeceraClics,
        "SELECT n.partida, n.id, n.nivel, n.dificultad, c.casilla, c.palabra, c.tinta,"
        " c.acierto, c.ms_inicio, c.ms_anterior, c.teclado"
        " FROM clics c JOIN niveles n ON n.id = c.nivel ORDER BY c.id",
        CamposClic},
    {kCabeceraChequeos,
        "SELECT c.id, c.fin, c.tintas_seguras, e.orden, e.practica, e.condicion, e.palabra, e.tinta,"
        " e.respuesta, e.respuesta = e.tinta, e.ms, e.conservado"
        " FROM ensayos e JOIN chequeos c ON c.id = e.chequeo ORDER BY e.id",
        CamposEnsayo},
};
}  // namespace

ResultadoExportacion AlmacenHistorial::ExportarCSV(const QString &archivo, Exportacion que)
{
    if (!Activo())
        return ResultadoExportacion::LecturaFallida;
    const tFormaCSV &forma = kFormasCSV[static_cast<int>(que)];
    QSqlError error;
    bool escrita = false;
    {
        QSqlQuery q(QSqlDatabase::database(conexion_, false));
        q.setForwardOnly(true);
        if (!q.exec(QString::fromLatin1(forma.consulta))) {
            error = q.lastError();
        } else {
            // Written as it is read (a long history of clicks is large); the file appears
            // only once every row is in it.
            QSaveFile salida(archivo);
            bool ok = salida.open(QIODevice::WriteOnly);
            ok = ok && salida.write(forma.cabecera) > 0;
            while (ok && q.next()) {
                const QByteArray fila = FilaCSV(forma.campos(q)) + "\r\n";
                ok = salida.write(fila) == fila.size();
            }
            if (q.lastError().isValid()) {
                error = q.lastError();  // a row could not be read: the file would be missing some
                salida.cancelWriting();
            }
            escrita = ok && !error.isValid() && salida.commit();
        }
    }
    if (error.isValid()) {
        Fallo(error);
        return ResultadoExportacion::LecturaFallida;
    }
    return escrita ? ResultadoExportacion::Hecha : ResultadoExportacion::EscrituraFallida;
}

QString RutaHistorial()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
        + QStringLiteral("/history.sqlite");
}
