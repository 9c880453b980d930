// A lock on a folder that copies of the game running side by side take in turn, so that one
// reads, merges and replaces the stored scores while the others wait.
#pragma once

#include <filesystem>

namespace polvareda {

class CerrojoCarpeta {
  public:
    // Waits until no other copy holds the folder's lock and takes it. A folder that cannot be
    // locked (gone, or a file system without locks) leaves it untaken: the write goes on
    // unguarded, as a single copy's always did.
    explicit CerrojoCarpeta(const std::filesystem::path& carpeta);
    ~CerrojoCarpeta();
    CerrojoCarpeta(const CerrojoCarpeta&) = delete;
    CerrojoCarpeta& operator=(const CerrojoCarpeta&) = delete;

    bool Tomado() const { return tomado_; }

  private:
#ifdef _WIN32
    void* manejador_ = nullptr;
#else
    int fd_ = -1;
#endif
    bool tomado_ = false;
};

}  // namespace polvareda
