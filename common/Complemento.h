// The byte complement every data file is stored in: a stored byte s holds the value 255 - s.
// Encoding and decoding are the same operation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "ArchivoAcotado.h"

namespace polvareda {

void Complementar(std::span<std::uint8_t> bytes);

// Decodes (or encodes) a file in place: one read of the whole file, one write back.
// Only an existing file is touched. Returns false when it could not be read or written whole.
bool ComplementarArchivo(const std::filesystem::path& archivo);

// A stored file's decoded bytes, read as LeerArchivoAcotado reads them.
std::optional<std::string> LeerComplementado(const std::filesystem::path& archivo,
                                             std::size_t limite, Exceso exceso);

}  // namespace polvareda
