#pragma once

// Lib_Tessarino: the captions, flag pictures and sounds of Tessarino, in a shared library of its
// own that the program loads at run time. This header is all a caller needs: the identifiers, the
// enumerations, the interface `_Clase` and the one exported factory.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// Qt's moc cannot read the accented names below, and nothing here is for it.
#ifndef Q_MOC_RUN

namespace LibreriaTessarino {

// The identifiers the library has always been known by; callers name the class and interface
// they want, so a library of another make or version refuses instead of answering wrongly.
inline constexpr const char *kNombreLibreria = "LibreriaTessarino";
inline constexpr int kVersionMayor = 1;
inline constexpr int kVersionMenor = 0;
inline constexpr int kLocale = 0x409;
inline constexpr const char *LIBID_LibreriaTessarino = "{9B4AFA27-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *CLSID_Clase = "{9B4AFA29-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *IID__Clase = "{9B4AFA28-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *GUID_StringID = "{9B4AFA2A-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *GUID_Lenguaje = "{9B4AFA2B-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *GUID_PictureID = "{9B4AFA2C-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *GUID_SonidoId = "{9B4AFA2D-E844-11D5-B696-D04F5F774E21}";
inline constexpr const char *GUID_VEr = "{9B4AFA2E-E844-11D5-B696-D04F5F774E21}";

// File name of the library and name of its factory.
inline constexpr const char *kArchivoLibreria = "Lib_Tessarino.so";
inline constexpr const char *kNombreFabrica = "LibTessarino_CrearInstancia";

enum StringID : int32_t {
    sTituloForm = 0,
    Archivo = 1,
    arcNuevo = 2,
    arcNueMismo = 3,
    arNueDisti = 4,
    arcAbrir = 5,
    arcGuardar = 6,
    arcImpCua = 7,
    arcImpRec = 8,
    arcImpTra = 9,
    arcSalir = 10,
    Fuente = 11,
    FueColor = 12,
    FueTamaño = 13,
    FueTipo = 14,
    FueGuarConfAct = 15,
    fueRestValPre = 16,
    Heramientas = 17,
    HerCargar = 18,
    HerCarUltMisNum = 19,
    HerCarUltDisNum = 20,
    HerChequear = 21,
    HerLimpiar = 22,
    HerLimpRecientes = 23,
    sImpresora = 24,
    sImpConfigurar = 25,
    sLenguaje = 26,
    sEspañol = 27,
    sFrances = 28,
    sItaliano = 29,
    sIngles = 30,
    sAcerca = 31,
    sNotas = 32,
    sNotEscEdi = 33,
    sNotBorrar = 34,
    sSStab1 = 35,
    sSStab2 = 36,
    sDesde = 37,
    sHasta = 38,
    sBotImp1 = 39,
    sBotCanc1 = 40,
    sFrameFuente = 41,
    sFRameMuestra = 42,
    sLblColor = 43,
    sLblTamaño = 44,
    sbtnGuarValoresActuales = 45,
    sRestaurarValores = 46,
    sImpVertical = 47,
};

// Added to a StringID to pick the language. Only Español and Ingles have strings.
enum Lenguaje : int32_t { Español = 0, Ingles = 100, Italiano = 200, Frances = 300 };

enum PictureID : int32_t { bArgentina = 1, bUsa = 2, bItalia = 3, bFrancia = 4, bEspaña = 5 };

enum SonidoId : int32_t { rdDummy = 0, sonido1 = 1, sonido2 = 2 };

enum VEr : int32_t { vNombre0 = 0, vNombre1 = 1 };

// The forms CargarImagen hands a picture in.
enum FormatoImagen : int32_t { FormatoBitmap = 0, FormatoIcono = 1, FormatoCursor = 2 };

// Status codes. Failures of the library itself carry a classic error number in the low 16 bits
// (facility "control", as `ErrorDeControl` builds them).
using Estado = int32_t;
inline constexpr Estado S_Correcto = 0;
inline constexpr Estado E_SinInterfaz = int32_t(0x80004002u);
inline constexpr Estado E_Puntero = int32_t(0x80004003u);
inline constexpr Estado E_ClaseNoRegistrada = int32_t(0x80040154u);
inline constexpr Estado ErrorDeControl(int numero)
{
    return int32_t(0x800A0000u | uint32_t(numero & 0xFFFF));
}
inline constexpr bool EsErrorDeControl(Estado estado)
{
    return (uint32_t(estado) & 0xFFFF0000u) == 0x800A0000u;
}
inline constexpr int NumeroDeError(Estado estado)
{
    return EsErrorDeControl(estado) ? int(uint32_t(estado) & 0xFFFFu) : int(estado);
}
inline constexpr int kErrorLlamadaNoValida = 5;
inline constexpr int kErrorDesbordamiento = 6;
inline constexpr int kErrorRecursoNoEncontrado = 326;

// A picture as a complete file of its form (BMP, ICO or CUR); no bytes is no picture.
struct Imagen
{
    FormatoImagen formato = FormatoBitmap;
    std::vector<unsigned char> datos;
    bool vacia() const { return datos.empty(); }
};

// What the sound and name methods return: always empty.
using VarianteVacia = std::monostate;

// The class `Clase`. The caller owns the object (delete it through this interface) and every
// result; the library must stay loaded while an object lives. Optional arguments are pointers:
// null means omitted.
class _Clase
{
public:
    virtual ~_Clase() = default;

    // The string id + queIdioma (omitted: Español), as UTF-8.
    virtual Estado CargarCadena(int32_t id, const int32_t *queIdioma, std::string *resultado) = 0;
    // Flag picture 1 to 5 in the form Format names (omitted: bitmap); other ids give no picture.
    virtual Estado CargarImagen(int32_t id, const int32_t *Format, Imagen *resultado) = 0;
    // Starts sonido1 or sonido2 and returns at once; anything else, or no sound device, is silence.
    virtual Estado CargarSonidos(int32_t id, const int32_t *Format, VarianteVacia *resultado) = 0;
    virtual Estado Vernombres(int32_t *nom, VarianteVacia *resultado) = 0;
};

// The factory the library exports under kNombreFabrica: creates the class `clsid` answering the
// interface `iid`.
using FabricaClase = Estado (*)(const char *clsid, const char *iid, _Clase **objeto);

} // namespace LibreriaTessarino

#endif // Q_MOC_RUN
