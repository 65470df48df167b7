// The private-profile document against the behaviour of the Windows profile functions
// (reads, edits, line ends, encodings) and the safe encoding of the values we write.
#include "Codificacion.h"
#include "PerfilPrivado.h"

#include <array>
#include <gtest/gtest.h>

namespace {

std::string Leer(const std::string &contenido, const char *seccion = "00", const char *clave = "Nombre")
{
    return LeerPerfil(PerfilPrivado::Analizar(contenido), seccion, clave);
}

std::string Reemplazar(std::string texto, const std::string &de, const std::string &a)
{
    for (std::size_t i = texto.find(de); i != std::string::npos; i = texto.find(de, i + a.size()))
        texto.replace(i, de.size(), a);
    return texto;
}

struct CasoLectura {
    const char *que;
    std::string contenido;  // CRLF line ends; the test also runs it with LF and CR alone
    const char *seccion;
    const char *clave;
    std::string esperado;
};

const CasoLectura kLecturas[] = {
    {"empty file gives the default", "", "00", "Nombre", "0"},
    {"empty value is empty, not the default", "[00]\r\nNombre=\r\n", "00", "Nombre", ""},
    {"missing key gives the default", "[00]\r\nPuntos=5\r\n", "00", "Nombre", "0"},
    {"missing section gives the default", "[01]\r\nNombre=Ana\r\n", "00", "Nombre", "0"},
    {"key name ignores case", "[00]\r\nNOMBRE=Ana\r\n", "00", "nombre", "Ana"},
    {"section name ignores case", "[Ab]\r\nNombre=Ana\r\n", "aB", "Nombre", "Ana"},
    {"blanks around key and value trimmed", "[00]\r\n \tNombre \t=  Ana  Lu \t\r\n", "00", "Nombre",
        "Ana  Lu"},
    {"double quotes keep inner blanks", "[00]\r\nNombre=\"  Ana \"\r\n", "00", "Nombre", "  Ana "},
    {"single quotes stripped", "[00]\r\nNombre='Ana'\r\n", "00", "Nombre", "Ana"},
    {"only the outer pair stripped", "[00]\r\nNombre=\"\"Ana\"\"\r\n", "00", "Nombre", "\"Ana\""},
    {"mismatched quotes stay", "[00]\r\nNombre=\"Ana'\r\n", "00", "Nombre", "\"Ana'"},
    {"a lone quote stays", "[00]\r\nNombre=\"\r\n", "00", "Nombre", "\""},
    {"first of two keys wins", "[00]\r\nNombre=A\r\nNombre=B\r\n", "00", "Nombre", "A"},
    {"second equal section ignored", "[00]\r\nPuntos=1\r\n[01]\r\n[00]\r\nNombre=B\r\n", "00", "Nombre", "0"},
    {"comment line is no key", "[00]\r\n  ;Nombre=X\r\n", "00", "Nombre", "0"},
    {"line without = is no key", "[00]\r\nNombre\r\n", "00", "Nombre", "0"},
    {"; = [ # inside a value are text", "[00]\r\nNombre=a;b=[c]#d\r\n", "00", "Nombre", "a;b=[c]#d"},
    {"header name trimmed, text after ] ignored", "[ 00 ]junk\r\nNombre=Ana\r\n", "00", "Nombre", "Ana"},
    {"header without ] runs to the line end", "[00\r\nNombre=Ana\r\n", "00", "Nombre", "Ana"},
    {"key on the header line is ignored", "[00]Nombre=Ana\r\n", "00", "Nombre", "0"},
    {"key before any section belongs to none", "Nombre=X\r\n[00]\r\n", "00", "Nombre", "0"},
    {"byte-order mark accepted", "\xEF\xBB\xBF[00]\r\nNombre=Ana\r\n", "00", "Nombre", "Ana"},
    {"unterminated last line", "[00]\r\nNombre=Ana", "00", "Nombre", "Ana"},
    {"Windows-1252 byte read as such",
        "[00]\r\nNombre=Pe\xF1"
        "a\r\n",
        "00", "Nombre",
        "Pe\xC3\xB1"
        "a"},
    {"UTF-8 name kept",
        "[00]\r\nNombre=Pe\xC3\xB1"
        "a\r\n",
        "00", "Nombre",
        "Pe\xC3\xB1"
        "a"},
};

TEST(PerfilPrivado, ReadsAsTheWindowsFunctionsDoWithEveryLineEnd)
{
    for (const char *fin : {"\r\n", "\n", "\r"}) {
        for (const CasoLectura &c : kLecturas) {
            const std::string contenido = Reemplazar(c.contenido, "\r\n", fin);
            EXPECT_EQ(Leer(contenido, c.seccion, c.clave), c.esperado) << c.que << " (line end "
                                                                       << (fin[0] == '\n'  ? "LF"
                                                                                  : fin[1] ? "CRLF"
                                                                                           : "CR")
                                                                       << ")";
        }
    }
}

TEST(PerfilPrivado, LongValueIsCutTo254CharactersNotBytes)
{
    EXPECT_EQ(Leer("[00]\r\nNombre=" + std::string(300, 'x')), std::string(254, 'x'));
    std::string enes;
    for (int i = 0; i < 300; ++i)
        enes += "\xC3\xB1";
    EXPECT_EQ(Leer("[00]\r\nNombre=" + enes), enes.substr(0, 2 * 254));
    // Quotes come off before the cut, so a quoted 254-character value stays whole.
    EXPECT_EQ(Leer("[00]\r\nNombre=\" " + std::string(253, 'y') + "\""), " " + std::string(253, 'y'));
}

PerfilPrivado Editado(
    const std::string &contenido, std::initializer_list<std::array<const char *, 3>> escrituras)
{
    PerfilPrivado p = PerfilPrivado::Analizar(contenido);
    for (const auto &[s, k, v] : escrituras)
        EXPECT_TRUE(p.Escribir(s, k, v)) << s << "/" << k;
    return p;
}

TEST(PerfilPrivado, WritesCreateChangeAndAppendLikeWindows)
{
    EXPECT_EQ(Editado("", {{"00", "Nombre", "Ana"}}).Serializar(), "[00]\r\nNombre=Ana\r\n");
    EXPECT_EQ(Editado("", {{"00", "Nombre", ""}}).Serializar(), "[00]\r\nNombre=\r\n");
    EXPECT_EQ(Editado("",
                  {{"App1", "key1", "1"}, {"App1", "key2", "2"}, {"App1", "key3", "3"}, {"App2", "key4", "4"},
                      {"App3", "key5", "5"}})
                  .Serializar(),
        "[App1]\r\nkey1=1\r\nkey2=2\r\nkey3=3\r\n[App2]\r\nkey4=4\r\n[App3]\r\nkey5=5\r\n");
    // Only the edited line changes; the key keeps its spelling but loses its blanks.
    EXPECT_EQ(Editado("; c\r\n[00]\r\nnombre = Old\r\nPuntos=9\r\n\r\n[01]\r\n", {{"00", "Nombre", "Ana"}})
                  .Serializar(),
        "; c\r\n[00]\r\nnombre=Ana\r\nPuntos=9\r\n\r\n[01]\r\n");
    // New keys go after the section's last key, before its trailing blank line.
    EXPECT_EQ(Editado("[s]\r\nb=1\r\na=2\r\n\r\n[t]\r\n",
                  {{"s", "z", "3"}, {"s", "b", "4"}, {"s", "y", "5"}, {"s", "a", "6"}})
                  .Serializar(),
        "[s]\r\nb=4\r\na=6\r\nz=3\r\ny=5\r\n\r\n[t]\r\n");
    EXPECT_EQ(Editado("[01]\r\nX=1", {{"00", "Nombre", "Ana"}}).Serializar(),
        "[01]\r\nX=1\r\n[00]\r\nNombre=Ana\r\n");
    EXPECT_EQ(Editado("[00]\r\nNombre=X\r\n[00]\r\nNombre=Y\r\n", {{"00", "Nombre", "Ana"}}).Serializar(),
        "[00]\r\nNombre=Ana\r\n[00]\r\nNombre=Y\r\n");
}

TEST(PerfilPrivado, UnchangedDocumentSerialisesToTheSameBytes)
{
    const std::string mezcla = "\xEF\xBB\xBF; top\n[00]\r\n  Nombre = \"a\" \rPuntos=1\r\n\r\n[x";
    EXPECT_EQ(PerfilPrivado::Analizar(mezcla).Serializar(), mezcla);
}

TEST(PerfilPrivado, WindowsLinesBecomeUtf8WhileTheirContentSurvives)
{
    PerfilPrivado p = PerfilPrivado::Analizar("[00]\r\nNombre=Mu\xF1oz \x80\r\n");
    ASSERT_TRUE(p.Escribir("00", "Puntos", "7"));
    EXPECT_EQ(p.Serializar(), "[00]\r\nNombre=Mu\xC3\xB1oz \xE2\x82\xAC\r\nPuntos=7\r\n");
}

TEST(PerfilPrivado, EveryValueReadsBackExactly)
{
    const std::string casos[] = {"  lead and trail  ", "\"Bob\"", "'", "\"", "'x\"", "Ana", "",
        std::string(254, 'n'), " " + std::string(253, 'q'), "\tTab", "semi;colon = [x]"};
    for (const std::string &v : casos) {
        PerfilPrivado p = PerfilPrivado::Analizar("[00]\r\nNombre=old\r\n");
        ASSERT_TRUE(p.Escribir("00", "Nombre", v));
        std::string esperado = v;
        for (char &c : esperado)
            if (static_cast<unsigned char>(c) < 0x20)
                c = ' ';
        EXPECT_EQ(LeerPerfil(PerfilPrivado::Analizar(p.Serializar()), "00", "Nombre"), esperado)
            << "[" << v << "]";
    }
}

TEST(PerfilPrivado, ANameCannotPlantAnotherLine)
{
    PerfilPrivado p = PerfilPrivado::Analizar("[00]\r\nNombre=a\r\n[01]\r\nPuntos=5\r\n");
    ASSERT_TRUE(p.Escribir("00", "Nombre", "x\r\n[01]\r\nPuntos=999999"));
    const PerfilPrivado leido = PerfilPrivado::Analizar(p.Serializar());
    EXPECT_EQ(leido.NumeroLineas(), 4u);
    EXPECT_EQ(LeerPerfil(leido, "00", "Nombre"), "x  [01]  Puntos=999999");
    EXPECT_EQ(LeerPerfil(leido, "01", "Puntos"), "5");
}

TEST(PerfilPrivado, NamesThatWouldReadBackDifferentlyAreRefused)
{
    const std::pair<std::string, std::string> malos[] = {{"0]0", "k"}, {" 00", "k"}, {"0\n0", "k"},
        {"00", "a=b"}, {"00", ""}, {"00", ";k"}, {"00", "[k"}, {"00", "k "}, {"00", "k\r"}, {"\xF1", "k"}};
    for (const auto &[s, k] : malos) {
        PerfilPrivado p = PerfilPrivado::Analizar("[00]\r\nk=1\r\n");
        EXPECT_FALSE(p.Escribir(s, k, "v")) << s << "/" << k;
        EXPECT_EQ(p.Serializar(), "[00]\r\nk=1\r\n");
    }
    PerfilPrivado p;
    EXPECT_FALSE(p.Escribir("00", "k", "\xF1"));  // the document only takes UTF-8
}

TEST(Codificacion, Utf8CheckRejectsMalformedSequences)
{
    EXPECT_TRUE(EsUtf8Valido("a\xC3\xB1\xE2\x82\xAC\xF0\x9F\x98\x80"));
    for (const char *malo :
        {"\xC0\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xE2\x82", "\x80", "\xF8\x88\x80\x80\x80"})
        EXPECT_FALSE(EsUtf8Valido(malo)) << malo;
}

TEST(Codificacion, Windows1252DecodesItsOwnUpperHalf)
{
    EXPECT_EQ(ComoUtf8("\x80\x81\x9F\xA0\xFF"), "\xE2\x82\xAC\xC2\x81\xC5\xB8\xC2\xA0\xC3\xBF");
    EXPECT_EQ(CortarCaracteres("a\xF0\x9F\x98\x80"
                               "b",
                  2),
        "a\xF0\x9F\x98\x80");
}

}  // namespace
