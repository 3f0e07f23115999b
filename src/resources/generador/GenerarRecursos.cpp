// Build-time generator of the library's pictures and sounds. They are drawn and synthesised here,
// so every byte of the library is our own and reproducible; the output is a C++ source holding
// them as arrays.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <functional>
#include <iostream>
#include <numbers>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

struct Rgb
{
    unsigned char r, g, b;
};

void le16(Bytes &out, unsigned v)
{
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

void le32(Bytes &out, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        out.push_back((v >> (8 * i)) & 0xFF);
}

void tag(Bytes &out, const char *text)
{
    out.insert(out.end(), text, text + 4);
}

// BITMAPINFOHEADER of a 24-bit uncompressed picture; `alturaTotal` is twice the height in icons.
void cabeceraDib(Bytes &out, int ancho, int alturaTotal, uint32_t tamanoImagen)
{
    le32(out, 40);
    le32(out, uint32_t(ancho));
    le32(out, uint32_t(alturaTotal));
    le16(out, 1);
    le16(out, 24);
    le32(out, 0); // BI_RGB
    le32(out, tamanoImagen);
    le32(out, 2835); // 72 dpi
    le32(out, 2835);
    le32(out, 0);
    le32(out, 0);
}

// Rows bottom-up, BGR, each padded to four bytes.
void pixeles(Bytes &out, int lado, const std::function<Rgb(int x, int y)> &pintar)
{
    const int relleno = (4 - (lado * 3) % 4) % 4;
    for (int y = lado - 1; y >= 0; --y) {
        for (int x = 0; x < lado; ++x) {
            const Rgb c = pintar(x, y);
            out.push_back(c.b);
            out.push_back(c.g);
            out.push_back(c.r);
        }
        out.insert(out.end(), relleno, 0);
    }
}

Bytes bmp(int lado, const std::function<Rgb(int x, int y)> &pintar)
{
    const uint32_t fila = uint32_t((lado * 3 + 3) / 4 * 4);
    const uint32_t imagen = fila * uint32_t(lado);
    Bytes out;
    out.push_back('B');
    out.push_back('M');
    le32(out, 14 + 40 + imagen);
    le32(out, 0);
    le32(out, 14 + 40);
    cabeceraDib(out, lado, lado, imagen);
    pixeles(out, lado, pintar);
    return out;
}

// A cursor file: one 32 x 32 24-bit image with its transparency mask and hot spot.
Bytes cur(int hotX, int hotY, const std::function<bool(int x, int y)> &opaco,
          const std::function<Rgb(int x, int y)> &pintar)
{
    constexpr int lado = 32;
    Bytes dib;
    cabeceraDib(dib, lado, lado * 2, 0);
    pixeles(dib, lado, [&](int x, int y) { return opaco(x, y) ? pintar(x, y) : Rgb{0, 0, 0}; });
    for (int y = lado - 1; y >= 0; --y) {
        uint32_t mascara = 0; // a set bit lets the screen show through
        for (int x = 0; x < lado; ++x)
            if (!opaco(x, y))
                mascara |= 1u << (31 - x);
        for (int i = 3; i >= 0; --i)
            dib.push_back((mascara >> (8 * i)) & 0xFF);
    }
    Bytes out;
    le16(out, 0);
    le16(out, 2); // cursor
    le16(out, 1);
    out.push_back(lado);
    out.push_back(lado);
    out.push_back(0);
    out.push_back(0);
    le16(out, unsigned(hotX));
    le16(out, unsigned(hotY));
    le32(out, uint32_t(dib.size()));
    le32(out, 6 + 16);
    out.insert(out.end(), dib.begin(), dib.end());
    return out;
}

// An 8-bit mono PCM WAVE of `muestras` samples: notes one after the other, each with a soft
// attack and an exponential decay.
Bytes wav(int muestras, const std::vector<double> &notas)
{
    constexpr int tasa = 22050;
    Bytes out;
    tag(out, "RIFF");
    le32(out, uint32_t(36 + muestras + muestras % 2));
    tag(out, "WAVE");
    tag(out, "fmt ");
    le32(out, 16);
    le16(out, 1); // PCM
    le16(out, 1);
    le32(out, tasa);
    le32(out, tasa);
    le16(out, 1);
    le16(out, 8);
    tag(out, "data");
    le32(out, uint32_t(muestras));
    const int porNota = muestras / int(notas.size());
    for (int i = 0; i < muestras; ++i) {
        const std::size_t n = std::min<std::size_t>(std::size_t(i / porNota), notas.size() - 1);
        const double t = double(i - int(n) * porNota) / tasa;
        const double envolvente = std::min(1.0, t * 200.0) * std::exp(-t * 3.0);
        const double onda = std::sin(2 * std::numbers::pi * notas[n] * t) +
                            0.3 * std::sin(4 * std::numbers::pi * notas[n] * t);
        const double v = 128.0 + 90.0 * envolvente * onda / 1.3;
        out.push_back(static_cast<unsigned char>(std::lround(std::clamp(v, 0.0, 255.0))));
    }
    if (muestras % 2)
        out.push_back(0);
    return out;
}

constexpr Rgb blanco{255, 255, 255};
constexpr Rgb celeste{116, 172, 223};
constexpr Rgb sol{246, 180, 14};
constexpr Rgb rojo{200, 16, 46};
constexpr Rgb azulOscuro{1, 33, 105};
constexpr Rgb verde{0, 140, 69};
constexpr Rgb rojoItalia{205, 33, 42};
constexpr Rgb azulFrancia{0, 35, 149};
constexpr Rgb rojoFrancia{237, 41, 57};
constexpr Rgb rojoEspana{170, 21, 27};
constexpr Rgb amarillo{241, 191, 0};

// The five flags, 45 x 45, in the order of PictureID.
Bytes bandera(int id)
{
    constexpr int lado = 45;
    switch (id) {
    case 1: // Argentina: sky blue, white with the sun, sky blue
        return bmp(lado, [](int x, int y) {
            if (y < 15 || y >= 30)
                return celeste;
            const int dx = x - 22, dy = y - 22;
            return dx * dx + dy * dy <= 20 ? sol : blanco;
        });
    case 2: // United States: thirteen stripes, blue canton with stars as dots
        return bmp(lado, [](int x, int y) {
            if (x < 20 && y < 24)
                return (x % 4 == 2 && y % 4 == 2) ? blanco : azulOscuro;
            return (y * 13 / lado) % 2 == 0 ? rojo : blanco;
        });
    case 3: // Italy
        return bmp(lado, [](int x, int) { return x < 15 ? verde : x < 30 ? blanco : rojoItalia; });
    case 4: // France
        return bmp(lado, [](int x, int) { return x < 15 ? azulFrancia : x < 30 ? blanco : rojoFrancia; });
    default: // Spain: red, yellow twice as wide, red
        return bmp(lado, [](int, int y) { return (y < 11 || y >= 34) ? rojoEspana : amarillo; });
    }
}

// Cursor 1: an arrow with its point at the top left.
Bytes flecha()
{
    const auto opaco = [](int x, int y) {
        return (y < 18 && x <= y * 2 / 3) || (x >= 3 && x <= 5 && y < 26);
    };
    const auto borde = [&](int x, int y) {
        return !opaco(x - 1, y) || !opaco(x + 1, y) || !opaco(x, y - 1) || !opaco(x, y + 1);
    };
    return cur(0, 0, opaco, [&](int x, int y) { return borde(x, y) ? Rgb{0, 0, 0} : blanco; });
}

void emitir(std::ostream &out, const std::string &nombre, const Bytes &datos)
{
    out << "const unsigned char " << nombre << "[] = {";
    for (std::size_t i = 0; i < datos.size(); ++i)
        out << (i == 0 ? "\n" : i % 24 ? "," : ",\n") << unsigned(datos[i]);
    out << "\n};\n";
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "uso: GenerarRecursos salida.cpp\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary);
    out << "// Generated by GenerarRecursos; do not edit.\n#include \"Recursos.h\"\n\n"
           "namespace LibreriaTessarino::Recursos {\nnamespace {\n";
    for (int id = 1; id <= 5; ++id)
        emitir(out, "bitmap" + std::to_string(id), bandera(id));
    emitir(out, "cursor1", flecha());
    // Lengths as the library has always shipped them.
    emitir(out, "sonido16", wav(46536, {784.0, 587.33}));
    emitir(out, "sonido48", wav(46900, {523.25, 659.25, 783.99}));
    emitir(out, "sonido144", wav(42776, {659.25, 987.77}));
    out << "} // namespace\n\nconst RecursoBinario kRecursosBinarios[] = {\n";
    for (int id = 1; id <= 5; ++id)
        out << "    {TipoRecurso::Bitmap, " << id << ", bitmap" << id << ", sizeof bitmap" << id << "},\n";
    out << "    {TipoRecurso::Cursor, 1, cursor1, sizeof cursor1},\n";
    for (int id : {16, 48, 144})
        out << "    {TipoRecurso::Sonido, " << id << ", sonido" << id << ", sizeof sonido" << id << "},\n";
    out << "};\nconst std::size_t kCantidadRecursosBinarios = std::size(kRecursosBinarios);\n\n"
           "} // namespace LibreriaTessarino::Recursos\n";
    return out.good() ? 0 : 1;
}
