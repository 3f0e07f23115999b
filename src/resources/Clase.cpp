// The class `Clase` and the factory the program finds it through.
#include "Lib_Tessarino.h"
#include "Recursos.h"
#include "Sonido.h"

#include <atomic>
#include <cstring>
#include <limits>

namespace LibreriaTessarino {

namespace {

// Objects alive: the last one to go stops the sound, while the library is surely still loaded
// and the loader's lock free (the caller unloads the library only after deleting its objects).
std::atomic<int> objetosVivos{0};

class Clase final : public _Clase
{
public:
    Clase() { ++objetosVivos; }
    ~Clase() override
    {
        if (--objetosVivos == 0)
            DetenerSonido();
    }
    Clase(const Clase &) = delete;
    Clase &operator=(const Clase &) = delete;

    Estado CargarCadena(int32_t id, const int32_t *queIdioma, std::string *resultado) override
    {
        if (!resultado)
            return E_Puntero;
        int32_t numero = 0;
        if (__builtin_add_overflow(id, queIdioma ? *queIdioma : int32_t(Español), &numero))
            return ErrorDeControl(kErrorDesbordamiento);
        const char *texto = Recursos::cadena(numero);
        if (!texto)
            return ErrorDeControl(kErrorRecursoNoEncontrado);
        *resultado = texto;
        return S_Correcto;
    }

    Estado CargarImagen(int32_t id, const int32_t *Format, Imagen *resultado) override
    {
        if (!resultado)
            return E_Puntero;
        *resultado = Imagen{};
        if (id < bArgentina || id > bEspaña)
            return S_Correcto;
        const int32_t formato = Format ? *Format : int32_t(FormatoBitmap);
        // The form is a 16-bit value.
        if (formato < std::numeric_limits<int16_t>::min() || formato > std::numeric_limits<int16_t>::max())
            return ErrorDeControl(kErrorDesbordamiento);
        Recursos::TipoRecurso tipo;
        switch (formato) {
        case FormatoBitmap:
            tipo = Recursos::TipoRecurso::Bitmap;
            break;
        case FormatoCursor:
            tipo = Recursos::TipoRecurso::Cursor;
            break;
        case FormatoIcono:
            // The icons are numbered apart from the flags: none answers to 1 to 5.
            return ErrorDeControl(kErrorRecursoNoEncontrado);
        default:
            return ErrorDeControl(kErrorLlamadaNoValida);
        }
        const auto datos = Recursos::recurso(tipo, id);
        if (datos.empty())
            return ErrorDeControl(kErrorRecursoNoEncontrado);
        resultado->formato = FormatoImagen(formato);
        resultado->datos.assign(datos.begin(), datos.end());
        return S_Correcto;
    }

    Estado CargarSonidos(int32_t id, const int32_t *, VarianteVacia *resultado) override
    {
        if (!resultado)
            return E_Puntero;
        *resultado = {};
        if (id == sonido1)
            ReproducirSonido(144);
        else if (id == sonido2)
            ReproducirSonido(16);
        return S_Correcto;
    }

    Estado Vernombres(int32_t *, VarianteVacia *resultado) override
    {
        if (!resultado)
            return E_Puntero;
        *resultado = {};
        return S_Correcto;
    }
};

} // namespace

} // namespace LibreriaTessarino

extern "C" __attribute__((visibility("default"))) LibreriaTessarino::Estado
LibTessarino_CrearInstancia(const char *clsid, const char *iid, LibreriaTessarino::_Clase **objeto)
{
    using namespace LibreriaTessarino;
    if (!objeto)
        return E_Puntero;
    *objeto = nullptr;
    if (!clsid || std::strcmp(clsid, CLSID_Clase) != 0)
        return E_ClaseNoRegistrada;
    if (!iid || std::strcmp(iid, IID__Clase) != 0)
        return E_SinInterfaz;
    *objeto = new Clase;
    return S_Correcto;
}
