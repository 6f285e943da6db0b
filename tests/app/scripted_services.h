// Scripted questions and file dialogs for any driver of the main window: tests and the soak.
#pragma once

#include <QStringList>
#include <deque>

#include "services/file_dialogs.h"
#include "services/messages.h"

namespace plotwise::testing_support {

// The script's next item, or none when it has run out.
template <typename T>
T TakeNext(std::deque<T>& script, T none = {}) {
    if (script.empty()) return none;
    T next = script.front();
    script.pop_front();
    return next;
}

// Records every box as "Error: text" or "Ask: text" and answers from a script (Cancel when
// the script has run out).
class ScriptedMessages final : public Messages {
  public:
    QStringList shown;
    std::deque<Answer> answers;

    void Error(const QString& text) override { shown << "Error: " + text; }
    bool YesNo(const QString& text) override { return YesNoCancel(text) == Answer::Yes; }
    Answer YesNoCancel(const QString& text) override {
        shown << "Ask: " + text;
        return TakeNext(answers, Answer::Cancel);
    }
};

// Hands out the scripted names (empty: the user cancelled) and records what was proposed.
class ScriptedDialogs final : public FileDialogs {
  public:
    std::deque<QString> names;
    QStringList proposed;
    int asked = 0;  // dialogs shown, open and save

    QString OpenFileName(const QString&, const QString&) override {
        ++asked;
        return TakeNext(names);
    }
    QString SaveFileName(const QString&, const QString& name, const QString&,
                         const QString&) override {
        proposed << name;
        ++asked;
        return TakeNext(names);
    }
};

}  // namespace plotwise::testing_support
