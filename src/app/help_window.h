// HelpWindow: shows the topics of Plotwise.hlp, the file beside the program.
#pragma once

#include <QWidget>

#include "app/help_file.h"

class QLineEdit;
class QPushButton;
class QTextBrowser;
class QUrl;

namespace plotwise {

class Messages;

class HelpWindow final : public QWidget {
    Q_OBJECT

  public:
    HelpWindow(const QString& helpFilePath, Messages& messages, QWidget* parent);

    // Context 0 asks for nothing and shows nothing.
    void ShowTopic(int context);
    void ShowContents();
    // The topics that hold every word, as a page of links.
    void Search(const QString& words);
    // The pages seen before and after this one (Alt+Left, Alt+Right).
    void Back();
    void Forward();
    QString CurrentTopic() const { return current_; }

    QPushButton* BackButton;
    QPushButton* ForwardButton;
    QPushButton* ContentsButton;
    QLineEdit* SearchEdit;

  private:
    // A page: a topic's key, or "?" and the words searched for.
    void Show(const QString& page);
    bool Display(const QString& page);
    void FollowLink(const QUrl& url);
    void UpdateButtons();

    QString path_;
    Messages& messages_;
    HelpFile file_;
    QTextBrowser* browser_;
    QString current_;
    QStringList history_;
    qsizetype at_ = -1;  // the page shown in history_
};

}  // namespace plotwise
