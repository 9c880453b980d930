// Virtual-key codes of a PC keyboard, as the configuration file and the key handlers use them.
#pragma once

namespace polvareda::vk {

constexpr int BotonIzquierdo = 1;
constexpr int BotonDerecho = 2;
constexpr int Cancelar = 3;
constexpr int BotonCentral = 4;
constexpr int Retroceso = 8;
constexpr int Tabulador = 9;
constexpr int Intro = 13;
constexpr int Mayusculas = 16;
constexpr int Control = 17;
constexpr int Alt = 18;
constexpr int Pausa = 19;
constexpr int BloqMayus = 20;
constexpr int Escape = 27;
constexpr int Espacio = 32;
constexpr int RePag = 33;
constexpr int AvPag = 34;
constexpr int Fin = 35;
constexpr int Inicio = 36;
constexpr int Izquierda = 37;
constexpr int Arriba = 38;
constexpr int Derecha = 39;
constexpr int Abajo = 40;
constexpr int ImprPant = 44;
constexpr int Insertar = 45;
constexpr int Suprimir = 46;
constexpr int Cero = 48;  // '0'..'9' are 48..57
constexpr int A = 65;     // 'A'..'Z' are 65..90
constexpr int WindowsIzq = 91;
constexpr int WindowsDer = 92;
constexpr int Aplicaciones = 93;
constexpr int Numerico0 = 96;  // keypad 0..9 are 96..105
constexpr int Multiplicar = 106;
constexpr int Sumar = 107;
constexpr int Restar = 109;
constexpr int Decimal = 110;
constexpr int Dividir = 111;
constexpr int F1 = 112;  // F1..F12 are 112..123
constexpr int BloqNum = 144;
constexpr int BloqDespl = 145;
constexpr int PuntoYComa = 186;  // the OEM keys of a US layout: ; = , - . / ` [ \ ] '
constexpr int Igual = 187;
constexpr int Coma = 188;
constexpr int Guion = 189;
constexpr int Punto = 190;
constexpr int Barra = 191;
constexpr int Acento = 192;
constexpr int CorcheteAbre = 219;
constexpr int BarraInversa = 220;
constexpr int CorcheteCierra = 221;
constexpr int Apostrofo = 222;
constexpr int Menor = 226;  // the extra key left of Z on European keyboards

}  // namespace polvareda::vk
