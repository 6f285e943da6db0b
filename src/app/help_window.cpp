#include "app/help_window.h"

#include <QDesktopServices>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "services/messages.h"

namespace plotwise {

namespace {

// Topics are text only: a topic naming an image or style sheet must not make the browser
// read files (a device or a pipe would never end). An empty value, not a null one: on a
// null one the document reads the file itself.
class TopicBrowser final : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;
    QVariant loadResource(int, const QUrl&) override { return QByteArray(); }
};

}  // namespace

HelpWindow::HelpWindow(const QString& helpFilePath, Messages& messages, QWidget* parent)
    : QWidget(parent, Qt::Window),
      path_(helpFilePath),
      messages_(messages),
      browser_(new TopicBrowser(this)) {
    setWindowTitle("Plotwise Help");
    browser_->setOpenLinks(false);
    connect(browser_, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(browser_);
    resize(560, 480);
}

void HelpWindow::ShowTopic(int context) {
    if (context != 0) Show(QString::number(context));
}

void HelpWindow::ShowContents() {
    Show(kContentsTopic);
}

void HelpWindow::Show(const QString& key) {
    // Read at every request, so a help file replaced while the program runs is seen.
    if (!file_.Load(path_)) {
        messages_.Error("The help file " + path_ + " cannot be read");
        return;
    }
    const QString html = file_.Topic(key);
    if (html.isEmpty()) {
        messages_.Error("The help file has no topic " + key);
        return;
    }
    current_ = key;
    browser_->setHtml(html);
    show();
    raise();
    activateWindow();
}

void HelpWindow::FollowLink(const QUrl& url) {
    if (url.scheme() == "topic")
        Show(url.path());
    else if (url.scheme() == "http" || url.scheme() == "https")
        QDesktopServices::openUrl(url);
}

}  // namespace plotwise
