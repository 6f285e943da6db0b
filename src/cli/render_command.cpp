// plotwise-cli render FILE OUT [--size WxH]: the document drawn as Save As Bitmap draws it.
#include <QGuiApplication>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "plot/bitmap_export.h"
#include "plot/document_file.h"

namespace plotwise::cli {

int RunRender(const std::vector<std::string>& args) {
    const ParsedArgs parsed = ParseArgs(args, {{"--size", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 2) {
        return Fail("usage: plotwise-cli render FILE OUT [--size WxH]");
    }
    const std::string size = parsed.Value("--size", "800x600");
    const std::size_t cross = size.find_first_of("xX");
    int width = 0;
    int height = 0;
    if (!ParseBitmapSide(size.substr(0, cross), width)) return Fail(kBitmapWidthMessage);
    if (cross == std::string::npos || !ParseBitmapSide(size.substr(cross + 1), height)) {
        return Fail(kBitmapHeightMessage);
    }

    // Fonts need a GUI application; the command never shows a window, and says only its
    // own messages.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "plotwise-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    Document document(StandardOptions());
    const DocumentCheck check = ReadDocument(document, parsed.positional[0]);
    if (!check.valid) return Fail(check.Message(), check.formatError ? kExitInvalid : kExitIo);
    document.CalculateGraphs();
    // Smooth lines are the program's default; a 16-colour BMP stays pixel-exact.
    const bool smooth = IsPngName(parsed.positional[1]);
    const QImage image = RenderBitmap(document, width, height, smooth);
    if (image.isNull()) return Fail(kOutOfResources, kExitIo);
    if (!WriteBitmapFile(image, parsed.positional[1], smooth)) {
        return Fail(kFileWriteError, kExitIo);
    }
    return kExitOk;
}

}  // namespace plotwise::cli
