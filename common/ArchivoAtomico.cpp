// Whole-file replacement through a sibling file and a rename. The sibling is created
// exclusively with its permissions, so it has them before it holds anything, written, flushed
// to the disk, and renamed; the folder is flushed before and after the rename, so that after a
// power cut the folder names either the old file or the whole new one. A file that is a
// symbolic link is replaced where the link points, as editors write through such files.
#include "ArchivoAtomico.h"

#include <fcntl.h>

#include <cerrno>
#include <random>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <windows.h>

#include <io.h>
#include <sys/stat.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace polvareda {

namespace {

std::filesystem::path NombreTemporal(const std::filesystem::path& archivo) {
    static std::random_device azar;
    std::uniform_int_distribution<unsigned> cifra(0, 15);
    std::string sufijo;
    for (int i = 0; i < 8; ++i) sufijo += "0123456789abcdef"[cifra(azar)];
    // Built from the path itself, not its narrow text, which on Windows cannot hold every name.
    std::filesystem::path temporal = archivo.parent_path() / ".";
    temporal += archivo.filename();
    temporal += "." + sufijo + ".tmp";
    return temporal;
}

#ifdef _WIN32

// Windows has no folder flush; its rename over an existing file is already a replacement. Its
// only permission is the read-only mark, which a new file gets from the missing write bit.
int AbrirExclusivo(const std::filesystem::path& ruta,
                   std::optional<std::filesystem::perms> permisos) {
    const bool soloLectura = permisos && (*permisos & std::filesystem::perms::owner_write) ==
                                             std::filesystem::perms::none;
    return _wopen(ruta.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                  soloLectura ? _S_IREAD : _S_IREAD | _S_IWRITE);
}
bool EscribirTodo(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const unsigned trozo = bytes.size() > 1u << 30 ? 1u << 30 : unsigned(bytes.size());
        const int escritos = _write(fd, bytes.data(), trozo);
        if (escritos <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return true;
}
bool VolcarArchivo(int fd) {
    return _commit(fd) == 0;
}
bool CerrarArchivo(int fd) {
    return _close(fd) == 0;
}
bool VolcarCarpeta(const std::filesystem::path&) {
    return true;
}

#else

// The permissions go to the creation itself; the creation mask may take bits away from
// them, so they are set once more on the open file (never by its name, which another program
// could have replaced meanwhile).
int AbrirExclusivo(const std::filesystem::path& ruta,
                   std::optional<std::filesystem::perms> permisos) {
    const auto modo =
        permisos ? static_cast<mode_t>(*permisos & std::filesystem::perms::mask) : mode_t{0666};
    const int fd = ::open(ruta.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
    if (fd >= 0 && permisos && ::fchmod(fd, modo) != 0) {
        ::close(fd);
        ::unlink(ruta.c_str());
        errno = EPERM;
        return -1;
    }
    return fd;
}
bool EscribirTodo(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t escritos = ::write(fd, bytes.data(), bytes.size());
        if (escritos < 0 && errno == EINTR) continue;
        if (escritos <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(escritos));
    }
    return true;
}
bool VolcarArchivo(int fd) {
    return ::fsync(fd) == 0;
}
bool CerrarArchivo(int fd) {
    return ::close(fd) == 0;
}
bool VolcarCarpeta(const std::filesystem::path& carpeta) {
    const int fd =
        ::open(carpeta.empty() ? "." : carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return false;
    const bool bien = ::fsync(fd) == 0;
    ::close(fd);
    return bien;
}

#endif

// The file a chain of symbolic links ends at (the file itself when it is none); nothing when
// the chain is too long to be anything but a loop.
std::optional<std::filesystem::path> DestinoDeEnlaces(std::filesystem::path archivo) {
    for (int salto = 0; salto < 40; ++salto) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(archivo, error)))
            return archivo;
        const std::filesystem::path destino = std::filesystem::read_symlink(archivo, error);
        if (error) return std::nullopt;
        archivo = destino.is_absolute() ? destino : archivo.parent_path() / destino;
    }
    return std::nullopt;
}

enum class Resultado { Hecho, Ocupado, Fallo };

Resultado Reemplazar(const std::filesystem::path& archivo, const std::filesystem::path& hermano,
                     std::string_view bytes, std::optional<std::filesystem::perms> permisos) {
    const int fd = AbrirExclusivo(hermano, permisos);
    if (fd < 0) return errno == EEXIST ? Resultado::Ocupado : Resultado::Fallo;
    bool bien = EscribirTodo(fd, bytes) && VolcarArchivo(fd);
    bien = CerrarArchivo(fd) && bien;
    const std::filesystem::path carpeta = archivo.parent_path();
    bien = bien && VolcarCarpeta(carpeta);
    std::error_code error;
    if (bien) {
#ifdef _WIN32
        // Windows cannot flush a folder: the rename itself is written through to the disk.
        bien = MoveFileExW(hermano.c_str(), archivo.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
#else
        std::filesystem::rename(hermano, archivo, error);
        bien = !error;
#endif
    }
    if (!bien) {
        std::filesystem::remove(hermano, error);
        return Resultado::Fallo;
    }
    // The new file is in place; a folder that cannot be flushed now changes nothing for the
    // caller, who could not have the old file back anyway.
    VolcarCarpeta(carpeta);
    return Resultado::Hecho;
}

}  // namespace

bool ReemplazarArchivoPor(const std::filesystem::path& archivo,
                          const std::filesystem::path& hermano, std::string_view bytes,
                          std::optional<std::filesystem::perms> permisos) {
    return Reemplazar(archivo, hermano, bytes, permisos) == Resultado::Hecho;
}

bool ReemplazarArchivo(const std::filesystem::path& archivo, std::string_view bytes,
                       std::optional<std::filesystem::perms> permisos) {
    const auto destino = DestinoDeEnlaces(archivo);
    if (!destino) return false;
    // A name taken between the choice and the exclusive creation costs another try with a new
    // name; any other failure ends the write.
    for (int intento = 0; intento < 16; ++intento) {
        const Resultado hecho = Reemplazar(*destino, NombreTemporal(*destino), bytes, permisos);
        if (hecho != Resultado::Ocupado) return hecho == Resultado::Hecho;
    }
    return false;
}

}  // namespace polvareda
