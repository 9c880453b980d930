// Any headless script: read without harm; an accepted one keeps its events in time order and
// within the year a script may span.
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <variant>

#include "Guion.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t largo) {
    const auto leido =
        polvareda::LeerGuion(std::string_view(reinterpret_cast<const char*>(datos), largo));
    const auto* guion = std::get_if<polvareda::Guion>(&leido);
    if (guion == nullptr) {
        if (std::get<polvareda::ErrorGuion>(leido).linea < 1) std::abort();
        return 0;
    }
    std::int64_t antes = 0;
    for (const auto& paso : guion->pasos) {
        if (paso.enMs < antes) std::abort();
        antes = paso.enMs;
    }
    if (guion->finMs < antes || guion->finMs > 365ll * 86'400'000) std::abort();
    return 0;
}
