// Plays music pieces through the game's own sound device, each for a given time, then the sound
// effects one after another, and prints how long each piece took to start (the mixer holds
// one piece at a time, so a change of piece loads it) and the process's peak resident size. With
// SDL's disk driver (SDL_AUDIODRIVER=disk, SDL_DISKAUDIOFILE=FILE) the mix lands in FILE as 16-bit
// stereo at 44100 Hz, so bench/medir_musica.sh can compare the levels of music and effects, and
// each effect's latency is measured: how long after the call the buffer that holds its start
// was mixed (a real device then plays it after the buffer it is playing). With
// TEMAS_EN_BUCLE=1 each piece repeats for as long as it is played (bench/contar_musica.sh).
// polvareda_musica_ogg is the device as the web builds it: it plays the n-th piece's rendering,
// MUS/Tema<n>.ogg in GAME_FOLDER.
//   polvareda_musica GAME_FOLDER PIECE.mid[,PIECE.mid...] SECONDS [EFFECT.wav...]
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
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
        const char* bucle = std::getenv("TEMAS_EN_BUCLE");
        audio->TocarTema(static_cast<int>(i) + 1, bucle && std::string(bucle) == "1" ? -1 : 0);
        const std::chrono::duration<double, std::milli> arranque =
            std::chrono::steady_clock::now() - antes;
        std::printf("%s starts in %.1f ms\n", piezas[i].c_str(), arranque.count());
        std::this_thread::sleep_for(std::chrono::duration<double>(std::atof(argv[3])));
    }
    audio->PararTema();
    // Each effect's latency, with the disk driver: when the buffer holding its first sound was
    // mixed, against when it was asked for. The driver writes each buffer right after mixing it,
    // through a stdio buffer that reaches the file in whole blocks, so the moments the file grows
    // are recorded all along and each buffer's moment is read off the block that carried it.
    const char* mezcla = std::getenv("SDL_DISKAUDIOFILE");
    using Reloj = std::chrono::steady_clock;
    std::vector<std::pair<Reloj::time_point, std::uintmax_t>> crecidas;
    std::atomic<bool> vigilar = mezcla != nullptr;
    std::thread vigia([&] {
        std::uintmax_t visto = 0;
        std::error_code error;
        while (vigilar) {
            const auto tamano = std::filesystem::file_size(mezcla, error);
            if (!error && tamano != visto) crecidas.emplace_back(Reloj::now(), visto = tamano);
            std::this_thread::sleep_for(std::chrono::microseconds(100));
        }
    });
    std::vector<std::pair<Reloj::time_point, std::uintmax_t>> llamadas;
    for (int i = 4; i < argc; ++i) {
        const int muestra = audio->CargarMuestra(argv[i]);
        if (muestra < 0) continue;
        std::error_code error;
        llamadas.emplace_back(Reloj::now(), mezcla ? std::filesystem::file_size(mezcla, error) : 0);
        audio->Tocar(0, muestra, false);
        while (audio->Sonando(0)) std::this_thread::sleep_for(std::chrono::milliseconds(10));
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    vigilar = false;
    vigia.join();
    if (mezcla && !llamadas.empty() && !crecidas.empty()) {
        std::ifstream archivo(mezcla, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(archivo)), {});
        constexpr std::uintmax_t kBuffer = 1024 * 4;  // the device's buffer, in bytes
        const double periodo = 1024 * 1000.0 / 44100;
        double suma = 0, mayor = 0;
        int medidas = 0;
        for (const auto& [cuando, desde] : llamadas) {
            // The first sound after the call: the effects start within 2 ms of their files.
            std::uintmax_t b = desde - desde % 4;
            while (b + 1 < bytes.size() && bytes[b] == 0 && bytes[b + 1] == 0) b += 2;
            const std::uintmax_t fin = (b / kBuffer + 1) * kBuffer;  // its buffer's last byte
            const auto bloque = std::find_if(crecidas.begin(), crecidas.end(),
                                             [&](const auto& c) { return c.second >= fin; });
            if (b + 1 >= bytes.size() || bloque == crecidas.end()) continue;
            const double ms =
                std::chrono::duration<double, std::milli>(bloque->first - cuando).count() -
                static_cast<double>((bloque->second - fin) / kBuffer) * periodo;
            suma += ms;
            mayor = std::max(mayor, ms);
            ++medidas;
        }
        std::printf(
            "effects mixed after the call: mean %.1f ms, longest %.1f ms (%d effects; a "
            "device then plays them after the %.1f ms buffer it is playing)\n",
            suma / std::max(medidas, 1), mayor, medidas, periodo);
    }
    rusage uso{};
    getrusage(RUSAGE_SELF, &uso);
    std::printf("peak resident: %ld MiB\n", uso.ru_maxrss / 1024);
    return 0;
}
