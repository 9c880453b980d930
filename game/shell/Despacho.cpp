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

void Llamar(const std::function<void(const Evento&)>& manejador, const Evento& evento) {
    // A copy: the handler may replace itself while it runs.
    const auto copia = manejador;
    if (copia) copia(evento);
}

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
    Ventana& v = m.ventana;
    switch (evento.tipo) {
        case TipoEvento::TeclaPulsada:
            if (!TeclaDeEscritorio(m, evento)) Llamar(v.alPulsarTecla, evento);
            break;
        case TipoEvento::TeclaSoltada:
            if (!TeclaDeEscritorio(m, evento)) Llamar(v.alSoltarTecla, evento);
            break;
        case TipoEvento::FocoPerdido:
        case TipoEvento::FocoGanado:
            CambioDeFoco(m, evento.tipo == TipoEvento::FocoGanado);
            break;
        case TipoEvento::RatonPulsado:
            Llamar(v.alPulsarRaton, evento);
            break;
        case TipoEvento::RatonSoltado:
            Llamar(v.alSoltarRaton, evento);
            break;
        case TipoEvento::RatonMovido:
            Llamar(v.alMoverRaton, evento);
            break;
        case TipoEvento::MandoConectado:
        case TipoEvento::MandoDesconectado:
            m.joystickConectado = m.plataforma.Joysticks() > 0;
            Llamar(v.alMando, evento);
            break;
        case TipoEvento::MandoPulsado:
        case TipoEvento::MandoSoltado: {
            // A button's trace line, as a key's: its state right after the button's effect.
            const bool conocido = evento.boton >= 0 && evento.boton < kBotonesMando;
            LineaDeCausa linea(
                m.traza, evento.tipo == TipoEvento::MandoPulsado ? "paddown" : "padup",
                conocido ? ", \"button\": " + CadenaJson(kNombresBotonMando[evento.boton])
                         : std::string());
            Llamar(v.alMando, evento);
            break;
        }
        case TipoEvento::MandoEje:
            Llamar(v.alMando, evento);
            break;
        case TipoEvento::Cerrar:
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
