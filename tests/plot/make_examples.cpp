// Writes the sample documents into the folder given as the only argument.
#include <iostream>

#include "example_documents.h"
#include "plot/document_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: plotwise_make_examples FOLDER\n";
        return 2;
    }
    for (const auto& example : plotwise::examples::ExampleDocuments()) {
        const std::string path = std::string(argv[1]) + "/" + example.fileName;
        if (!plotwise::WriteDocument(*example.document, path)) {
            std::cerr << path << ": " << plotwise::kInputOutputError << '\n';
            return 3;
        }
    }
    return 0;
}
