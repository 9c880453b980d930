// The controller's submenu: one exclusive list of buttons per role.
#include "MenuMando.h"

#include <QActionGroup>

#include "BotonesMando.h"
#include "Perfil.h"

namespace polvareda::setup {

MenuMando::MenuMando(QMenu* padre) : QObject(padre) {
    menu = padre->addMenu(QString());
    for (std::size_t r = 0; r < kRolesMando; ++r) {
        roles[r] = menu->addMenu(QString());
        auto* grupo = new QActionGroup(roles[r]);
        for (const char* nombre : kNombresBoton) {
            QAction* item = roles[r]->addAction(QString::fromLatin1(nombre));
            item->setCheckable(true);
            grupo->addAction(item);
            botones[r].push_back(item);
        }
    }
    Leer("");
}

void MenuMando::PonerTextos(const QString& titulo,
                            const std::array<QString, kRolesMando>& nombres) {
    menu->setTitle(titulo);
    for (std::size_t r = 0; r < kRolesMando; ++r) roles[r]->setTitle(nombres[r]);
}

void MenuMando::Leer(std::string_view textoIni) {
    enArchivo_ = false;
    for (std::size_t r = 0; r < kRolesMando; ++r) {
        const DefinicionClave& d = Definicion(kClavesMando[r]);
        if (LeerValorPerfil(textoIni, d.seccion, d.nombre, "\n#") != "\n#") enArchivo_ = true;
        botones[r][static_cast<std::size_t>(LeerBoton(textoIni, kClavesMando[r]))]->setChecked(
            true);
    }
}

int MenuMando::Elegido(std::size_t rol) const {
    for (std::size_t b = 0; b < botones[rol].size(); ++b)
        if (botones[rol][b]->isChecked()) return static_cast<int>(b);
    return Configuracion{}.botonesMando[rol];
}

std::vector<std::pair<Clave, std::string>> MenuMando::Valores() const {
    bool cambiado = false;
    for (std::size_t r = 0; r < kRolesMando; ++r)
        cambiado = cambiado || Elegido(r) != Configuracion{}.botonesMando[r];
    std::vector<std::pair<Clave, std::string>> valores;
    if (!enArchivo_ && !cambiado) return valores;
    for (std::size_t r = 0; r < kRolesMando; ++r)
        valores.emplace_back(kClavesMando[r], kNombresBoton[static_cast<std::size_t>(Elegido(r))]);
    return valores;
}

}  // namespace polvareda::setup
