// Plays music pieces through the game's own sound device, each for a given time, then the sound
// effects one after another, and prints how long each piece took to start (the mixer holds
// one piece at a time, so a change of piece loads it) and the process's peak resident size. With
// SDL's disk driver (SDL_AUDIODRIVER=disk, SDL_DISKAUDIOFILE=FILE) the mix lands in FILE as 16-bit
// stereo at 44100 Hz, so bench/medir_musica.sh can compare the levels of music and effects.
//   polvareda_musica GAME_FOLDER PIECE.mid[,PIECE.mid...] SECONDS [EFFECT.wav...]
#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "AudioSDL.h"

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr,
                     "usage: polvareda_musica GAME_FOLDER PIECE.mid[,PIECE.mid...] SECONDS "
                     "[EFFECT.wav...]\n");
        return 2;
    }
    auto audio = polvareda::AbrirAudioSDL(argv[1], nullptr);
    if (!audio) return 1;
    std::vector<std::string> piezas;
    for (std::stringstream lista(argv[2]); lista.good();) {
        std::string pieza;
        std::getline(lista, pieza, ',');
        if (!pieza.empty()) piezas.push_back(pieza);
    }
    for (std::size_t i = 0; i < piezas.size(); ++i) {
        if (!audio->CargarTema(static_cast<int>(i) + 1, piezas[i])) {
            std::fprintf(stderr, "polvareda_musica: %s did not load\n", piezas[i].c_str());
            return 1;
        }
    }
    for (std::size_t i = 0; i < piezas.size(); ++i) {
        const auto antes = std::chrono::steady_clock::now();
        audio->TocarTema(static_cast<int>(i) + 1, 0);
        const std::chrono::duration<double, std::milli> arranque =
            std::chrono::steady_clock::now() - antes;
        std::printf("%s starts in %.1f ms\n", piezas[i].c_str(), arranque.count());
        std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(argv[3])));
    }
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
