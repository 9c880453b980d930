// The folder lock: on POSIX systems an exclusive flock on the folder itself; on Windows, which
// cannot lock a folder, LockFileEx on a hidden file kept in it for the purpose.
#include "CerrojoCarpeta.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#endif

namespace polvareda {

#ifdef _WIN32

CerrojoCarpeta::CerrojoCarpeta(const std::filesystem::path& carpeta) {
    const std::filesystem::path archivo = carpeta / "Polvareda.cerrojo";
    HANDLE h = CreateFileW(archivo.c_str(), GENERIC_READ | GENERIC_WRITE,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_HIDDEN, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    manejador_ = h;
    OVERLAPPED zona{};
    tomado_ = LockFileEx(h, LOCKFILE_EXCLUSIVE_LOCK, 0, 1, 0, &zona) != 0;
}

CerrojoCarpeta::~CerrojoCarpeta() {
    if (manejador_ == nullptr) return;
    if (tomado_) {
        OVERLAPPED zona{};
        UnlockFileEx(manejador_, 0, 1, 0, &zona);
    }
    CloseHandle(manejador_);
}

#else

CerrojoCarpeta::CerrojoCarpeta(const std::filesystem::path& carpeta) {
    fd_ = ::open(carpeta.empty() ? "." : carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd_ < 0) return;
    int r = 0;
    while ((r = ::flock(fd_, LOCK_EX)) != 0 && errno == EINTR) {
    }
    tomado_ = r == 0;
}

CerrojoCarpeta::~CerrojoCarpeta() {
    // Closing the folder lets the lock go.
    if (fd_ >= 0) ::close(fd_);
}

#endif

}  // namespace polvareda
