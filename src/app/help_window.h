// THelpWindow: shows the topics of Plotwise.hlp, the file beside the program.
#pragma once

#include <QWidget>

#include "help_file.h"

class QTextBrowser;
class QUrl;

namespace plotwise {

class TMessages;

class THelpWindow final : public QWidget {
    Q_OBJECT

  public:
    THelpWindow(const QString& helpFilePath, TMessages& messages, QWidget* parent);

    // Context 0 asks for nothing and shows nothing.
    void ShowTopic(int context);
    void ShowContents();
    QString CurrentTopic() const { return current_; }

  private:
    void Show(const QString& key);
    void FollowLink(const QUrl& url);

    QString path_;
    TMessages& messages_;
    THelpFile file_;
    QTextBrowser* browser_;
    QString current_;
};

}  // namespace plotwise
