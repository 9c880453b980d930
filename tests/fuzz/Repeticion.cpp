// Replays saved inputs through a fuzz target without the fuzzer, so that the seeds and every
// input that once crashed run in any build, GCC's too. Arguments are files or folders of files.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo);

namespace {

int Repetir(const std::filesystem::path& archivo) {
    std::ifstream entrada(archivo, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(entrada)),
                                          std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(bytes.data(), bytes.size());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    int entradas = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path ruta = argv[i];
        if (std::filesystem::is_directory(ruta)) {
            for (const auto& entrada : std::filesystem::directory_iterator(ruta))
                if (entrada.is_regular_file()) entradas += Repetir(entrada.path());
        } else {
            entradas += Repetir(ruta);
        }
    }
    std::printf("%d inputs replayed\n", entradas);
    return entradas > 0 ? 0 : 1;
}
