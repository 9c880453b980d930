// Profile files (sections of "key=value" lines) read and written by the classic rules the
// configuration, language and setup files were made for.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace polvareda {

// The classic reading buffer holds 255 characters including the terminating NUL.
constexpr std::size_t kBufferPerfil = 255;

// A larger file is no profile of ours: reading it gives the defaults and writing refuses it.
constexpr std::size_t kTamanoMaximoPerfil = 16u << 20;

// Reading, on the text of a whole file (bytes in the file's code page, any line ends).
// Section and key names match without regard to case (ASCII) and without the blanks around
// the names asked for; the first matching section and, inside it, the first matching key
// count; blanks around the value are dropped; a value in matching single or double quotes
// loses them; the result is cut to 254 characters. Returns `porDefecto` (trailing blanks
// dropped, cut the same way) when the section or key is missing. Lines end in CR LF, LF or a
// lone CR; a "[" line without its "]" opens no section; lines starting with ';' and lines
// without '=' are ignored; NUL and other bytes are ordinary characters. A text starting with a
// UTF-8 or UTF-16 byte-order mark is read as its Windows-1252 conversion.
std::string LeerValorPerfil(std::string_view texto, std::string_view seccion,
                            std::string_view clave, std::string_view porDefecto);

// The whole text of a profile file, to read several keys from; nothing when it is missing,
// unreadable or oversized.
std::optional<std::string> LeerTextoPerfil(const std::filesystem::path& archivo);

// The same on a file; an unreadable, missing or oversized file gives the default.
std::string LeerPerfil(const std::filesystem::path& archivo, std::string_view seccion,
                       std::string_view clave, std::string_view porDefecto);

// Writing, on the text of a whole file: replaces the first matching key's line in place,
// appends the key at the end of the section when missing, appends the section at the end of
// the text when missing. Every other line stays as it was. New lines end in CR LF.
// A text in UTF-8 or UTF-16 with its byte-order mark keeps that encoding: the Windows-1252
// names and value are converted into it.
// A value is cut at its first line break; a section or key name that could not be read back
// as itself (empty, blanks around it, a line break, ']' in a section, '=' in a key, a key
// starting with ';' or '[') leaves the text unchanged.
std::string EscribirValorPerfil(std::string_view texto, std::string_view seccion,
                                std::string_view clave, std::string_view valor);

// The same on a file, created when missing, replaced atomically (a sibling file renamed over
// it). Returns false, leaving the file as it was, when it cannot be written: a read-only or
// oversized file, broken UTF-16, an unwritable folder, a name that cannot be written.
bool EscribirPerfil(const std::filesystem::path& archivo, std::string_view seccion,
                    std::string_view clave, std::string_view valor);

// One value to write: section, key, value.
struct ValorPerfil {
    std::string_view seccion;
    std::string_view clave;
    std::string_view valor;
};

// Several values written in this order, by the same rules, in one replacement of the file:
// either all of them reach the file or none does. False (nothing written) when any section or
// key name could not be written or the file cannot be replaced.
bool EscribirPerfil(const std::filesystem::path& archivo, std::span<const ValorPerfil> valores);

}  // namespace polvareda
