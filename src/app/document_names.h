// Names of documents: the "Noname" numbering of new documents, and the document path a
// command line names.
#pragma once

#include <QString>
#include <QStringList>

namespace plotwise {

// The first n from 1 up for which no caption is "Noname" + n + ".plw", ignoring case.
int NextNonameNumber(const QStringList& captions);

// The file name without its folder, as window captions show it.
QString ShortFileName(const QString& path);

// The command line less the program's own name: a quoted name is cut with its closing
// quote and the one character after it, otherwise everything up to the first blank.
QString DocumentPathFromCommandLine(const QString& commandLine);

// The command line as one text (the program's name quoted when it has blanks), for a
// platform that hands the arguments over one by one.
QString CommandLineOf(const QStringList& arguments);

}  // namespace plotwise
