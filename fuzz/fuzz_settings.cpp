// The settings file reader on any bytes: every value it keeps stays within what the
// program's fields accept.
#include <QCoreApplication>
#include <QSettings>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "services/program_settings.h"

using namespace plotwise;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static int argc = 1;
    static char name[] = "plotwise-fuzz";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192) return 0;
    const std::string path = fuzzing::InputFile(".ini");
    if (!fuzzing::WriteInput(path, data, size)) return 0;
    QSettings ini(QString::fromStdString(path), QSettings::IniFormat);
    ProgramSettings settings;
    ReadProgramSettings(ini, settings);
    const AnalysisSettings& r = settings.Analysis;
    const RegressionSettings& g = settings.Regression;
    if (!(r.MaxX > r.MinX) || r.DigitsNum < 0 || r.DigitsNum > 5 || r.StepsNum < 100 ||
        r.StepsNum > 20000 || !(settings.ValueTable.Step > 0) || g.RegressionType < 1 ||
        g.RegressionType > 8 || g.PolynomPower < 2 || g.PolynomPower > 9)
        __builtin_trap();
    return 0;
}
