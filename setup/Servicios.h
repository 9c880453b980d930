// What the setup window asks of the desktop: opening documents and links, starting the game,
// message boxes, the folder chooser and the end of the program. The window speaks only to
// this interface, so the tests can stand in for the desktop.
#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>
#include <optional>

class QWidget;

namespace polvareda::setup {

class Servicios {
  public:
    virtual ~Servicios() = default;

    // A document, a mail address or a web page, through the desktop's opener.
    virtual void Abrir(const QUrl& enlace) = 0;
    // A program of ours, on its own; false when it could not be started.
    virtual bool Ejecutar(const QString& programa, const QStringList& argumentos) = 0;

    // Message boxes, each with the window's program title as its title.
    virtual void Informar(QWidget* ventana, const QString& titulo, const QString& texto) = 0;
    virtual void Avisar(QWidget* ventana, const QString& titulo, const QString& texto) = 0;
    // Yes/No, No preselected; true for Yes.
    virtual bool PreguntarSiNo(QWidget* ventana, const QString& titulo, const QString& texto) = 0;
    // OK/Cancel; true for OK.
    virtual bool PreguntarAceptar(QWidget* ventana, const QString& titulo,
                                  const QString& texto) = 0;

    // The desktop's folder chooser; nothing when cancelled.
    virtual std::optional<QString> ElegirCarpeta(QWidget* ventana, const QString& inicial) = 0;

    // Ends the program at once.
    virtual void Terminar() = 0;
};

// The real desktop.
class ServiciosEscritorio : public Servicios {
  public:
    void Abrir(const QUrl& enlace) override;
    bool Ejecutar(const QString& programa, const QStringList& argumentos) override;
    void Informar(QWidget* ventana, const QString& titulo, const QString& texto) override;
    void Avisar(QWidget* ventana, const QString& titulo, const QString& texto) override;
    bool PreguntarSiNo(QWidget* ventana, const QString& titulo, const QString& texto) override;
    bool PreguntarAceptar(QWidget* ventana, const QString& titulo, const QString& texto) override;
    std::optional<QString> ElegirCarpeta(QWidget* ventana, const QString& inicial) override;
    void Terminar() override;
};

// No window, for an installation run from a script: the questions are answered yes (the game
// folder is made when missing), the messages go to the standard streams, nothing is opened or
// started.
class ServiciosSinVentana : public Servicios {
  public:
    void Abrir(const QUrl&) override {}
    bool Ejecutar(const QString&, const QStringList&) override { return true; }
    void Informar(QWidget* ventana, const QString& titulo, const QString& texto) override;
    void Avisar(QWidget* ventana, const QString& titulo, const QString& texto) override;
    bool PreguntarSiNo(QWidget*, const QString&, const QString&) override { return true; }
    bool PreguntarAceptar(QWidget*, const QString&, const QString&) override { return true; }
    std::optional<QString> ElegirCarpeta(QWidget*, const QString&) override { return std::nullopt; }
    void Terminar() override { terminado_ = true; }

    // True when the program ended with no warning on the way.
    bool Logrado() const { return terminado_ && !avisado_; }

  private:
    bool terminado_ = false;
    bool avisado_ = false;
};

}  // namespace polvareda::setup
