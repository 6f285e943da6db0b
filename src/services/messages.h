// Messages: every question and error box the program shows goes through one of these,
// so tests can script the answers.
#pragma once

#include <QString>

class QWidget;

namespace plotwise {

enum class Answer { Yes, No, Cancel };

class Messages {
  public:
    virtual ~Messages() = default;
    // Texts may break lines with "\r".
    virtual void Error(const QString& text) = 0;
    virtual bool YesNo(const QString& text) = 0;
    virtual Answer YesNoCancel(const QString& text) = 0;
};

// Modal message boxes over parent.
class MessageBoxes final : public Messages {
  public:
    explicit MessageBoxes(QWidget* parent) : parent_(parent) {}
    void Error(const QString& text) override;
    bool YesNo(const QString& text) override;
    Answer YesNoCancel(const QString& text) override;

  private:
    QWidget* parent_;
};

}  // namespace plotwise
