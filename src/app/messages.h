// TMessages: every question and error box the program shows goes through one of these,
// so tests can script the answers.
#pragma once

#include <QString>

class QWidget;

namespace plotwise {

enum class TAnswer { Yes, No, Cancel };

class TMessages {
  public:
    virtual ~TMessages() = default;
    // Texts may break lines with "\r".
    virtual void Error(const QString& text) = 0;
    virtual bool YesNo(const QString& text) = 0;
    virtual TAnswer YesNoCancel(const QString& text) = 0;
};

// Modal message boxes over parent.
class TMessageBoxes final : public TMessages {
  public:
    explicit TMessageBoxes(QWidget* parent) : parent_(parent) {}
    void Error(const QString& text) override;
    bool YesNo(const QString& text) override;
    TAnswer YesNoCancel(const QString& text) override;

  private:
    QWidget* parent_;
};

}  // namespace plotwise
