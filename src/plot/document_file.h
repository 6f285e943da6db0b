// The document file (.plw): record 0 holds the options, then one graph record per graph,
// 2028 bytes each, with no header. And Plotwise.cfg: one options record.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "plot/document.h"
#include "plot/graph_record.h"
#include "plot/options_record.h"

namespace plotwise {

inline constexpr std::size_t kDocumentRecordSize = sizeof(GraphRecord);
inline constexpr char kIncorrectFormat[] = "Incorrect format of the file";
inline constexpr char kInputOutputError[] = "Input-output error";
inline constexpr char kFileWriteError[] = "File write error";
inline constexpr char kOptionsFileName[] = "Plotwise.cfg";
inline constexpr char kTooManyGraphs[] = "Too many graphs in the file";

// The most graph records a document file may hold: far more than the commands let a
// document have, few enough that sampling and drawing them all stays within reason.
inline constexpr std::size_t kMaxDocumentGraphs = 1000;

struct DocumentCheck {
    bool valid = false;
    bool formatError = false;    // when not valid: the content (true) or input/output (false)
    bool tooManyGraphs = false;  // a format error: more than kMaxDocumentGraphs records
    std::size_t graphs = 0;      // graph records, when valid

    // "Incorrect format of the file", "Too many graphs in the file" or "Input-output
    // error"; empty when valid.
    std::string Message() const;
};

// A document as read: options and graph records, checked and normalised.
struct DocumentContents {
    OptionsRecord options;
    std::vector<GraphRecord> graphs;
};

// Checks every record (options first, then each graph record, all of them) without
// keeping any. Special files (FIFOs, devices, folders) are input/output failures; a file
// of more than kMaxDocumentGraphs graph records is refused by its size, before any record
// is read.
DocumentCheck CheckDocumentFile(const std::string& path);

// Reads, checks and normalises every record. On success contents holds the document.
DocumentCheck LoadDocumentFile(const std::string& path, DocumentContents& contents);

// Replaces document's options and graphs by what the file holds; the check result says
// whether it did.
DocumentCheck ReadDocument(Document& document, const std::string& path);

// Replaces document's options and graphs by those of contents.
void TakeContents(Document& document, const DocumentContents& contents);

// Writes the options record (with 244 zero bytes) and every graph record in list order.
// The old file is replaced only by a complete, flushed new one; false when that failed
// (the caller shows kInputOutputError).
bool WriteDocument(const Document& document, const std::string& path);

// The options Plotwise.cfg holds when it is readable and valid (normalised), else the
// standard options. Never reports anything.
OptionsRecord LoadOptionsFile(const std::string& path);

// Writes the options the safe way; false when that failed (the caller shows
// kFileWriteError).
bool SaveOptionsFile(const OptionsRecord& options, const std::string& path);

}  // namespace plotwise
