// Reading a whole file that came from outside, with a ceiling on how much is read, so that a
// huge or endless file cannot exhaust memory.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace polvareda {

// Score tables and language files are a few kilobytes; anything past this is ignored.
constexpr std::size_t kLimiteTexto = 1024 * 1024;

// The file's first `limite` bytes (all of it when shorter); nothing when it cannot be opened
// as a regular file.
std::optional<std::string> LeerArchivoAcotado(const std::filesystem::path& archivo,
                                              std::size_t limite = kLimiteTexto);

}  // namespace polvareda
