// The platform's events handed to the desktop keys, the input dispatch and the script's requests.
#include "Despacho.h"

#include <fstream>
#include <iostream>

#include "Escritorio.h"
#include "Estado.h"
#include "Modulo.h"
#include "Salida.h"

namespace polvareda {

namespace {

void VolcarImagen(const Modulo& m, const std::string& archivo) {
    const Imagen& imagen = m.ventana.lienzo.Pixeles();
    if (!m.ventana.abierta || imagen.Empty() || !GuardarPng(imagen, archivo))
        std::cerr << "Polvareda: cannot write the picture to " << archivo << "\n";
}

void VolcarEstado(const Modulo& m, const std::string& archivo) {
    const std::string linea = EstadoJson(m) + "\n";
    if (archivo.empty()) {
        std::cout << linea << std::flush;
        return;
    }
    std::ofstream salida(archivo, std::ios::binary | std::ios::app);
    salida << linea;
    if (!salida) std::cerr << "Polvareda: cannot write the state to " << archivo << "\n";
}

}  // namespace

void AtenderEvento(Modulo& m, const Evento& evento) {
    switch (evento.tipo) {
        case TipoEvento::TeclaPulsada:
        case TipoEvento::TeclaSoltada:
            if (!TeclaDeEscritorio(m, evento)) m.entrada.Atender(evento);
            break;
        case TipoEvento::FocoPerdido:
        case TipoEvento::FocoGanado:
            CambioDeFoco(m, evento.tipo == TipoEvento::FocoGanado);
            break;
        case TipoEvento::RatonPulsado:
        case TipoEvento::RatonSoltado:
        case TipoEvento::MandoPulsado:
        case TipoEvento::MandoSoltado:
        case TipoEvento::MandoEje:
            m.entrada.Atender(evento);
            break;
        case TipoEvento::RatonMovido:
            break;  // the game does not use the pointer's position
        case TipoEvento::MandoConectado:
        case TipoEvento::MandoDesconectado:
            m.joystickConectado = m.plataforma.Joysticks() > 0;
            m.entrada.Atender(evento);
            break;
        case TipoEvento::Cerrar:
            m.entrada.Atender(evento);  // what a screen holds unwritten is written first
            CierreDeVentana(m);
            throw FinDelPrograma{0};
        case TipoEvento::FinDelGuion:
            Terminar(m);
        case TipoEvento::VolcarImagen:
            VolcarImagen(m, evento.archivo);
            break;
        case TipoEvento::VolcarEstado:
            VolcarEstado(m, evento.archivo);
            break;
        case TipoEvento::TocarEfecto:
            m.sonidos.Tocar(evento.tecla);
            break;
        case TipoEvento::TocarMusica:
            m.sonidos.TocarTema(evento.tecla);
            break;
    }
}

}  // namespace polvareda
