// plotwise-cli render FILE OUT [--size WxH] [--timeout SECONDS]: the document drawn as Save
// As Bitmap draws it, or as Export draws it when OUT ends in .png, .svg or .pdf.
#include <QGuiApplication>
#include <chrono>
#include <optional>

#include "cli/cli_args.h"
#include "cli/commands.h"
#include "formula/number_input.h"
#include "plot/bitmap_export.h"
#include "plot/document_file.h"
#include "plot/picture_export.h"
#include "plot/safe_file.h"
#include "plot/sampling_pool.h"

namespace plotwise::cli {
namespace {

constexpr char kUsage[] = "usage: plotwise-cli render FILE OUT [--size WxH] [--timeout SECONDS]";
constexpr char kTimeoutMessage[] =
    "The timeout must be a number of seconds\rfrom 0.001 up to 1000000";
constexpr char kOutputIsInput[] = "the output file is the document itself";

// Esc as the clock presses it: every poll after the deadline, none without one. Messages of
// the sampling (memory) go to stderr.
class DeadlineFeedback final : public Feedback {
  public:
    explicit DeadlineFeedback(std::optional<std::chrono::steady_clock::time_point> deadline)
        : deadline_(deadline) {}

    void ShowStatus(int, const std::string&) override {}
    void SetBusy(bool) override {}
    void Refresh() override {}
    bool EscPressed() override { return PollDue(); }
    bool PollDue() override {
        // Drawing polls per point: the clock is read every few polls.
        if (!expired_ && deadline_ && ++polls_ % 16 == 0)
            expired_ = std::chrono::steady_clock::now() >= *deadline_;
        return expired_;
    }
    void ShowError(const std::string& message) override { Fail(message, kExitOk); }

    bool Expired() const { return expired_; }

  private:
    std::optional<std::chrono::steady_clock::time_point> deadline_;
    unsigned polls_ = 0;
    bool expired_ = false;
};

// A positive number of seconds as a number field reads it; nothing when it is not one.
std::optional<std::chrono::steady_clock::duration> ReadTimeout(const std::string& text) {
    long double seconds = 0;
    if (!ReadFieldNumber(text, seconds) || !(seconds >= 0.001L) || !(seconds <= 1e6L)) return {};
    return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
        std::chrono::duration<long double>(seconds));
}

}  // namespace

int RunRender(const std::vector<std::string>& args) {
    const auto start = std::chrono::steady_clock::now();
    const ParsedArgs parsed = ParseArgs(args, {{"--size", true}, {"--timeout", true}});
    if (!parsed.error.empty()) return Fail(parsed.error);
    if (parsed.positional.size() != 2) return Fail(kUsage);
    const std::string size = parsed.Value("--size", "800x600");
    const std::size_t cross = size.find_first_of("xX");
    int width = 0;
    int height = 0;
    if (!ParseBitmapSide(size.substr(0, cross), width)) return Fail(kBitmapWidthMessage);
    if (cross == std::string::npos || !ParseBitmapSide(size.substr(cross + 1), height)) {
        return Fail(kBitmapHeightMessage);
    }
    std::optional<std::chrono::steady_clock::time_point> deadline;
    if (parsed.Has("--timeout")) {
        const auto timeout = ReadTimeout(parsed.Value("--timeout", ""));
        if (!timeout) return Fail(kTimeoutMessage);
        deadline = start + *timeout;
    }
    const std::string& input = parsed.positional[0];
    const std::string& output = parsed.positional[1];
    // The bitmap would replace the document it is drawn from.
    if (SameFile(input, output)) return Fail(kOutputIsInput);

    // Fonts need a GUI application; the command never shows a window, and says only its
    // own messages.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "plotwise-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    DeadlineFeedback feedback(deadline);
    Document document(StandardOptions());
    document.Reporter = &feedback;
    document.SamplingThreads = SamplingCores();
    const DocumentCheck check = ReadDocument(document, input);
    if (!check.valid) return Fail(check.Message(), check.formatError ? kExitInvalid : kExitIo);
    document.CalculateGraphs();
    if (feedback.Expired()) return Fail(kCalculationInterrupted, kExitIo);
    switch (WritePictureFile(document, output, width, height,
                             [&feedback] { return !feedback.Expired(); })) {
        case PictureWrite::Interrupted:
            return Fail(kCalculationInterrupted, kExitIo);
        case PictureWrite::OutOfMemory:
            return Fail(kOutOfResources, kExitIo);
        case PictureWrite::WriteFailed:
            return Fail(kFileWriteError, kExitIo);
        default:
            return kExitOk;
    }
}

}  // namespace plotwise::cli
