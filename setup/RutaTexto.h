// Folder names between Qt's texts and the file system. On Windows both sides are UTF-16 and
// the path is made from the wide text: a narrow string would be read in the ANSI code page and
// name another folder, or none, for a name outside it. On Linux a path is the system's bytes.
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <filesystem>

namespace polvareda::setup {

inline std::filesystem::path RutaDeTexto(const QString& texto) {
#ifdef _WIN32
    return std::filesystem::path(QDir::toNativeSeparators(texto).toStdWString());
#else
    return std::filesystem::path(QFile::encodeName(texto).toStdString());
#endif
}

inline QString TextoDeRuta(const std::filesystem::path& ruta) {
#ifdef _WIN32
    return QDir::toNativeSeparators(QString::fromStdWString(ruta.wstring()));
#else
    return QFile::decodeName(QByteArray::fromStdString(ruta.string()));
#endif
}

}  // namespace polvareda::setup
