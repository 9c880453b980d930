// The play trace: one state line per cause, written when the cause's immediate effect is done.
#include "Traza.h"

namespace polvareda {

bool Traza::Abrir(const std::filesystem::path& archivo) {
    archivo_.open(archivo, std::ios::binary | std::ios::app);
    return archivo_.is_open() && archivo_.good();
}

bool Traza::Cerrar() {
    if (!archivo_.is_open()) return true;
    archivo_.close();
    return !archivo_.fail();
}

void Traza::Escribir(std::string_view por, std::string_view extra) {
    if (!linea_) return;
    archivo_ << linea_(por, extra) << '\n';
    // Flushed line by line: a tester's trace must be whole even when the game is killed.
    archivo_.flush();
}

void Traza::Trazar(std::string_view por, std::string_view extra) {
    if (!Abierta()) return;
    TrazarCausa();
    Escribir(por, extra);
}

void Traza::TrazarCausa() {
    if (!causa_) return;
    const auto causa = std::move(*causa_);
    causa_.reset();
    if (Abierta()) Escribir(causa.first, causa.second);
}

LineaDeCausa::LineaDeCausa(Traza& traza, std::string por, std::string extra) : traza_(traza) {
    // A cause taken while another one's line is still open closes that line first.
    traza_.TrazarCausa();
    if (traza_.Abierta()) traza_.causa_.emplace(std::move(por), std::move(extra));
}

LineaDeCausa::~LineaDeCausa() {
    traza_.TrazarCausa();
}

}  // namespace polvareda
