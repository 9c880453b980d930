// The whole start-up and shutdown of the game, in-process on the headless platform, with a
// game folder and a system temporary folder of its own per test.
#include "Arranque.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>

#include "ArchivosDatos.h"
#include "CarpetaDePrueba.h"
#include "Despacho.h"
#include "Entorno.h"
#include "Modulo.h"
#include "PlataformaSinPantalla.h"
#include "Salida.h"
#include "SoloPosix.h"
#include "Teclas.h"

namespace polvareda {
namespace {

namespace fs = std::filesystem;
using prueba::Leer;

// What a test looks at once the game has reached its menu; the menu's own stretch cannot
// capture, so it goes through here.
std::function<Etapa(Modulo&)> g_enElMenu;
Etapa EnElMenu(Modulo& m) {
    return g_enElMenu(m);
}

// An event nobody handles, queued well after the presentation so that the end of the script
// (which comes as soon as the queue is empty) finds the game past it.
constexpr std::int64_t kDespuesDeLaPresentacion = 10'000;
void RetenerGuion(PlataformaSinPantalla& plataforma) {
    Evento nada;
    nada.tipo = TipoEvento::RatonMovido;
    plataforma.Encolar(kDespuesDeLaPresentacion, nada);
}

// The lamps lit and a key held before the game starts.
EstadoTeclas TecladoInicial() {
    EstadoTeclas t{};
    t[vk::BloqMayus] = 1;
    t[vk::BloqNum] = 1;
    t[vk::BloqDespl] = 1;
    t[vk::ImprPant] = 1;
    t[vk::Espacio] = 0x80;
    t[vk::A] = 0x80;
    return t;
}

class ArranqueTest : public ::testing::Test {
  protected:
    ArranqueTest() {
        fs::create_directories(sistema_);
        const char* antes = std::getenv(prueba::kVariableTemporal);
        if (antes) tmpdirAnterior_ = antes;
        prueba::PonerVariable(prueba::kVariableTemporal, sistema_.string());
        prueba::Escribir(juego_ / "Polvareda.INI", "[Pantalla]\r\nDDraw=0\r\n");
        plataforma_.FijarEstadoTeclas(TecladoInicial());
        RetenerGuion(plataforma_);
        g_enElMenu = [](Modulo& m) -> Etapa { Terminar(m); };
    }
    ~ArranqueTest() override {
        if (tmpdirAnterior_)
            prueba::PonerVariable(prueba::kVariableTemporal, *tmpdirAnterior_);
        else
            prueba::QuitarVariable(prueba::kVariableTemporal);
        g_enElMenu = nullptr;
    }

    int Correr() {
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{EnElMenu};
        return Main(plataforma_, opciones);
    }

    // Runs the game with the placeholder menu, driven by the events queued.
    int CorrerConMenuDeEspera() {
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        return Main(plataforma_, opciones);
    }

    bool SistemaVacio() const { return fs::is_empty(sistema_); }

    std::vector<std::string> Llamadas(std::string_view que) const {
        std::vector<std::string> detalles;
        for (const auto& l : plataforma_.Llamadas())
            if (l.que == que) detalles.push_back(l.detalle);
        return detalles;
    }

    std::size_t Posicion(std::string_view que) const {
        const auto& l = plataforma_.Llamadas();
        for (std::size_t i = 0; i < l.size(); ++i)
            if (l[i].que == que) return i;
        return l.size();
    }

    prueba::CarpetaDePrueba carpeta_;
    fs::path juego_ = carpeta_ / "juego";
    fs::path sistema_ = carpeta_ / "sistema";
    std::optional<std::string> tmpdirAnterior_;
    PlataformaSinPantalla plataforma_{43200.0};
};

TEST_F(ArranqueTest, ScriptedSoundsAndMusicPlayByNumber) {
    const fs::path fuentes = fs::path(POLVAREDA_SOURCE_DIR) / "assets";
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto12.SND",
                               prueba::Leer(fuentes / "sounds" / "Efecto12.wav"));
    prueba::EscribirCodificado(juego_ / "MUS" / "Tema3.MUS",
                               prueba::Leer(fuentes / "music" / "Tema3.mid"));
    g_enElMenu = [](Modulo& m) -> Etapa {
        Evento evento;
        evento.tipo = TipoEvento::TocarEfecto;
        evento.tecla = 12;
        AtenderEvento(m, evento);
        evento.tipo = TipoEvento::TocarMusica;
        evento.tecla = 3;
        AtenderEvento(m, evento);
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    const auto tocadas = Llamadas("tocar");
    ASSERT_EQ(tocadas.size(), 1u);
    EXPECT_EQ(tocadas[0].rfind("12 ", 0), 0u) << tocadas[0];
    EXPECT_EQ(Llamadas("tocar_tema"), (std::vector<std::string>{"3 0"}));
}

TEST_F(ArranqueTest, ShutdownDeletesEveryTemporaryFileAndThePrivateFolder) {
    prueba::EscribirCodificado(juego_ / "LNG" / "Texto0.LNG", "[Juego]\r\nDia=DAY\r\n");
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto0.SND", "RIFF");
    prueba::EscribirCodificado(juego_ / "MUS" / "Tema1.MUS", "MThd");
    fs::path temporal;
    g_enElMenu = [&](Modulo& m) -> Etapa {
        temporal = m.rutaTemporal;
        EXPECT_EQ(temporal.parent_path(), sistema_);
#ifndef _WIN32
        // Windows has no permission bits beyond read-only.
        EXPECT_EQ(fs::status(temporal).permissions(), fs::perms::owner_all);
#endif
        EXPECT_EQ(m.listaTemporales.parent_path(), temporal);
        EXPECT_EQ(m.listaTemporales.extension(), ".tmp");
        const std::string letras = m.listaTemporales.stem().string();
        EXPECT_EQ(letras.size(), 8u);
        EXPECT_EQ(letras.find_first_not_of("abcdefghijklmnopqrstuvwxy"), std::string::npos);
        for (const char* nombre : {"idioma.tmp", "snd0.tmp", "mus1.tmp"})
            EXPECT_TRUE(fs::exists(temporal / nombre)) << nombre;
        EXPECT_EQ(m.textos.dia, "DAY ");
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    EXPECT_FALSE(temporal.empty());
    EXPECT_TRUE(SistemaVacio());
    EXPECT_FALSE(plataforma_.PantallaAbierta());
    EXPECT_GE(plataforma_.ContadorCursor(), 0);
    EXPECT_EQ(Llamadas("salvapantallas"), (std::vector<std::string>{"1", "0"}));
}

TEST_F(ArranqueTest, SplashComesFirstAndGoesBeforeTheWindowWithTheCursorHidden) {
    EXPECT_EQ(Correr(), 0);
    const auto& l = plataforma_.Llamadas();
    ASSERT_FALSE(l.empty());
    EXPECT_EQ(l.front(), (Llamada{"presentacion", "320x96"}));
    EXPECT_LT(Posicion("quitar_presentacion"), Posicion("pantalla"));
    // The desktop path without a size: the display as it is, full screen.
    EXPECT_EQ(Llamadas("pantalla"), (std::vector<std::string>{"1920x1080 completa"}));
    const auto cursor = Llamadas("cursor");
    ASSERT_FALSE(cursor.empty());
    EXPECT_EQ(cursor.front(), "-1");  // hidden once, before the window
}

TEST_F(ArranqueTest, FullScreenModeOpensTheCanvasWithItsMargins) {
    prueba::Escribir(juego_ / "Polvareda.INI", "[Pantalla]\r\nDDraw=1\r\n");
    g_enElMenu = [](Modulo& m) -> Etapa {
        const Vista& vista = m.ventana.graficos.vista;
        EXPECT_EQ(vista.margenX, 32);
        EXPECT_EQ(vista.margenY, 4);
        EXPECT_EQ(vista.escala.Valor(), 10000);
        EXPECT_EQ(m.ventana.lienzo.Ancho(), 320);
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    EXPECT_EQ(Llamadas("pantalla"), (std::vector<std::string>{"320x200 completa"}));
}

TEST_F(ArranqueTest, LampsAreOffDuringTheGameAndRestoredAfterEveryKindOfEnd) {
    enum class Fin { Escape, Guion, Cerrar };
    for (Fin fin : {Fin::Escape, Fin::Guion, Fin::Cerrar}) {
        SCOPED_TRACE(static_cast<int>(fin));
        PlataformaSinPantalla plataforma(43200.0);
        plataforma.FijarEstadoTeclas(TecladoInicial());
        Evento evento;
        evento.tipo = fin == Fin::Cerrar ? TipoEvento::Cerrar : TipoEvento::TeclaPulsada;
        evento.tecla = vk::Escape;
        if (fin != Fin::Guion)
            plataforma.Encolar(kDespuesDeLaPresentacion, evento);
        else
            RetenerGuion(plataforma);
        EstadoTeclas durante{};
        g_enElMenu = [&](Modulo& m) -> Etapa {
            durante = plataforma.Teclas();
            return PantallaDeEspera(m);
        };
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{EnElMenu};
        EXPECT_EQ(Main(plataforma, opciones), 0);

        for (int vk : {20, 144, 145, 44, 32}) EXPECT_EQ(durante[vk], 0) << vk;
        EXPECT_EQ(durante[vk::A], 0x80);
        EXPECT_EQ(plataforma.Teclas(), TecladoInicial());
        EXPECT_TRUE(SistemaVacio());
        EXPECT_FALSE(plataforma.PantallaAbierta());
        EXPECT_EQ(plataforma.ContadorCursor(), 0);
        // Every way out keeps the scores, closing the window too.
        EXPECT_TRUE(fs::exists(juego_ / "Polvareda.DAT"));
        fs::remove(juego_ / "Polvareda.DAT");
    }
}

TEST_F(ArranqueTest, MissingConfigurationStartsSetUpWithJuegoAndLeavesNothing) {
    fs::remove(juego_ / "Polvareda.INI");
    prueba::Escribir(juego_ / ("SetUp" + std::string(SufijoEjecutable())), "program");
    EXPECT_EQ(Correr(), 0);
    EXPECT_EQ(
        Llamadas("programa"),
        (std::vector<std::string>{
            (juego_ / ("SetUp" + std::string(SufijoEjecutable()))).generic_string() + " /juego"}));
    EXPECT_TRUE(Llamadas("mensaje").empty());
    EXPECT_TRUE(Llamadas("pantalla").empty());
    EXPECT_FALSE(plataforma_.PresentacionVisible());
    EXPECT_EQ(plataforma_.Teclas(), TecladoInicial());
    EXPECT_TRUE(SistemaVacio());
    EXPECT_FALSE(fs::exists(juego_ / "Polvareda.DAT"));
}

TEST_F(ArranqueTest, MissingConfigurationWithoutSetUpSaysSoOnceAndEnds) {
    fs::remove(juego_ / "Polvareda.INI");
    EXPECT_EQ(Correr(), 1);
    EXPECT_TRUE(Llamadas("programa").empty());
    const auto mensajes = Llamadas("mensaje");
    ASSERT_EQ(mensajes.size(), 1u);
    EXPECT_NE(mensajes[0].find("Polvareda.INI"), std::string::npos);
    EXPECT_NE(mensajes[0].find("SetUp"), std::string::npos);
    EXPECT_TRUE(Llamadas("pantalla").empty());
    EXPECT_EQ(plataforma_.Teclas(), TecladoInicial());
    EXPECT_TRUE(SistemaVacio());
}

TEST_F(ArranqueTest, AnInstalledGameKeepsThePlayersFilesApartAndStartsSetUpFromItsPrograms) {
    // The data in the game folder; the configuration and the scores in the player's folder.
    const fs::path jugador = carpeta_ / "jugador";
    const fs::path programas = carpeta_ / "bin";
    fs::create_directories(jugador);
    fs::rename(juego_ / "Polvareda.INI", jugador / "Polvareda.INI");
    int scroll = 0;
    g_enElMenu = [&](Modulo& m) -> Etapa {
        scroll = m.configuracion.scroll;
        m.mejores[1] = {"INSTALLED", 4242};
        Terminar(m);
    };
    prueba::Escribir(jugador / "Polvareda.INI", "[Pantalla]\r\nDDraw=0\r\nScroll=7\r\n");
    OpcionesArranque opciones;
    opciones.carpeta = juego_;
    opciones.carpetaJugador = jugador;
    opciones.carpetaProgramas = programas;
    opciones.primeraEtapa = Etapa{EnElMenu};
    EXPECT_EQ(Main(plataforma_, opciones), 0);
    EXPECT_EQ(scroll, 7);
    EXPECT_TRUE(fs::exists(jugador / "Polvareda.DAT"));
    EXPECT_FALSE(fs::exists(juego_ / "Polvareda.DAT"));

    // Read back from there the next time; without a configuration, SetUp comes from bin.
    RegistroMejor leido;
    g_enElMenu = [&](Modulo& m) -> Etapa {
        leido = m.mejores[1];
        Terminar(m);
    };
    PlataformaSinPantalla otra(43200.0);
    RetenerGuion(otra);
    EXPECT_EQ(Main(otra, opciones), 0);
    EXPECT_EQ(leido, (RegistroMejor{"INSTALLED", 4242}));

    fs::remove(jugador / "Polvareda.INI");
    prueba::Escribir(programas / ("SetUp" + std::string(SufijoEjecutable())), "program");
    PlataformaSinPantalla tercera(43200.0);
    EXPECT_EQ(Main(tercera, opciones), 0);
    ASSERT_FALSE(tercera.Llamadas().empty());
    bool arrancado = false;
    for (const auto& l : tercera.Llamadas())
        arrancado |=
            l.que == "programa" &&
            l.detalle ==
                (programas / ("SetUp" + std::string(SufijoEjecutable()))).generic_string() +
                    " /juego";
    EXPECT_TRUE(arrancado);
}

TEST_F(ArranqueTest, FirstShutdownStoresTheDefaultTableEncodedIn198Lines) {
    EXPECT_EQ(Correr(), 0);
    const std::string texto = prueba::Complemento(Leer(juego_ / "Polvareda.DAT"));
    EXPECT_EQ(texto, TextoMejores(MejoresPorDefecto()));
    std::size_t lineas = 0;
    for (std::size_t p = 0; (p = texto.find("\r\n", p)) != std::string::npos; p += 2) ++lineas;
    EXPECT_EQ(lineas, 198u);
}

TEST_F(ArranqueTest, ScoresChangedInTheGameComeBackNextTime) {
    g_enElMenu = [](Modulo& m) -> Etapa {
        m.mejores[1] = {"NEW SHERIFF", 123456};
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    RegistroMejor leido;
    g_enElMenu = [&](Modulo& m) -> Etapa {
        leido = m.mejores[1];
        EXPECT_EQ(m.mejores[0], (RegistroMejor{"", 999999}));
        Terminar(m);
    };
    PlataformaSinPantalla otra(43200.0);
    RetenerGuion(otra);
    OpcionesArranque opciones;
    opciones.carpeta = juego_;
    opciones.primeraEtapa = Etapa{EnElMenu};
    EXPECT_EQ(Main(otra, opciones), 0);
    EXPECT_EQ(leido, (RegistroMejor{"NEW SHERIFF", 123456}));
}

TEST_F(ArranqueTest, ARecordKeptAtOnceIsStoredOnceAndNotAgainAtShutdown) {
    std::optional<TablaMejores> enSeguida;
    g_enElMenu = [&](Modulo& m) -> Etapa {
        InsertarMejor(m.mejores, 1, "FAST DRAW", 500000);
        m.mejoresNuevos.push_back({"FAST DRAW", 500000});
        GuardarMejoresNuevos(m);
        enSeguida = LeerMejoresGuardados(m.rutaJugador / kArchivoMejores);
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    ASSERT_TRUE(enSeguida);
    EXPECT_EQ((*enSeguida)[1], (RegistroMejor{"FAST DRAW", 500000}));
    const auto alFinal = LeerMejoresGuardados(juego_ / "Polvareda.DAT");
    ASSERT_TRUE(alFinal);
    EXPECT_EQ((*alFinal)[1], (RegistroMejor{"FAST DRAW", 500000}));
    EXPECT_EQ((*alFinal)[2], MejoresPorDefecto()[1]);
}

TEST_F(ArranqueTest, StoredScoresThatCannotBeReadAreNotOverwrittenWithTheDefaults) {
    // Too large to be copied for decoding: the run plays with the default table and leaves
    // the stored one as it was.
    const fs::path dat = juego_ / "Polvareda.DAT";
    prueba::Escribir(dat, "X");
    fs::resize_file(dat, 65u << 20);
    g_enElMenu = [](Modulo& m) -> Etapa {
        EXPECT_EQ(m.mejores[1], MejoresPorDefecto()[1]);
        m.mejores[1] = {"NEW", 6};
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    EXPECT_EQ(fs::file_size(dat), 65u << 20);
    std::ifstream leido(dat, std::ios::binary);
    EXPECT_EQ(leido.get(), 'X');
    EXPECT_TRUE(SistemaVacio());
}

TEST_F(ArranqueTest, ReadOnlyStoredScoresStayExactlyAsTheyWere) {
    const fs::path dat = juego_ / "Polvareda.DAT";
    prueba::EscribirCodificado(dat, "OLD\r\n 5 \r\n");
    fs::permissions(dat, fs::perms::owner_read);
    g_enElMenu = [](Modulo& m) -> Etapa {
        EXPECT_EQ(m.mejores[1], (RegistroMejor{"OLD", 5}));
        m.mejores[1] = {"NEW", 6};
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    EXPECT_EQ(Leer(dat), prueba::Complemento("OLD\r\n 5 \r\n"));
    EXPECT_TRUE(SistemaVacio());
}

TEST_F(ArranqueTest, HostileRegisterLinesNeverDeleteOutsideTheTemporaryFolder) {
    const fs::path victima = carpeta_ / "victima.txt";
    prueba::Escribir(victima, "keep");
    g_enElMenu = [&](Modulo& m) -> Etapa {
        m.registro.Anotar(victima);
        m.registro.Anotar(m.rutaTemporal / ".." / ".." / "victima.txt");
        m.registro.Anotar(m.rutaJuego / "Polvareda.INI");
        m.registro.Anotar(m.rutaTemporal);
        m.registro.Anotar(sistema_);
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    EXPECT_EQ(Leer(victima), "keep");
    EXPECT_TRUE(fs::exists(juego_ / "Polvareda.INI"));
    EXPECT_TRUE(fs::is_directory(sistema_));
    EXPECT_TRUE(SistemaVacio());
}

TEST_F(ArranqueTest, MissingLanguageGivesZeroTextsAndTheRestStillLoads) {
    prueba::Escribir(juego_ / "Polvareda.INI",
                     "[Pantalla]\r\nDDraw=0\r\n[Opciones]\r\nIdioma=7\r\n");
    prueba::EscribirCodificado(juego_ / "SND" / "Efecto3.SND", "RIFF");
    prueba::EscribirCodificado(juego_ / "Polvareda.DAT", "ONE\r\n 1 \r\n");
    g_enElMenu = [](Modulo& m) -> Etapa {
        EXPECT_EQ(m.textos.dia, "0 ");
        EXPECT_EQ(m.textos.sheriff[2], "0 ");
        EXPECT_TRUE(fs::exists(m.rutaTemporal / "snd3.tmp"));
        EXPECT_EQ(m.mejores[1], (RegistroMejor{"ONE", 1}));
        EXPECT_EQ(m.mejores[2], (RegistroMejor{"", 0}));
        Terminar(m);
    };
    EXPECT_EQ(Correr(), 0);
    EXPECT_TRUE(Llamadas("mensaje").empty());
}

TEST_F(ArranqueTest, AFileWithoutLanguageSpeaksTheDesktopsAndAWrittenOneWins) {
    POLVAREDA_SOLO_POSIX("Windows names the desktop's language in its own settings, not in LANG");
    struct Caso {
        const char* lang;
        std::string ini;
        int idioma;
    };
    const Caso casos[] = {{"en_GB.UTF-8", "[Pantalla]\r\nDDraw=0\r\n", 1},
                          {"es_ES.UTF-8", "[Pantalla]\r\nDDraw=0\r\n", 0},
                          {"fr_FR.UTF-8", "[Opciones]\r\nIdioma=4\r\n", 4}};
    for (const Caso& caso : casos) {
        prueba::PonerVariable("LANG", caso.lang);
        prueba::Escribir(juego_ / "Polvareda.INI", caso.ini);
        int idioma = -1;
        g_enElMenu = [&idioma](Modulo& m) -> Etapa {
            idioma = m.configuracion.idioma;
            Terminar(m);
        };
        PlataformaSinPantalla plataforma{43200.0};
        RetenerGuion(plataforma);
        OpcionesArranque opciones;
        opciones.carpeta = juego_;
        opciones.primeraEtapa = Etapa{EnElMenu};
        EXPECT_EQ(Main(plataforma, opciones), 0);
        EXPECT_EQ(idioma, caso.idioma) << caso.lang;
    }
    prueba::PonerVariable("LANG", "C.UTF-8");
}

TEST_F(ArranqueTest, EndOfScriptShutsDownInOrderFromThePlaceholderScreen) {
    EXPECT_EQ(CorrerConMenuDeEspera(), 0);
    EXPECT_TRUE(fs::exists(juego_ / "Polvareda.DAT"));
    EXPECT_TRUE(SistemaVacio());
    EXPECT_EQ(Llamadas("confinar").back(), "libre");
}

}  // namespace
}  // namespace polvareda
