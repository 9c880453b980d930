// The tests run inside one Qt application on the offscreen platform.
#include <gtest/gtest.h>

#include <QApplication>

namespace {

// The offscreen platform says, for every pop-up menu, that it cannot raise windows nor grab
// the keyboard; nothing else is kept from the output.
void Mensajes(QtMsgType tipo, const QMessageLogContext& contexto, const QString& texto) {
    if (texto.startsWith(QLatin1String("This plugin does not support"))) return;
    qt_message_output(tipo, contexto, texto);
}

}  // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(Mensajes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplicacion(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
