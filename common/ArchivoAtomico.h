// Replacing a file whole and at once: the new bytes go to a hidden sibling file that is then
// renamed over the file, so a crash, a full disk or a power cut never leaves half a file behind.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace polvareda {

// Writes `bytes` to `archivo` (created when missing); a symbolic link is written through to
// the file it points to, and stays a link. `permisos`, when given, are the new file's from its
// creation, before its contents are written (the old file's, so that replacing keeps them).
// Returns false, leaving the file as it was and no sibling behind, when anything fails.
bool ReemplazarArchivo(const std::filesystem::path& archivo, std::string_view bytes,
                       std::optional<std::filesystem::perms> permisos = std::nullopt);

// The same through a sibling of a fixed name, `hermano`, which must not exist (a leftover is
// the caller's to remove): it is created exclusively, so a link or file put in its place is
// never written through.
bool ReemplazarArchivoPor(const std::filesystem::path& archivo,
                          const std::filesystem::path& hermano, std::string_view bytes,
                          std::optional<std::filesystem::perms> permisos = std::nullopt);

}  // namespace polvareda
