// The smallest Qt 6 Widgets window, as a yardstick for SetUp's start-up time and memory: it
// announces its first paint the way SetUp does (POLVAREDA_TIEMPOS).
#include <QApplication>
#include <QWidget>
#include <chrono>
#include <cstdio>

namespace {

class Ventana : public QWidget {
  protected:
    void paintEvent(QPaintEvent*) override {
        if (pintada_) return;
        pintada_ = true;
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::system_clock::now().time_since_epoch());
        std::fprintf(stderr, "ventana_minima: ventana %lld\n", static_cast<long long>(ms.count()));
    }

  private:
    bool pintada_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication aplicacion(argc, argv);
    Ventana ventana;
    ventana.setFixedSize(480, 460);
    ventana.show();
    return aplicacion.exec();
}
