// Prints the configuration file a fresh SetUp writes by default, or writes it to the file
// named on the command line:  configdefault [Polvareda.INI]
#include <fstream>
#include <iostream>
#include <string>

#include "Configuracion.h"

int main(int argc, char** argv) {
    const std::string texto = polvareda::ConfiguracionPorDefecto();
    if (argc < 2) {
        std::cout << texto;
        return std::cout ? 0 : 1;
    }
    if (argc > 2) {
        std::cerr << "usage: configdefault [FILE]\n";
        return 2;
    }
    std::ofstream salida(argv[1], std::ios::binary | std::ios::trunc);
    salida << texto;
    salida.close();
    if (!salida) {
        std::cerr << "configdefault: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
