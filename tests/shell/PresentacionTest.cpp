// The start-up presentation on the virtual clock, in-process on the headless platform: the
// dedication, the fade of the title, the busy indicator and the game's background, in every
// display configuration, and the end of a run whose screen size cannot be had.
#include "Presentacion.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <optional>
#include <vector>

#include "Arranque.h"
#include "CarpetaDePrueba.h"
#include "Composicion.h"
#include "Entorno.h"
#include "Fondo.h"
#include "Modulo.h"
#include "Panel.h"
#include "PlataformaSinPantalla.h"
#include "Salida.h"
#include "Teclas.h"
#include "Texto.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;

// The headless platform, keeping what the window showed: every present in the small 320 x 200
// mode (with its time), or only the last one before `hasta_` in any mode.
class PlataformaConFotos : public PlataformaSinPantalla {
  public:
    struct Foto {
        std::int64_t ms;
        Imagen imagen;
    };
    explicit PlataformaConFotos(bool todas) : PlataformaSinPantalla(43200.0), todas_(todas) {}

    void Presentar(const Imagen& lienzo, std::span<const Rect> cambios) override {
        PlataformaSinPantalla::Presentar(lienzo, cambios);
        if (todas_) fotos.push_back({AhoraMs(), Ventana()});
        if (AhoraMs() < hasta_) ultima = Ventana();
    }

    std::vector<Foto> fotos;
    Imagen ultima;

  private:
    bool todas_;
    std::int64_t hasta_ = 9'000;
};

// What the game's first stage saw of its window.
std::function<void(Modulo&)> g_alLlegar;
Etapa Llegar(Modulo& m) {
    if (g_alLlegar) g_alLlegar(m);
    return PantallaDeEspera(m);
}

// The built-in pictures drawn through a view of our own, as the game should have drawn them.
struct Referencia {
    Lienzo lienzo;
    Graficos g{lienzo};
    Referencia(Tamano tamano, const Vista& vista) {
        lienzo.Redimensionar(tamano.ancho, tamano.alto);
        g.vista = vista;
        CargarIncorporadas(g.superficies);
        ConstruirDerivadas(g.superficies);
    }
    const Imagen& Pixeles() const { return lienzo.Pixeles(); }
    void Fondo() {
        ConstruirFondo(g);
        RestaurarPantalla(g);
        DibujaPuntos(g, 0, false);
        DibujaVidas(g, 3, false);
    }
};

bool Negra(const Imagen& imagen) {
    for (int y = 0; y < imagen.Height(); ++y)
        for (int x = 0; x < imagen.Width(); ++x)
            if (imagen.At(x, y) != 0) return false;
    return true;
}

bool Iguales(const Imagen& a, const Imagen& b) {
    return a.Width() == b.Width() && a.Height() == b.Height() && a.Pixels() == b.Pixels();
}

bool IgualEn(const Imagen& a, int ax, int ay, const Imagen& b, int w, int h) {
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (a.At(ax + x, ay + y) != b.At(x, y)) return false;
    return true;
}

class PresentacionTest : public ::testing::Test {
  protected:
    PresentacionTest() {
        fs::create_directories(sistema_);
        if (const char* antes = std::getenv(prueba::kVariableTemporal)) tmpdirAnterior_ = antes;
        prueba::PonerVariable(prueba::kVariableTemporal, sistema_.string());
    }
    ~PresentacionTest() override {
        if (tmpdirAnterior_)
            prueba::PonerVariable(prueba::kVariableTemporal, *tmpdirAnterior_);
        else
            prueba::QuitarVariable(prueba::kVariableTemporal);
        g_alLlegar = nullptr;
    }

    // Runs the game until a late event and the end of the script after it.
    int Correr(PlataformaSinPantalla& plataforma, const std::string& ini) {
        prueba::Escribir(juego_ / "Polvareda.INI", ini);
        Evento nada;
        nada.tipo = TipoEvento::RatonMovido;
        plataforma.Encolar(10'000, nada);
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{Llegar};
        return Main(plataforma, opciones);
    }

    static std::vector<std::string> Llamadas(const PlataformaSinPantalla& p, std::string_view que) {
        std::vector<std::string> detalles;
        for (const auto& l : p.Llamadas())
            if (l.que == que) detalles.push_back(l.detalle);
        return detalles;
    }

    prueba::CarpetaDePrueba carpeta_;
    fs::path juego_ = carpeta_ / "juego";
    fs::path sistema_ = carpeta_ / "sistema";
    std::optional<std::string> tmpdirAnterior_;
};

TEST_F(PresentacionTest, DedicationTitleFadeAndBackgroundComeInOrderAndOnTime) {
    PlataformaConFotos p(true);
    prueba::EscribirCodificado(juego_ / "LNG" / "Texto0.LNG", "[Menu]\r\nDedicado=PARA\r\n");
    std::optional<Vista> vista;
    g_alLlegar = [&](Modulo& m) { vista = m.ventana.graficos.vista; };
    ASSERT_EQ(Correr(p, "[Pantalla]\r\nDDraw=1\r\n"), 0);
    ASSERT_TRUE(vista);
    const auto& fotos = p.fotos;

    // The last picture shown at a moment (relative to the first thing drawn).
    std::size_t primera = 0;
    while (primera < fotos.size() && Negra(fotos[primera].imagen)) ++primera;
    ASSERT_LT(primera, fotos.size());
    const std::int64_t t0 = fotos[primera].ms;
    auto En = [&](std::int64_t ms) -> const Imagen& {
        const Imagen* visto = &fotos.front().imagen;
        for (const auto& f : fotos)
            if (f.ms <= t0 + ms) visto = &f.imagen;
        return *visto;
    };

    // One second in: "PARA LUCIA ANDRADE" from column 18 - 4 on row 174, nothing else.
    Referencia dedicatoria({320, 200}, *vista);
    Escribe(dedicatoria.g, 14, kFilaDedicatoria, "PARA LUCIA ANDRADE", 1, kFondoDirecto);
    EXPECT_TRUE(Iguales(En(1000), dedicatoria.Pixeles()));
    EXPECT_FALSE(Negra(En(2999)));
    // Cleared at three seconds, black for half a second, then the title fades in 10 ms a step.
    EXPECT_TRUE(Negra(En(3000)));
    EXPECT_TRUE(Negra(En(3499)));
    Referencia titulo({320, 200}, *vista);
    const Superficie& pantalla = titulo.g.superficies.Pantalla;
    CopiaEscaladaXGA(titulo.g, pantalla, 0, 0, 256, 192, 0, 0);
    EXPECT_FALSE(Iguales(En(3540), titulo.Pixeles()));
    EXPECT_TRUE(Iguales(En(3550), titulo.Pixeles()));

    // Then the indicator at the bottom right alternates while the pictures are made.
    bool uno = false, dos = false;
    const Rect lugar{320 - 72, 200 - 44, 32, 32};
    for (const auto& f : fotos) {
        if (f.ms != t0 + 3560) continue;
        uno |= IgualEn(f.imagen, lugar.x, lugar.y, titulo.g.superficies.reloj[1].imagen, 32, 32);
        dos |= IgualEn(f.imagen, lugar.x, lugar.y, titulo.g.superficies.reloj[2].imagen, 32, 32);
    }
    EXPECT_TRUE(uno);
    EXPECT_TRUE(dos);
    EXPECT_TRUE(IgualEn(En(4059), lugar.x, lugar.y, titulo.g.superficies.reloj[2].imagen, 32, 32));

    // Half a second later it goes and the title fades out to the game's background.
    Referencia fondo({320, 200}, *vista);
    fondo.Fondo();
    EXPECT_FALSE(Iguales(En(4110), fondo.Pixeles()));
    EXPECT_TRUE(Iguales(En(4120), fondo.Pixeles()));
    EXPECT_TRUE(IgualEn(En(4120), 32, 4, fondo.g.superficies.Fondo.imagen, 256, 168));
    EXPECT_TRUE(Iguales(p.ultima, fondo.Pixeles()));

    // The presentation makes no sound.
    EXPECT_TRUE(Llamadas(p, "tocar").empty());
    EXPECT_TRUE(Llamadas(p, "tocar_tema").empty());
}

TEST_F(PresentacionTest, DedicationTooLongForTheScreenIsCutAtItsEdges) {
    PlataformaConFotos p(true);
    prueba::EscribirCodificado(juego_ / "LNG" / "Texto0.LNG",
                               "[Menu]\r\nDedicado=" + std::string(200, 'W') + "\r\n");
    bool llegado = false;
    g_alLlegar = [&](Modulo&) { llegado = true; };
    ASSERT_EQ(Correr(p, "[Pantalla]\r\nDDraw=1\r\n"), 0);
    EXPECT_TRUE(llegado);
    // Only the end of the line fits, ending at the right edge as always.
    Vista vista;
    vista.margenX = 32;
    vista.margenY = 4;
    Referencia dedicatoria({320, 200}, vista);
    Escribe(dedicatoria.g, 18 - 200, kFilaDedicatoria, std::string(200, 'W') + " LUCIA ANDRADE", 1,
            kFondoDirecto);
    std::size_t primera = 0;
    while (primera < p.fotos.size() && Negra(p.fotos[primera].imagen)) ++primera;
    ASSERT_LT(primera, p.fotos.size());
    EXPECT_TRUE(Iguales(p.fotos[primera].imagen, dedicatoria.Pixeles()));
}

TEST_F(PresentacionTest, EveryDisplayConfigurationReachesTheBackground) {
    struct Caso {
        const char* ini;
        const char* pantalla;
        std::int64_t escala;
        Rect imagen;  // where the game picture lies in the canvas
    };
    const Caso casos[] = {
        {"DDraw=1", "320x200 completa", 10000, {32, 4, 256, 192}},
        {"DDraw=0\r\nPantallaCompleta=0\r\nAncho= 640\r\nAlto= 480",
         "640x480 completa",
         10000,
         {192, 144, 256, 192}},
        {"DDraw=0\r\nPantallaCompleta=1\r\nAncho= 800\r\nAlto= 600",
         "800x600 completa",
         30000,
         {16, 12, 768, 576}},
        {"DDraw=0\r\nPantallaCompleta=2\r\nAncho= 800\r\nAlto= 600",
         "800x600 completa",
         31250,
         {0, 0, 800, 600}},
        // 192 x 2.0833 = 399.99: the window is Int() of it, 399 rows, but the drawing rounds.
        {"DDraw=0\r\nPantallaCompleta=2\r\nAncho= 640\r\nAlto= 400",
         "640x400 completa",
         20833,
         {53, 0, 533, 400}},
        {"DDraw=0\r\nPantallaCompleta=1\r\nAncho= 320\r\nAlto= 200",
         "320x200 completa",
         10000,
         {32, 4, 256, 192}},
        {"DDraw=0\r\nPantallaCompleta=1", "1920x1080 completa", 10000, {832, 444, 256, 192}},
        {"DDraw=2\r\nPantallaCompleta=2\r\nAncho= 800\r\nAlto= 600",
         "256x192 ventana",
         10000,
         {0, 0, 256, 192}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.ini);
        PlataformaConFotos p(false);
        std::optional<Vista> vista;
        Tamano lienzo;
        std::int64_t escala = 0;
        g_alLlegar = [&](Modulo& m) {
            vista = m.ventana.graficos.vista;
            lienzo = {m.ventana.lienzo.Ancho(), m.ventana.lienzo.Alto()};
            escala = m.ventana.graficos.vista.escala.Valor();
        };
        ASSERT_EQ(Correr(p, std::string("[Pantalla]\r\n") + caso.ini + "\r\n"), 0);
        ASSERT_TRUE(vista);
        EXPECT_EQ(Llamadas(p, "pantalla"), (std::vector<std::string>{caso.pantalla}));
        EXPECT_TRUE(Llamadas(p, "mensaje").empty());
        EXPECT_EQ(escala, caso.escala);
        EXPECT_EQ(vista->escala.Valor(), caso.escala);
        EXPECT_EQ(vista->Destino(0, 0, 256, 192), caso.imagen);

        Referencia fondo(lienzo, *vista);
        fondo.Fondo();
        EXPECT_TRUE(Iguales(p.ultima, fondo.Pixeles()));
        // Around the picture, the black backdrop.
        const Rect r = caso.imagen;
        if (r.x > 0) {
            EXPECT_EQ(p.ultima.At(r.x - 1, r.y + r.h / 2), 0u);
        }
        if (r.x + r.w < lienzo.ancho) {
            EXPECT_EQ(p.ultima.At(r.x + r.w, r.y + r.h / 2), 0u);
        }
        EXPECT_NE(p.ultima.At(r.x + r.w / 2, r.y + r.h / 2), 0u);
    }
}

TEST_F(PresentacionTest, ExtensionMultiplierEnlargesTheCanvasAndItsUnpackedFilesGo) {
    // A container with a 512 x 384 title picture and the multiplier 2.
    const fs::path png = carpeta_ / "titulo.png";
    ASSERT_TRUE(GuardarPng(Imagen(512, 384, Rgb(0x20, 0x40, 0x60)), png));
    const std::string titulo = prueba::Leer(png);
    std::string xga = "XGA\r\npantalla.gif\r\n" + std::to_string(titulo.size()) + "\r\nXGA\r\n";
    xga += titulo;
    xga += '\x02';
    prueba::EscribirCodificado(juego_ / "XTRAS" / "Doble.XGA", xga);

    struct Caso {
        const char* ini;
        const char* pantalla;
        std::int64_t escala;
        Rect imagen;
    };
    const Caso casos[] = {
        {"DDraw=1", "640x400 completa", 10000, {64, 8, 512, 384}},
        {"DDraw=0\r\nPantallaCompleta=2\r\nAncho= 800\r\nAlto= 600",
         "800x600 completa",
         15625,
         {0, 0, 800, 600}},
        {"DDraw=0\r\nPantallaCompleta=1\r\nAncho= 800\r\nAlto= 600",
         "800x600 completa",
         10000,
         {144, 108, 512, 384}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.ini);
        PlataformaConFotos p(false);
        std::optional<Vista> vista;
        Tamano lienzo;
        Imagen pantalla;
        g_alLlegar = [&](Modulo& m) {
            vista = m.ventana.graficos.vista;
            lienzo = {m.ventana.lienzo.Ancho(), m.ventana.lienzo.Alto()};
            pantalla = m.ventana.graficos.superficies.Pantalla.imagen;
            EXPECT_EQ(m.ventana.graficos.vista.factorXGA, 2);
            EXPECT_TRUE(fs::exists(m.rutaTemporal / "pantalla.gif"));
        };
        ASSERT_EQ(Correr(p, std::string("[Pantalla]\r\nXGA=Doble\r\n") + caso.ini + "\r\n"), 0);
        ASSERT_TRUE(vista);
        EXPECT_EQ(Llamadas(p, "pantalla"), (std::vector<std::string>{caso.pantalla}));
        EXPECT_EQ(vista->factorXGA, 2);
        EXPECT_EQ(vista->escala.Valor(), caso.escala);
        EXPECT_EQ(vista->Destino(0, 0, 256, 192), caso.imagen);
        // The title faded out to black; the extension's title was the one shown.
        EXPECT_EQ(pantalla.Width(), 512);
        Referencia fondo(lienzo, *vista);
        fondo.Fondo();
        EXPECT_TRUE(Iguales(p.ultima, fondo.Pixeles()));
        EXPECT_TRUE(fs::is_empty(sistema_));
    }
}

TEST_F(PresentacionTest, ImpossibleScreenSizeSaysSoAndShutsDownInOrder) {
    const std::pair<const char*, const char*> casos[] = {
        {"Ancho= 640\r\nAlto=0", "Error:  640x 0"},
        {"Ancho=0\r\nAlto= 480", "Error:  0x 480"},
        {"Ancho=-640\r\nAlto=-480", "Error: -640x-480"},
        {"Ancho=20000\r\nAlto=480", "Error:  20000x 480"},
    };
    for (const auto& [tamano, mensaje] : casos) {
        SCOPED_TRACE(tamano);
        PlataformaSinPantalla p(43200.0);
        bool llegado = false;
        g_alLlegar = [&](Modulo&) { llegado = true; };
        EXPECT_EQ(Correr(p, std::string("[Pantalla]\r\nDDraw=0\r\nPantallaCompleta=1\r\n") +
                                tamano + "\r\n"),
                  1);
        EXPECT_FALSE(llegado);
        EXPECT_EQ(Llamadas(p, "mensaje"),
                  (std::vector<std::string>{"Polvareda Plus: " + std::string(mensaje)}));
        EXPECT_TRUE(Llamadas(p, "pantalla").empty());
        // Salir ran: scores stored, temporary files gone, the cursor back.
        EXPECT_TRUE(fs::exists(juego_ / "Polvareda.DAT"));
        EXPECT_TRUE(fs::is_empty(sistema_));
        EXPECT_GE(p.ContadorCursor(), 0);
        fs::remove(juego_ / "Polvareda.DAT");
    }
}

// A window the system will not open: the size error, then the system's reason, then the
// orderly shutdown.
TEST_F(PresentacionTest, AWindowThatCannotBeOpenedGivesTheSystemsReasonAfterTheError) {
    struct SinVentana : PlataformaSinPantalla {
        using PlataformaSinPantalla::PlataformaSinPantalla;
        bool AbrirPantalla(const Pantalla&) override { return false; }
        std::string MotivoPantalla() const override { return "no display mode of that size"; }
    } p(43200.0);
    testing::internal::CaptureStderr();
    EXPECT_EQ(Correr(p, "[Pantalla]\r\nDDraw=2\r\n"), 1);
    const std::string error = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Llamadas(p, "mensaje"),
              (std::vector<std::string>{"Polvareda Plus: Error:  256x 192"}));
    EXPECT_NE(error.find("the window could not be opened: no display mode of that size"),
              std::string::npos)
        << error;
    EXPECT_TRUE(fs::exists(juego_ / "Polvareda.DAT"));
    EXPECT_TRUE(fs::is_empty(sistema_));
}

TEST_F(PresentacionTest, DevicesFollowTheSoundSwitchesAndTheControllersPresent) {
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto0.SND", "RIFF");
    {
        PlataformaSinPantalla p(43200.0);
        p.SinAudio(true);
        p.Joysticks(1);
        bool conectado = false;
        g_alLlegar = [&](Modulo& m) { conectado = m.joystickConectado; };
        ASSERT_EQ(Correr(p, "[Pantalla]\r\nDDraw=2\r\n"), 0);
        EXPECT_EQ(Llamadas(p, "pitido").size(), 1u);
        EXPECT_TRUE(conectado);
    }
    {
        PlataformaSinPantalla p(43200.0);
        bool joystick = true;
        g_alLlegar = [&](Modulo& m) { joystick = m.joystickConectado; };
        ASSERT_EQ(Correr(p, "[Pantalla]\r\nDDraw=2\r\n[Sonido]\r\nSND=0\r\nMUS=0\r\n"), 0);
        EXPECT_TRUE(Llamadas(p, "audio").empty());
        EXPECT_TRUE(Llamadas(p, "pitido").empty());
        EXPECT_FALSE(joystick);
    }
}

}  // namespace
}  // namespace polvareda
