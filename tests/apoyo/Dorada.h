// Golden pictures: a picture compared pixel for pixel with the PNG kept beside the tests.
// Rewritten only on purpose, with POLVAREDA_UPDATE_GOLDEN=1; a missing one fails.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Plataforma.h"

namespace polvareda::prueba {

inline void CompararConDorada(const Imagen& imagen, const std::filesystem::path& carpeta,
                              const std::string& nombre) {
    namespace fs = std::filesystem;
    const fs::path dorada = carpeta / nombre;
    const char* actualizar = std::getenv("POLVAREDA_UPDATE_GOLDEN");
    if (actualizar != nullptr && std::string(actualizar) == "1") {
        ASSERT_TRUE(GuardarPng(imagen, dorada)) << dorada;
        return;
    }
    const std::optional<Imagen> esperada = CargarImagen(dorada);
    ASSERT_TRUE(esperada) << "no golden picture " << dorada
                          << "; make it with POLVAREDA_UPDATE_GOLDEN=1 and look at it";
    if (*esperada == imagen) return;
    const fs::path obtenida = fs::path(POLVAREDA_BINARY_DIR) / ("obtenida_" + nombre);
    GuardarPng(imagen, obtenida);
    ADD_FAILURE() << nombre << " differs; picture written to " << obtenida;
}

}  // namespace polvareda::prueba
