// The document reader on any bytes, and every document it accepts sampled and drawn into
// a small picture, as opening a file does.
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "plot/bitmap_export.h"
#include "plot/document_file.h"

using namespace plotwise;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    fuzzing::StartGuiApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Up to three graphs: enough for every interplay, few enough to sample quickly.
    if (size > sizeof(OptionsRecord) + 244 + 3 * kDocumentRecordSize) return 0;
    const std::string path = fuzzing::InputFile(".plw");
    if (!fuzzing::WriteInput(path, data, size)) return 0;
    Document document(StandardOptions());
    if (!ReadDocument(document, path).valid) return 0;
    document.ClientRect = {0, 0, 96, 72};
    document.CalculateGraphs();
    RenderBitmap(document, 96, 72);
    return 0;
}
