// The subcommands of plotwise-cli. Each prints its result on stdout and returns the exit
// code: 0 done, 2 invalid input (the program's message on stderr), 3 input/output failure.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "formula/everyday_reader.h"

namespace plotwise::cli {

enum ExitCode { kExitOk = 0, kExitInvalid = 2, kExitIo = 3 };

int RunAnalyse(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunDerive(const std::vector<std::string>& args);
int RunEval(const std::vector<std::string>& args);
int RunIntegrate(const std::vector<std::string>& args);
int RunIntersect(const std::vector<std::string>& args);
int RunNumber(const std::vector<std::string>& args);
int RunRegress(const std::vector<std::string>& args);
int RunRender(const std::vector<std::string>& args);
int RunTangent(const std::vector<std::string>& args);

// Prints a program message on stderr, "\r" line breaks as newlines.
int Fail(const std::string& message, int code = kExitInvalid);

// Fail for a formula: the message's first line, then the typed formula with a caret under
// where the error was found.
int FailFormula(const std::string& message, const std::string& typed,
                const std::optional<TextSpot>& spot);

// The exit code after a result went to stdout: an output that failed is no success.
int Printed();

}  // namespace plotwise::cli
