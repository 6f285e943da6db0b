#include "plot/document_file.h"

#include <sys/stat.h>

#include <cstdint>
#include <cstring>
#include <functional>
#include <new>

#include "plot/record_checks.h"
#include "plot/safe_file.h"

namespace plotwise {
namespace {

// Calls onGraph for every whole graph record after a valid options record; stops at the
// first record that fails its check.
DocumentCheck ScanDocument(const std::string& path, OptionsRecord& options,
                           const std::function<void(GraphRecord&)>& onGraph) {
    DocumentCheck result;
    const FileHandle file = OpenRegularFile(path);
    if (!file.Valid()) return result;
    const int fd = file.Get();
    struct stat info;
    if (fstat(fd, &info) != 0) return result;
    // A partial last record does not count; one more than allowed is too many.
    const auto records = static_cast<std::uintmax_t>(info.st_size) / kDocumentRecordSize;
    if (records > kMaxDocumentGraphs + 1) {
        result.formatError = result.tooManyGraphs = true;
        return result;
    }
    unsigned char record[kDocumentRecordSize];
    long n = ReadFully(fd, record, sizeof record);
    if (n == static_cast<long>(sizeof record)) {
        std::memcpy(&options, record, sizeof options);
        result.formatError = !CheckOptionsRecord(options);
        while (!result.formatError) {
            GraphRecord props;
            n = ReadFully(fd, &props, sizeof props);
            if (n != static_cast<long>(sizeof props)) break;  // a partial record is ignored
            if (result.graphs == kMaxDocumentGraphs) {        // the file grew while being read
                result.formatError = result.tooManyGraphs = true;
                break;
            }
            if (!CheckGraphRecord(props)) {
                result.formatError = true;
                break;
            }
            NormaliseGraph(props);
            onGraph(props);
            ++result.graphs;
        }
    } else if (n >= 0) {
        result.formatError = true;  // not even one whole record
    }
    result.valid = n >= 0 && !result.formatError;
    if (result.valid) {
        NormaliseOptions(options);
    } else {
        result.graphs = 0;
    }
    return result;
}

}  // namespace

std::string DocumentCheck::Message() const {
    if (valid) return std::string();
    if (tooManyGraphs) return kTooManyGraphs;
    return formatError ? kIncorrectFormat : kInputOutputError;
}

DocumentCheck CheckDocumentFile(const std::string& path) {
    OptionsRecord options;
    return ScanDocument(path, options, [](GraphRecord&) {});
}

DocumentCheck LoadDocumentFile(const std::string& path, DocumentContents& contents) {
    contents.graphs.clear();
    DocumentCheck check;
    try {
        check = ScanDocument(path, contents.options,
                             [&](GraphRecord& props) { contents.graphs.push_back(props); });
    } catch (const std::bad_alloc&) {
        check = DocumentCheck();  // a file too large to hold: it cannot be read
    }
    if (!check.valid) {
        contents.graphs.clear();
        contents.graphs.shrink_to_fit();
    }
    return check;
}

DocumentCheck ReadDocument(Document& document, const std::string& path) {
    DocumentContents contents;
    const DocumentCheck check = LoadDocumentFile(path, contents);
    if (check.valid) TakeContents(document, contents);
    return check;
}

void TakeContents(Document& document, const DocumentContents& contents) {
    document.Options = contents.options;
    document.ReplaceGraphs(contents.graphs);
}

bool WriteDocument(const Document& document, const std::string& path) {
    std::vector<unsigned char> bytes((document.GraphCount() + 1) * kDocumentRecordSize, 0);
    std::memcpy(bytes.data(), &document.Options, sizeof document.Options);
    unsigned char* next = bytes.data() + kDocumentRecordSize;
    for (const auto& graph : document.Graphs()) {
        std::memcpy(next, &graph->Record(), kDocumentRecordSize);
        next += kDocumentRecordSize;
    }
    return ReplaceFile(path, bytes);
}

OptionsRecord LoadOptionsFile(const std::string& path) {
    const FileHandle file = OpenRegularFile(path);
    if (!file.Valid()) return StandardOptions();
    OptionsRecord options;
    const long n = ReadFully(file.Get(), &options, sizeof options);
    if (n != static_cast<long>(sizeof options) || !CheckOptionsRecord(options)) {
        return StandardOptions();
    }
    NormaliseOptions(options);
    return options;
}

bool SaveOptionsFile(const OptionsRecord& options, const std::string& path) {
    std::vector<unsigned char> bytes(sizeof options);
    std::memcpy(bytes.data(), &options, sizeof options);
    return ReplaceFile(path, bytes);
}

}  // namespace plotwise
