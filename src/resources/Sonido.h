#pragma once

// The library's sound module.
namespace LibreriaTessarino {

// Starts the sound resource `numero` and returns at once. A sound still playing is stopped first,
// so its buffer is never replaced under the device. No device, or a sound the device refuses,
// is silence.
void ReproducirSonido(int numero);

} // namespace LibreriaTessarino
