// The soak's user: every box is recorded and answered from a script, every file dialog
// hands out the next scripted name (empty: cancelled).
#pragma once

#include <QStringList>
#include <deque>

#include "file_dialogs.h"
#include "messages.h"

namespace plotwise::soak {

class TSoakMessages final : public TMessages {
  public:
    QStringList shown;  // "Error: text" or "Ask: text"
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

class TSoakDialogs final : public TFileDialogs {
  public:
    std::deque<QString> names;
    int asked = 0;

    QString OpenFileName(const QString&, const QString&) override { return Next(); }
    QString SaveFileName(const QString&, const QString&, const QString&, const QString&) override {
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

}  // namespace plotwise::soak
