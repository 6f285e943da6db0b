// Scripted questions and file dialogs for the tests and the soak: no widget and no test
// framework, so any driver of the main window can use them.
#pragma once

#include <QStringList>
#include <deque>

#include "services/file_dialogs.h"
#include "services/messages.h"

namespace plotwise::testing_support {

// Records every box as "Error: text" or "Ask: text" and answers from a script (Cancel when
// the script has run out).
class ScriptedMessages final : public Messages {
  public:
    QStringList shown;
    std::deque<Answer> answers;

    void Error(const QString& text) override { shown << "Error: " + text; }
    bool YesNo(const QString& text) override {
        shown << "Ask: " + text;
        return Next() == Answer::Yes;
    }
    Answer YesNoCancel(const QString& text) override {
        shown << "Ask: " + text;
        return Next();
    }

  private:
    Answer Next() {
        if (answers.empty()) return Answer::Cancel;
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Hands out the scripted names (empty: the user cancelled) and records what was proposed.
class ScriptedDialogs final : public FileDialogs {
  public:
    std::deque<QString> names;
    QStringList proposed;
    int asked = 0;  // dialogs shown, open and save

    QString OpenFileName(const QString&, const QString&) override { return Next(); }
    QString SaveFileName(const QString&, const QString& name, const QString&,
                         const QString&) override {
        proposed << name;
        return Next();
    }

  private:
    QString Next() {
        ++asked;
        if (names.empty()) return {};
        const QString n = names.front();
        names.pop_front();
        return n;
    }
};

}  // namespace plotwise::testing_support
