// The options file reader on any bytes; options it accepts then draw an empty document,
// so every option value a file can hold meets the renderer.
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
    if (size > 4096) return 0;
    const std::string path = fuzzing::InputFile(".cfg");
    if (!fuzzing::WriteInput(path, data, size)) return 0;
    Document document(LoadOptionsFile(path));
    document.ClientRect = {0, 0, 96, 72};
    RenderBitmap(document, 96, 72);
    return 0;
}
