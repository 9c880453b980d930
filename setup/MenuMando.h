// The controller's submenu of the options: for fire 1 to 3, pause and back, the button that
// plays it, read from and written to the [Mando] section of "Polvareda.INI".
#pragma once

#include <QMenu>
#include <QObject>
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "Configuracion.h"

namespace polvareda::setup {

class MenuMando : public QObject {
    Q_OBJECT

  public:
    explicit MenuMando(QMenu* padre);

    // The submenu's title and the roles' names (the first three are the keyboard's).
    void PonerTextos(const QString& titulo, const std::array<QString, kRolesMando>& roles);
    // Ticks each role's button as the file places it (the default when it names none).
    void Leer(std::string_view textoIni);
    // The keys to write: none for a file that had no [Mando] and keeps the defaults, so a
    // classic file stays as it was unless the player places a button.
    std::vector<std::pair<Clave, std::string>> Valores() const;

    QMenu* menu = nullptr;
    std::array<QMenu*, kRolesMando> roles = {};
    // For each role, one item per button of the common layout, in its order.
    std::array<std::vector<QAction*>, kRolesMando> botones;

  private:
    int Elegido(std::size_t rol) const;
    bool enArchivo_ = false;
};

}  // namespace polvareda::setup
