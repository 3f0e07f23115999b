#pragma once

// The library's sound module.
namespace LibreriaTessarino {

// Starts the sound resource `numero` and returns at once. A sound still playing is stopped first,
// so its buffer is never replaced under the device. No device, or a sound the device refuses,
// is silence.
void ReproducirSonido(int numero);

// Stops the sound playing, if any, and waits for its thread to end (two seconds at most: a thread
// stuck in a device that stopped taking sound is left behind, and the library stays loaded for
// it). Must run before the library is unloaded: unloading holds the loader's lock, which a
// sound's thread may be waiting for (the audio library loads its plugins).
void DetenerSonido();

} // namespace LibreriaTessarino
