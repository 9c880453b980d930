// The last stage of the mix: a quiet mix comes out as it went in (the headroom taken back), a
// busy one never reaches full scale, and the level comes back after the busy moment.
#include "Limitador.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace polvareda {
namespace {

std::vector<std::int16_t> Seno(int marcos, double amplitud) {
    std::vector<std::int16_t> s;
    for (int i = 0; i < marcos; ++i) {
        const auto v = static_cast<std::int16_t>(std::lround(amplitud * std::sin(i * 0.05)));
        s.push_back(v);
        s.push_back(static_cast<std::int16_t>(-v));
    }
    return s;
}

TEST(Limitador, KeepsAQuietMixAndHoldsABusyOneUnderFullScale) {
    Limitador limitador(2, 44100);
    auto tranquilo = Seno(4410, 8000);  // 16000 once the headroom is taken back
    const auto antes = tranquilo;
    limitador.Procesar(tranquilo);
    for (std::size_t i = 0; i < antes.size(); ++i) EXPECT_EQ(tranquilo[i], 2 * antes[i]);

    // Two effects and the music at once: the mixer's sum reaches its own full scale.
    auto ruidoso = Seno(4410, 32767);
    limitador.Procesar(ruidoso);
    const auto pico = [](const std::vector<std::int16_t>& s) {
        int m = 0;
        for (const auto v : s) m = std::max(m, std::abs(static_cast<int>(v)));
        return m;
    };
    EXPECT_LE(pico(ruidoso), static_cast<int>(Limitador::kTecho) + 1);

    // A second of quiet later the mix is back at its level.
    auto despues = Seno(44100, 8000);
    limitador.Procesar(despues);
    EXPECT_GE(pico(std::vector<std::int16_t>(despues.end() - 4410, despues.end())), 15900);
}

}  // namespace
}  // namespace polvareda
