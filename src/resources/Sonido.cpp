#include "Sonido.h"

#include "Recursos.h"

#include <alsa/asoundlib.h>

#include <dlfcn.h>

#include <chrono>
#include <condition_variable>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace LibreriaTessarino {

namespace {

struct FormatoPcm
{
    unsigned canales = 0;
    unsigned tasa = 0;
    unsigned bits = 0;
    std::size_t inicio = 0; // first byte of the samples
    std::size_t tamano = 0;
};

uint32_t leer32(const unsigned char *p)
{
    return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24;
}

unsigned leer16(const unsigned char *p)
{
    return unsigned(p[0]) | unsigned(p[1]) << 8;
}

// The PCM format and samples of a RIFF WAVE file; nothing for anything else.
std::optional<FormatoPcm> leerWave(const std::vector<unsigned char> &w)
{
    if (w.size() < 12 || std::memcmp(w.data(), "RIFF", 4) != 0 || std::memcmp(w.data() + 8, "WAVE", 4) != 0)
        return std::nullopt;
    FormatoPcm f;
    bool conFormato = false;
    for (std::size_t pos = 12; pos + 8 <= w.size();) {
        const uint32_t largo = leer32(&w[pos + 4]);
        const std::size_t cuerpo = pos + 8;
        if (largo > w.size() - cuerpo)
            return std::nullopt;
        if (std::memcmp(&w[pos], "fmt ", 4) == 0 && largo >= 16) {
            if (leer16(&w[cuerpo]) != 1) // only plain PCM
                return std::nullopt;
            f.canales = leer16(&w[cuerpo + 2]);
            f.tasa = leer32(&w[cuerpo + 4]);
            f.bits = leer16(&w[cuerpo + 14]);
            conFormato = true;
        } else if (std::memcmp(&w[pos], "data", 4) == 0) {
            f.inicio = cuerpo;
            f.tamano = largo;
        }
        pos = cuerpo + largo + (largo & 1);
    }
    if (!conFormato || f.tamano == 0 || f.canales == 0 || (f.bits != 8 && f.bits != 16))
        return std::nullopt;
    return f;
}

void sinMensajes(const char *, int, const char *, int, const char *, ...) {}

// One playing sound. Its thread owns this, so a thread left behind (below) reads nothing freed.
struct Toque
{
    explicit Toque(std::vector<unsigned char> w) : wave(std::move(w)) {}
    const std::vector<unsigned char> wave;
    std::mutex cerrojo;
    std::condition_variable aviso;
    bool parar = false;
    bool terminado = false;

    bool debeParar()
    {
        std::lock_guard bloqueo(cerrojo);
        return parar;
    }
    // Waits up to `espera`, or less if asked to stop; true when asked to stop.
    bool esperar(std::chrono::milliseconds espera)
    {
        std::unique_lock bloqueo(cerrojo);
        return aviso.wait_for(bloqueo, espera, [this] { return parar; });
    }
};

// Never blocks in the device: a card whose clock does not run (a virtual machine's, a stalled
// server) would otherwise keep the thread, and whoever waits for it, for ever.
void tocar(Toque &t)
{
    const auto formato = leerWave(t.wave);
    if (!formato)
        return;
    snd_pcm_t *pcm = nullptr;
    // A device held by another program is the same as none.
    if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
        snd_config_update_free_global();
        return;
    }
    const snd_pcm_format_t muestra = formato->bits == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
    if (snd_pcm_set_params(pcm, muestra, SND_PCM_ACCESS_RW_INTERLEAVED, formato->canales, formato->tasa, 1,
                           100000) == 0) {
        const std::size_t porCuadro = formato->canales * formato->bits / 8;
        const unsigned char *p = t.wave.data() + formato->inicio;
        snd_pcm_uframes_t quedan = formato->tamano / porCuadro;
        // The sound's own length and a second more: a device that takes longer is not playing.
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(1) +
                            std::chrono::milliseconds(1000ull * quedan / formato->tasa);
        while (quedan > 0 && !t.debeParar() && std::chrono::steady_clock::now() < limite) {
            const snd_pcm_uframes_t tramo = std::min<snd_pcm_uframes_t>(quedan, 1024);
            snd_pcm_sframes_t escritos = snd_pcm_writei(pcm, p, tramo);
            if (escritos == -EAGAIN) {
                snd_pcm_wait(pcm, 50);
                continue;
            }
            if (escritos < 0)
                escritos = snd_pcm_recover(pcm, int(escritos), 1);
            if (escritos < 0)
                break;
            p += std::size_t(escritos) * porCuadro;
            quedan -= snd_pcm_uframes_t(escritos);
        }
        // Lets the device play what it holds, unless asked to stop or past the limit.
        snd_pcm_sframes_t pendiente = 0;
        while (snd_pcm_delay(pcm, &pendiente) == 0 && pendiente > 0 &&
               std::chrono::steady_clock::now() < limite && !t.esperar(std::chrono::milliseconds(20))) {
        }
        snd_pcm_drop(pcm);
    }
    snd_pcm_close(pcm);
    // The audio library keeps the parsed configuration for the process and never frees it; this
    // library may be unloaded, taking the audio library with it, so leave nothing behind.
    snd_config_update_free_global();
}

// Keeps this library in memory until the process ends: a sound's thread stuck in the device
// still runs our code, which unloading would pull from under it.
void quedarseCargada()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void *>(&quedarseCargada), &info) == 0 || !info.dli_fname)
        return;
    // The handle is left open on purpose; RTLD_NODELETE makes every later unload a no-op.
    dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

// One sound at a time, played on a thread of its own so that the caller never waits for it.
class Reproductor
{
public:
    ~Reproductor() { detener(); }

    void reproducir(const std::vector<unsigned char> &wave)
    {
        detener();
        m_toque = std::make_shared<Toque>(wave);
        m_hilo = std::thread([t = m_toque] {
            tocar(*t);
            std::lock_guard bloqueo(t->cerrojo);
            t->terminado = true;
            t->aviso.notify_all();
        });
    }

    // Stops the sound and waits a little for its thread; one still stuck in the device after
    // that is left to finish on its own, with the library kept loaded for it.
    void detener()
    {
        if (!m_hilo.joinable())
            return;
        bool terminado = false;
        {
            std::unique_lock bloqueo(m_toque->cerrojo);
            m_toque->parar = true;
            m_toque->aviso.notify_all();
            terminado = m_toque->aviso.wait_for(bloqueo, std::chrono::seconds(2),
                                                [this] { return m_toque->terminado; });
        }
        if (terminado) {
            m_hilo.join();
        } else {
            quedarseCargada();
            m_hilo.detach();
        }
        m_toque.reset();
    }

private:
    std::shared_ptr<Toque> m_toque;
    std::thread m_hilo;
};

Reproductor &reproductor()
{
    static Reproductor unico;
    return unico;
}

} // namespace

void ReproducirSonido(int numero)
{
    const auto datos = Recursos::recurso(Recursos::TipoRecurso::Sonido, numero);
    if (datos.empty())
        return;
    // A machine without sound makes the audio library complain on the terminal; playback reports
    // nothing, so neither should it.
    static std::once_flag callar;
    std::call_once(callar, [] { snd_lib_error_set_handler(&sinMensajes); });
    reproductor().reproducir({datos.begin(), datos.end()});
}

void DetenerSonido()
{
    reproductor().detener();
}

} // namespace LibreriaTessarino
