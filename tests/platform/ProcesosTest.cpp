// Other programs started detached, and names that must not be started.
#include "Procesos.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

namespace polvareda {
namespace {

namespace fs = std::filesystem;

#ifndef _WIN32
TEST(Procesos, StartsAProgramWithItsArgumentsAndReturnsAtOnce) {
    const fs::path carpeta = fs::path(POLVAREDA_BINARY_DIR) / "tests_tmp" / "platform" / "procesos";
    fs::remove_all(carpeta);
    fs::create_directories(carpeta);
    const fs::path marca = carpeta / "con espacio.txt";
    ASSERT_TRUE(LanzarPrograma(
        "/bin/sh", {"-c", "printf '%s' \"$1\" > \"$2\"", "sh", "/juego", marca.string()}));
    for (int i = 0; i < 200 && !fs::exists(marca); ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    std::ifstream f(marca);
    std::string contenido;
    std::getline(f, contenido);
    EXPECT_EQ(contenido, "/juego");
}
#endif

TEST(Procesos, AMissingProgramIsAFailureNotAStart) {
    EXPECT_FALSE(
        LanzarPrograma(fs::path(POLVAREDA_BINARY_DIR) / "no_existe" / "SetUp", {"/juego"}));
    EXPECT_FALSE(LanzarPrograma(fs::path(POLVAREDA_BINARY_DIR), {}));  // a folder
}

TEST(Procesos, TheOpenerIsNeverGivenAnOption) {
    EXPECT_FALSE(AbrirConEscritorio(""));
    EXPECT_FALSE(AbrirConEscritorio("--help"));
}

}  // namespace
}  // namespace polvareda
