// What the file-reading fuzz targets share: the input written to a file of this process,
// since the readers take paths, and a GUI application for fonts.
#pragma once

#include <unistd.h>

#include <QGuiApplication>
#include <cstdint>
#include <cstdio>
#include <string>

namespace plotwise::fuzzing {

inline std::string InputFile(const char* extension) {
    static const std::string path = "/tmp/plotwise-fuzz-" + std::to_string(getpid()) + extension;
    return path;
}

// Writes the bytes to the process's input file; false when that failed.
inline bool WriteInput(const std::string& path, const std::uint8_t* data, std::size_t size) {
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (f == nullptr) return false;
    const bool ok = std::fwrite(data, 1, size, f) == size;
    return std::fclose(f) == 0 && ok;
}

inline void StartGuiApplication() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "plotwise-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

}  // namespace plotwise::fuzzing
