// Scripted questions and file dialogs for the tests and the soak: no widget and no test
// framework, so any driver of the main window can use them.
#pragma once

#include <QStringList>
#include <deque>

#include "file_dialogs.h"
#include "messages.h"

namespace plotwise::testing_support {

// Records every box as "Error: text" or "Ask: text" and answers from a script (Cancel when
// the script has run out).
class TScriptedMessages final : public TMessages {
  public:
    QStringList shown;
    std::deque<TAnswer> answers;

    void Error(const QString& text) override { shown << "Error: " + text; }
    bool YesNo(const QString& text) override {
        shown << "Ask: " + text;
        return Next() == TAnswer::Yes;
    }
    TAnswer YesNoCancel(const QString& text) override {
        shown << "Ask: " + text;
        return Next();
    }

  private:
    TAnswer Next() {
        if (answers.empty()) return TAnswer::Cancel;
        const TAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Hands out the scripted names (empty: the user cancelled) and records what was proposed.
class TScriptedDialogs final : public TFileDialogs {
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
