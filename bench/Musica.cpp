// Plays one music piece through the game's own sound device for a given time, then the sound
// effects one after another, and prints the process's peak resident size. With SDL's disk
// driver (SDL_AUDIODRIVER=disk, SDL_DISKAUDIOFILE=FILE) the mix lands in FILE as 16-bit
// stereo at 44100 Hz, so bench/medir_musica.sh can compare the levels of music and effects.
//   polvareda_musica GAME_FOLDER PIECE.mid SECONDS [EFFECT.wav...]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <thread>

#include "AudioSDL.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: polvareda_musica GAME_FOLDER PIECE.mid SECONDS [EFFECT.wav...]\n");
        return 2;
    }
    auto audio = polvareda::AbrirAudioSDL(argv[1], nullptr);
    if (!audio) return 1;
    if (!audio->CargarTema(1, argv[2])) {
        std::fprintf(stderr, "polvareda_musica: the piece did not load\n");
        return 1;
    }
    audio->TocarTema(1, 0);
    std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(argv[3])));
    audio->PararTema();
    for (int i = 4; i < argc; ++i) {
        const int muestra = audio->CargarMuestra(argv[i]);
        if (muestra < 0) continue;
        audio->Tocar(0, muestra, false);
        while (audio->Sonando(0)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("peak resident: %ld MiB\n", uso.ru_maxrss / 1024);
    return 0;
}
