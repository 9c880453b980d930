// Reading a whole file that came from outside, with a ceiling on how much is read, so that a
// huge or endless file cannot exhaust memory. Every reader of a whole file goes through here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace polvareda {

// Score tables and language files are a few kilobytes; anything past this is ignored.
constexpr std::size_t kLimiteTexto = 1024 * 1024;

// What a file larger than the ceiling gives: its first bytes, or nothing at all.
enum class Exceso { Cortar, Rechazar };

// The file's bytes: all of them, or the first `limite` of a larger file (Cortar), or nothing
// for a larger file (Rechazar). Nothing when it cannot be opened as a regular file, and with
// Rechazar when it cannot be read whole.
std::optional<std::string> LeerArchivoAcotado(const std::filesystem::path& archivo,
                                              std::size_t limite = kLimiteTexto,
                                              Exceso exceso = Exceso::Cortar);

// The bytes of a text as the unsigned bytes binary readers take.
inline std::span<const std::uint8_t> ComoBytes(std::string_view texto) {
    return {reinterpret_cast<const std::uint8_t*>(texto.data()), texto.size()};
}

}  // namespace polvareda
