// The title menu picture: the name VELUNDA in letter tiles, a board of colour words, and the
// menu choices, each painted inside the click area that the title menu lays over it.
#include "Arte.h"
#include "Estilo.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPainterPath>
#include <array>

namespace {
// The title menu's click areas (left, top, width, height). The two quit areas touch each
// other and are painted as one QUIT choice made of two tiles.
const QRectF ZonaJugar(544, 104, 185, 97);
const QRectF ZonaHOF(568, 232, 177, 81);
const QRectF ZonaAyuda(480, 336, 153, 65);
const QRectF ZonaSalir1(648, 368, 97, 41);
const QRectF ZonaSalir2(592, 408, 153, 65);
const QRectF ZonaWeb(224, 440, 297, 33);

// Tiles sit this far inside their area, so each is centred under it with room for a shadow.
constexpr qreal Margen = 4;
QRectF Dentro(const QRectF &zona) { return zona.adjusted(Margen, Margen, -Margen, -Margen); }

void DibujarFondo(QPainter &p)
{
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(TamanoTitulo)), AzulClaro);
    // The game screen's side strips and colour squares, as a frame on the left.
    p.fillRect(QRectF(8, 0, 9, TamanoTitulo.height()), Melocoton);
    p.fillRect(QRectF(48, 0, 9, TamanoTitulo.height()), Melocoton);
    for (int i = 0; i < ColoresPaleta; ++i)
        p.fillRect(QRectF(24, 20 + 60 * i, 17, 17), ColorPaleta(i));
    // Peach shelf under the name, like the strip under the game screen's score.
    p.fillRect(QRectF(72, 94, 464, 17), Melocoton);
}

void DibujarNombre(QPainter &p)
{
    const QString nombre = QStringLiteral("VELUNDA");
    constexpr std::array<int, 7> tintas{0, 1, 2, 7, 4, 6, 5};  // a different colour each
    constexpr std::array<qreal, 7> giros{-4, 3, -2, 4, -3, 2, -4};
    constexpr qreal ancho = 58, alto = 66, paso = 66, izquierda = 76, arriba = 18;
    const QFont fuente = FuenteArte(54);
    for (int i = 0; i < nombre.size(); ++i) {
        const QRectF tesela(izquierda + paso * i, arriba, ancho, alto);
        p.save();
        p.translate(tesela.center());
        p.rotate(giros[static_cast<std::size_t>(i)]);
        const QRectF local(-ancho / 2, -alto / 2, ancho, alto);
        DibujarBoton(p, local);
        DibujarTextoContorno(p, local, nombre.mid(i, 1), fuente,
            ColorPaleta(tintas[static_cast<std::size_t>(i)]), TintaOscura, 1.6);
        p.restore();
    }
    //: The title menu's motto, on a strip 464 x 17 px (bold, shrinks to fit).
    const QString lema = QCoreApplication::translate("Titulo", "CLICK THE WORDS THAT MATCH THEIR COLOR");
    const QRectF tira(72, 94, 464, 17);
    DibujarTextoContorno(p, tira, lema, FuenteQueCabe(lema, tira.size(), 13), TintaOscura);
}

// A board of word tiles like the game's grid: mostly words in the wrong colour, a few
// matches already found (black), one still waiting, some cells left empty.
void DibujarTablero(QPainter &p)
{
    enum : int { R, G, B, Br, Pk, Y, C, O, Hueco };
    struct Celda {
        int texto, color;
        bool encontrada;
    };
    constexpr std::array<Celda, 24> celdas{{
        {G, B, false},
        {C, Y, false},
        {Br, R, false},
        {R, Br, false},
        {Hueco, 0, 0},
        {B, G, false},
        {O, Pk, false},
        {R, R, true},
        {G, B, false},
        {Hueco, 0, 0},
        {Br, R, false},
        {Pk, O, false},
        {Y, C, false},
        {B, G, false},
        {O, O, false},
        {Pk, O, false},
        {G, G, true},
        {B, Pk, false},
        {Br, R, false},
        {R, Br, false},
        {Y, C, false},
        {B, G, false},
        {Hueco, 0, 0},
        {Y, Y, true},
    }};
    constexpr qreal ancho = 122, alto = 26, pasoX = 134, pasoY = 37, izquierda = 76, arriba = 128;
    QList<Tesela> teselas;
    for (std::size_t k = 0; k < celdas.size(); ++k) {
        const Celda &c = celdas[k];
        if (c.texto == Hueco)
            continue;
        const QRectF r(izquierda + pasoX * (k % 3), arriba + pasoY * (k / 3), ancho, alto);
        teselas.append({r, NombrePaleta(c.texto), ColorPaleta(c.color), c.encontrada});
    }
    DibujarTeselas(p, teselas);
}

// A choice: a raised tile, its word large and outlined, a short line under it.
void DibujarOpcion(
    QPainter &p, const QRectF &zona, const QString &palabra, const QColor &tinta, const QString &linea)
{
    const QRectF t = Dentro(zona);
    DibujarBoton(p, t);
    const qreal altoLinea = linea.isEmpty() ? 0 : qMin<qreal>(18, t.height() * 0.26);
    const QRectF cajaPalabra = t.adjusted(10, 6, -10, -6 - altoLinea);
    DibujarTextoContorno(
        p, cajaPalabra, palabra, FuenteQueCabe(palabra, cajaPalabra.size(), 60), tinta, TintaOscura, 1.4);
    if (!linea.isEmpty()) {
        const QRectF cajaLinea(t.left() + 8, t.bottom() - 6 - altoLinea, t.width() - 16, altoLinea);
        DibujarTextoContorno(p, cajaLinea, linea, FuenteQueCabe(linea, cajaLinea.size(), 12), TintaOscura);
    }
}

void DibujarPuntuaciones(QPainter &p)
{
    const QRectF t = Dentro(ZonaHOF);
    DibujarBoton(p, t);
    const QColor tinta = ColorPaleta(7);
    const QRectF arriba(t.left() + 10, t.top() + 6, t.width() - 20, t.height() / 2 - 6);
    const QRectF abajo(t.left() + 10, t.center().y(), t.width() - 20, t.height() / 2 - 6);
    //: The title menu's high-score choice: two lines of one size (the letters shrink to fit).
    const QStringList lineas = QCoreApplication::translate("Titulo", "HIGH\nSCORES").split(u'\n');
    const QString linea1 = lineas.value(0), linea2 = lineas.value(1);
    // One size for both lines, the one the wider line allows.
    const QFont f1 = FuenteQueCabe(linea1, arriba.size(), 40), f2 = FuenteQueCabe(linea2, abajo.size(), 40);
    const QFont fuente = f1.pixelSize() < f2.pixelSize() ? f1 : f2;
    DibujarTextoContorno(p, arriba, linea1, fuente, tinta, TintaOscura, 1.4);
    DibujarTextoContorno(p, abajo, linea2, fuente, tinta, TintaOscura, 1.4);
}

// A door standing open with an arrow leaving through it.
void DibujarPuerta(QPainter &p, const QRectF &r)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF marco(r.left(), r.top(), r.width() * 0.55, r.height());
    p.setPen(QPen(TintaOscura, 2));
    p.setBrush(QColor(60, 40, 20));
    p.drawRect(marco);
    QPainterPath hoja;  // the open leaf, seen at an angle
    hoja.moveTo(marco.topLeft());
    hoja.lineTo(marco.left() + marco.width() * 0.6, marco.top() + marco.height() * 0.12);
    hoja.lineTo(marco.left() + marco.width() * 0.6, marco.bottom() + marco.height() * 0.04);
    hoja.lineTo(marco.bottomLeft());
    hoja.closeSubpath();
    p.setBrush(ColorPaleta(3));
    p.drawPath(hoja);
    p.setPen(Qt::NoPen);
    p.setBrush(ColorPaleta(5));
    p.drawEllipse(QPointF(marco.left() + marco.width() * 0.48, marco.center().y()), 2, 2);

    QPainterPath flecha;  // pointing out of the door, to the right
    const qreal y = marco.center().y(), x0 = marco.center().x() + 2, x1 = r.right();
    const qreal punta = r.height() * 0.28;
    flecha.moveTo(x0, y - punta * 0.35);
    flecha.lineTo(x1 - punta, y - punta * 0.35);
    flecha.lineTo(x1 - punta, y - punta);
    flecha.lineTo(x1, y);
    flecha.lineTo(x1 - punta, y + punta);
    flecha.lineTo(x1 - punta, y + punta * 0.35);
    flecha.lineTo(x0, y + punta * 0.35);
    flecha.closeSubpath();
    p.setPen(QPen(TintaOscura, 1.5));
    p.setBrush(ColorPaleta(0));
    p.drawPath(flecha);
    p.restore();
}

void DibujarSalir(QPainter &p)
{
    // One peach plate under both quit tiles ties them into a single choice.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath placa;
    placa.addRoundedRect(ZonaSalir1.adjusted(1, 1, -1, 2), 9, 9);
    placa.addRoundedRect(ZonaSalir2.adjusted(1, 1, -1, -1), 9, 9);
    p.setPen(Qt::NoPen);
    p.setBrush(Melocoton);
    p.drawPath(placa.simplified());
    p.restore();

    const QColor rojo = ColorPaleta(0);
    const QRectF t1 = Dentro(ZonaSalir1);
    DibujarBoton(p, t1);
    const QRectF caja1 = t1.adjusted(8, 4, -8, -4);
    //: The title menu's small quit tile (about 65 x 25 px; the letters shrink to fit).
    const QString salir = QCoreApplication::translate("Titulo", "QUIT");
    DibujarTextoContorno(p, caja1, salir, FuenteQueCabe(salir, caja1.size(), 26), rojo, TintaOscura, 1.2);

    const QRectF t2 = Dentro(ZonaSalir2);
    DibujarBoton(p, t2);
    DibujarPuerta(p, QRectF(t2.left() + 12, t2.top() + 9, 44, t2.height() - 18));
    const QRectF caja2(t2.left() + 62, t2.top() + 6, t2.width() - 72, t2.height() - 12);
    //: The title menu's big quit tile, beside a door (about 70 x 45 px; shrinks to fit).
    const QString fuera = QCoreApplication::translate("Titulo", "EXIT");
    DibujarTextoContorno(p, caja2, fuera, FuenteQueCabe(fuera, caja2.size(), 34), rojo, TintaOscura, 1.4);
}

// A small globe: the link leads out to the web.
void DibujarGlobo(QPainter &p, const QPointF &centro, qreal radio)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(TintaOscura, 1.4));
    p.setBrush(ColorPaleta(6));
    p.drawEllipse(centro, radio, radio);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, radio * 0.45, radio);
    p.drawLine(QPointF(centro.x() - radio, centro.y()), QPointF(centro.x() + radio, centro.y()));
    p.drawLine(QPointF(centro.x(), centro.y() - radio), QPointF(centro.x(), centro.y() + radio));
    p.restore();
}

void DibujarEnlaceWeb(QPainter &p)
{
    const QRectF t = Dentro(ZonaWeb);
    DibujarBoton(p, t);
    const qreal radio = t.height() / 2 - 4;
    DibujarGlobo(p, QPointF(t.left() + 8 + radio, t.center().y()), radio);
    //: The title menu's web link, beside a globe (about 250 x 25 px; shrinks to fit).
    const QString texto = QCoreApplication::translate("Titulo", "MORE FREE GAMES ON THE WEB");
    const QRectF caja = t.adjusted(14 + 2 * radio, 3, -8, -3);
    DibujarTextoContorno(p, caja, texto, FuenteQueCabe(texto, caja.size(), 15), AzulTexto);
}

void DibujarAutor(QPainter &p)
{
    const QRectF tira(72, 448, 140, 17);
    p.fillRect(tira, Melocoton);
    //: The maker's line at the foot of the title menu (132 x 17 px; shrinks to fit).
    const QString texto = QCoreApplication::translate("Titulo", "A GAME BY QUORLAN!");
    DibujarTextoContorno(p, tira.adjusted(4, 0, -4, 0), texto,
        FuenteQueCabe(texto, tira.adjusted(4, 0, -4, 0).size(), 11), TintaOscura);
}
}  // namespace

void DibujarTitulo(QPainter &p)
{
    p.save();
    DibujarFondo(p);
    DibujarNombre(p);
    DibujarTablero(p);
    //: The title menu's play choice, a big word (about 165 x 60 px; shrinks to fit).
    const QString jugar = QCoreApplication::translate("Titulo", "PLAY");
    //: The line under PLAY on the title menu (about 160 x 18 px; shrinks to fit).
    const QString empezar = QCoreApplication::translate("Titulo", "START A NEW GAME");
    DibujarOpcion(p, ZonaJugar, jugar, ColorPaleta(1), empezar);
    DibujarPuntuaciones(p);
    //: The title menu's help choice, a big word (about 125 x 35 px; shrinks to fit).
    const QString ayuda = QCoreApplication::translate("Titulo", "HELP");
    //: The line under HELP on the title menu (about 130 x 15 px; shrinks to fit).
    const QString comoJugar = QCoreApplication::translate("Titulo", "HOW TO PLAY");
    DibujarOpcion(p, ZonaAyuda, ayuda, ColorPaleta(2), comoJugar);
    DibujarSalir(p);
    DibujarEnlaceWeb(p);
    DibujarAutor(p);
    p.restore();
}

QImage ImagenTitulo(qreal escala)
{
    QImage img = ImagenVacia(TamanoTitulo, escala, AzulClaro);
    QPainter p(&img);
    DibujarTitulo(p);
    return img;
}
