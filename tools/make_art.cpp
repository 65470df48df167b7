// Writes the game's pictures into a source tree: the title and back-to-menu JPEGs in Data/,
// the title in each language the program carries as lossless PNGs there (Titulo_<code>.png),
// the cursors, the window icon and its resource list in ui/resources/, and the desktop icon
// set (hicolor PNG sizes plus a scalable SVG). Run it again whenever the art code or a
// translation of the title's words changes:
//   velunda_make_art <repo-root>
#include "Arte.h"
#include "Idioma.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainterPath>
#include <QRegularExpression>
#include <QString>
#include <QTextStream>
#include <cstdio>
#include <png.h>

namespace {
const QString IdApp = QStringLiteral("io.github.quorlan.Velunda");
constexpr int CalidadJpeg = 92;
constexpr int TamanosHicolor[]{16, 22, 24, 32, 48, 64, 128, 256};

bool errores = false;

bool PrepararCarpeta(const QString &fichero)
{
    if (QDir().mkpath(QFileInfo(fichero).absolutePath()))
        return true;
    std::fprintf(stderr, "cannot create the folder of %s\n", qPrintable(fichero));
    errores = true;
    return false;
}

void Guardar(const QImage &img, const QString &fichero, int calidad = -1)
{
    if (!PrepararCarpeta(fichero))
        return;
    // JPEG has no alpha; flatten first so the writer never guesses.
    const QImage salida
        = fichero.endsWith(QLatin1String(".jpg")) ? img.convertToFormat(QImage::Format_RGB32) : img;
    if (!salida.save(fichero, nullptr, calidad)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fichero));
        errores = true;
        return;
    }
    std::printf("%s (%dx%d)\n", qPrintable(fichero), img.width(), img.height());
}

// The translated titles are read at every first start, so they are written for the reader:
// Qt's writer lets libpng pick a filter per row, mostly Paeth here, whose undoing takes the
// reader more than twice as long as an unfiltered file of this drawing, which is also smaller.
bool EscribirPngSinFiltro(const QImage &img, const QString &fichero)
{
    const QImage rgb = img.convertToFormat(QImage::Format_RGB888);
    FILE *f = std::fopen(QFile::encodeName(fichero).constData(), "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    volatile bool escrito = false;  // read after a longjmp from libpng
    if (info && !setjmp(png_jmpbuf(png))) {
        png_init_io(png, f);
        png_set_compression_level(png, 9);
        png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_NONE);
        png_set_IHDR(png, info, png_uint_32(rgb.width()), png_uint_32(rgb.height()), 8, PNG_COLOR_TYPE_RGB,
            PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_BASE, PNG_FILTER_TYPE_BASE);
        png_write_info(png, info);
        for (int y = 0; y < rgb.height(); ++y)
            png_write_row(png, rgb.constScanLine(y));
        png_write_end(png, nullptr);
        escrito = true;
    }
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0 && escrito;
}

void GuardarTitulo(const QImage &img, const QString &fichero)
{
    if (!PrepararCarpeta(fichero))
        return;
    if (!EscribirPngSinFiltro(img, fichero)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fichero));
        errores = true;
        return;
    }
    std::printf("%s (%dx%d)\n", qPrintable(fichero), img.width(), img.height());
}

void GuardarTexto(const QString &texto, const QString &fichero)
{
    if (!PrepararCarpeta(fichero))
        return;
    QFile f(fichero);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || f.write(texto.toUtf8()) != texto.toUtf8().size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(fichero));
        errores = true;
        return;
    }
    std::printf("%s\n", qPrintable(fichero));
}

QString Numero(qreal v) { return QString::number(v, 'f', 2).remove(QRegularExpression("\\.?0+$")); }

QString ColorSvg(const QColor &c) { return c.isValid() ? c.name() : QStringLiteral("none"); }

// Path data for SVG. QtSvg is not among the build's packages, and a path is only a list of
// moves, lines and cubic curves, so it is written out directly. A line back to the start
// of its subpath at the subpath's end becomes "Z", so the stroke joins there too.
QString DatosCamino(const QPainterPath &camino)
{
    QString d;
    QPointF inicio;
    const int n = camino.elementCount();
    for (int i = 0; i < n; ++i) {
        const QPainterPath::Element e = camino.elementAt(i);
        const bool finDeTramo = i + 1 == n || camino.elementAt(i + 1).isMoveTo();
        switch (e.type) {
        case QPainterPath::MoveToElement:
            inicio = e;
            d += QStringLiteral("M%1 %2").arg(Numero(e.x), Numero(e.y));
            break;
        case QPainterPath::LineToElement:
            if (finDeTramo && QPointF(e) == inicio)
                d += QLatin1Char('Z');
            else
                d += QStringLiteral("L%1 %2").arg(Numero(e.x), Numero(e.y));
            break;
        case QPainterPath::CurveToElement:
            d += QStringLiteral("C%1 %2").arg(Numero(e.x), Numero(e.y));
            break;
        case QPainterPath::CurveToDataElement:
            d += QStringLiteral(" %1 %2").arg(Numero(e.x), Numero(e.y));
            if (finDeTramo && QPointF(e) == inicio)
                d += QLatin1Char('Z');
            break;
        }
    }
    return d;
}

QString IconoSvg()
{
    QString s;
    QTextStream o(&s);
    o << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << LadoIconoVectorial << "\" height=\""
      << LadoIconoVectorial << "\" viewBox=\"0 0 " << LadoIconoVectorial << ' ' << LadoIconoVectorial
      << "\">\n"
      << "  <title>Velunda</title>\n";
    for (const CapaIcono &c : CapasIcono()) {
        o << "  <path fill=\"" << ColorSvg(c.relleno) << "\" fill-rule=\""
          << (c.forma.fillRule() == Qt::WindingFill ? "nonzero" : "evenodd") << '"';
        if (c.trazo.isValid())
            o << " stroke=\"" << ColorSvg(c.trazo) << "\" stroke-width=\"" << Numero(c.grosor) << '"';
        o << " d=\"" << DatosCamino(c.forma) << "\"/>\n";
    }
    o << "</svg>\n";
    return s;
}

}  // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: velunda_make_art <repo-root>\n");
        return 2;
    }
    const QDir raiz(QString::fromLocal8Bit(argv[1]));
    if (!raiz.exists()) {
        std::fprintf(stderr, "no such folder: %s\n", argv[1]);
        return 2;
    }
    const QString datos = raiz.filePath(QStringLiteral("Data"));
    const QString recursos = raiz.filePath(QStringLiteral("ui/resources"));

    for (const qreal escala : {1.0, 2.0}) {
        const QString sufijo = escala > 1 ? QStringLiteral("@2x") : QString();
        Guardar(ImagenTitulo(escala), datos + "/Titulo" + sufijo + ".jpg", CalidadJpeg);
        Guardar(ImagenVolverAlMenu(escala), datos + "/VolverAlMenu" + sufijo + ".jpg", CalidadJpeg);
        Guardar(ImagenCursor(TipoCursor::Flecha, escala), recursos + "/cursor_flecha" + sufijo + ".png");
        Guardar(ImagenCursor(TipoCursor::Mano, escala), recursos + "/cursor_mano" + sufijo + ".png");
    }
    // The title with each translation's words, lossless so the menu shows exactly what the
    // program would paint (it paints it itself only when the file is missing).
    for (const QString &codigo : IdiomasDisponibles()) {
        if (!InstalarIdioma(codigo)) {
            std::fprintf(stderr, "cannot load the %s translation\n", qPrintable(codigo));
            errores = true;
            continue;
        }
        for (const qreal escala : {1.0, 2.0})
            GuardarTitulo(ImagenTitulo(escala),
                QStringLiteral("%1/Titulo_%2%3.png")
                    .arg(datos, codigo, escala > 1 ? QStringLiteral("@2x") : QString()));
    }
    QuitarIdioma();
    Guardar(ImagenIcono(32), recursos + "/icono.png");
    for (const int lado : TamanosHicolor)
        Guardar(ImagenIcono(lado),
            QStringLiteral("%1/icons/hicolor/%2x%2/apps/%3.png").arg(recursos).arg(lado).arg(IdApp));
    GuardarTexto(IconoSvg(), QStringLiteral("%1/icons/hicolor/scalable/apps/%2.svg").arg(recursos, IdApp));
    return errores ? 1 : 0;
}
