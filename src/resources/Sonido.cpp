#include "Sonido.h"

#include "Recursos.h"

#include <alsa/asoundlib.h>

#include <atomic>
#include <cstring>
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

// One sound at a time, played on a thread of its own so that the caller never waits for it.
class Reproductor
{
public:
    ~Reproductor() { detener(); }

    void reproducir(const std::vector<unsigned char> &wave)
    {
        detener();
        m_buffer = wave;
        m_parar = false;
        m_hilo = std::thread([this] { tocar(); });
    }

    void detener()
    {
        m_parar = true;
        if (m_hilo.joinable())
            m_hilo.join();
    }

private:
    void tocar()
    {
        const auto formato = leerWave(m_buffer);
        if (!formato)
            return;
        snd_pcm_t *pcm = nullptr;
        // Opened without blocking: a device held by another program is the same as none.
        if (snd_pcm_open(&pcm, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0)
            return;
        snd_pcm_nonblock(pcm, 0);
        const snd_pcm_format_t muestra = formato->bits == 8 ? SND_PCM_FORMAT_U8 : SND_PCM_FORMAT_S16_LE;
        if (snd_pcm_set_params(pcm, muestra, SND_PCM_ACCESS_RW_INTERLEAVED, formato->canales, formato->tasa,
                               1, 100000) == 0) {
            const std::size_t porCuadro = formato->canales * formato->bits / 8;
            const unsigned char *p = m_buffer.data() + formato->inicio;
            snd_pcm_uframes_t quedan = formato->tamano / porCuadro;
            while (quedan > 0 && !m_parar) {
                const snd_pcm_uframes_t tramo = std::min<snd_pcm_uframes_t>(quedan, 1024);
                snd_pcm_sframes_t escritos = snd_pcm_writei(pcm, p, tramo);
                if (escritos < 0)
                    escritos = snd_pcm_recover(pcm, int(escritos), 1);
                if (escritos < 0)
                    break;
                p += std::size_t(escritos) * porCuadro;
                quedan -= snd_pcm_uframes_t(escritos);
            }
            if (m_parar)
                snd_pcm_drop(pcm);
            else
                snd_pcm_drain(pcm);
        }
        snd_pcm_close(pcm);
    }

    // The sound playing reads from here until its thread has ended.
    std::vector<unsigned char> m_buffer;
    std::atomic<bool> m_parar{false};
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
