// HelpWindow: shows the topics of Plotwise.hlp, the file beside the program.
#pragma once

#include <QWidget>

#include "app/help_file.h"

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
    QString CurrentTopic() const { return current_; }

  private:
    void Show(const QString& key);
    void FollowLink(const QUrl& url);

    QString path_;
    Messages& messages_;
    HelpFile file_;
    QTextBrowser* browser_;
    QString current_;
};

}  // namespace plotwise
