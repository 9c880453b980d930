// The credits screen: its rows and headings, its links, the keys and OK.
#include <gtest/gtest.h>

#include "ApoyoSetUp.h"

namespace polvareda::setup {

namespace {

using polvareda::prueba::CarpetaDePrueba;
using prueba::Clic;
using prueba::ServiciosDePrueba;
using prueba::Tecla;

class CreditosTest : public ::testing::Test {
  protected:
    void SetUp() override {
        prueba::PonerInstalado(carpeta_.Ruta());
        v_ = prueba::Ventana(carpeta_.Ruta(), s_);
        Clic(v_->CuadroIcono(6));
        ASSERT_TRUE(v_->CreditosAbiertos());
    }
    std::vector<int> Alturas() const {
        std::vector<int> y;
        for (QLabel* l : v_->Encabezados()) y.push_back(l->y());
        for (Pulsable* l : v_->Nombres()) y.push_back(l->y());
        return y;
    }

    CarpetaDePrueba carpeta_;
    ServiciosDePrueba s_;
    std::unique_ptr<Instalar> v_;
};

}  // namespace

TEST_F(CreditosTest, RowsFollowTheirHeadingsWithTheTranslatorsOfTheLanguageFiles) {
    const auto& e = v_->Encabezados();
    ASSERT_EQ(e.size(), 4u);
    EXPECT_EQ(e[0]->text(), QString::fromUtf8("PROGRAMA, GRÁFICOS Y SONIDO:"));
    EXPECT_EQ(e[1]->text(), "VOCES:");
    EXPECT_EQ(e[2]->text(), "TRADUCTORES:");
    EXPECT_EQ(e[3]->text(), "PROBADORES:");
    const int tops[4] = {172, 212, 252, 292};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(e[static_cast<std::size_t>(i)]->pos(), QPoint(112, tops[i]));
    }
    const auto& n = v_->Nombres();
    ASSERT_EQ(n.size(), 3u + 16u);
    EXPECT_EQ(n[0]->pos(), QPoint(120, 188));
    EXPECT_EQ(n[1]->pos(), QPoint(120, 228));
    EXPECT_EQ(n[2]->pos(), QPoint(120 + n[1]->width() + 16, 228));
    EXPECT_EQ(n[5]->text(), "Equipo Candil");
    EXPECT_EQ(n[7]->text(), "Claire Dubosc");
    EXPECT_EQ(n[8]->y(), 308);
    // The window hides what is left of it; the arrows and the logo are shown, Cancel is not.
    EXPECT_TRUE(v_->Portal()->isVisible());
    EXPECT_TRUE(v_->FlechaCreditos(0)->isVisible());
    EXPECT_FALSE(v_->Boton(2)->isVisible());
    EXPECT_FALSE(v_->CuadroIcono(0)->isVisible());

    Clic(v_->IdiomaIco(1));
    EXPECT_EQ(e[0]->text(), "PROGRAM, GRAPHICS AND SOUND:");
    EXPECT_EQ(e[3]->text(), "TESTERS:");
}

TEST_F(CreditosTest, NamesWithAnAddressOpenAMailAndTheOthersDoNothing) {
    const auto& n = v_->Nombres();
    Clic(n[1]);  // the first voice has no link
    EXPECT_TRUE(s_.abiertos.empty());
    Clic(n[0]);
    ASSERT_EQ(s_.abiertos.size(), 1u);
    EXPECT_TRUE(s_.abiertos[0].startsWith("mailto:"));
    Clic(v_->Portal());
    ASSERT_EQ(s_.abiertos.size(), 2u);
    EXPECT_TRUE(s_.abiertos[1].endsWith("DOC/LeeMe.TXT"));
}

TEST_F(CreditosTest, AListShorterThanTheWindowDoesNotScroll) {
    const auto antes = Alturas();
    Tecla(v_.get(), Qt::Key_Down);
    Tecla(v_.get(), Qt::Key_Up);
    QTest::mouseMove(v_->FlechaCreditos(1));
    QTest::mouseMove(v_->FlechaCreditos(1), QPoint(3, 3));
    EXPECT_EQ(Alturas(), antes);
}

TEST_F(CreditosTest, OkAndEscapeCloseTheCreditsWithoutWriting) {
    Clic(v_->Boton(1));
    EXPECT_FALSE(v_->CreditosAbiertos());
    EXPECT_TRUE(v_->Boton(2)->isVisible());
    EXPECT_TRUE(v_->CuadroIcono(6)->isVisible());
    EXPECT_FALSE(v_->Portal()->isVisible());
    Clic(v_->EtiquetaDeIcono(6));
    Tecla(v_.get(), Qt::Key_Escape);
    EXPECT_FALSE(v_->CreditosAbiertos());
    EXPECT_EQ(s_.terminado, 0);
    EXPECT_FALSE(std::filesystem::exists(carpeta_ / "Polvareda.INI"));
}

}  // namespace polvareda::setup
