#include "app/help_window.h"

#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
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
    BackButton = new QPushButton("Back", this);
    ForwardButton = new QPushButton("Forward", this);
    ContentsButton = new QPushButton("Contents", this);
    SearchEdit = new QLineEdit(this);
    SearchEdit->setPlaceholderText("Search for words");
    SearchEdit->setClearButtonEnabled(true);
    connect(BackButton, &QPushButton::clicked, this, &HelpWindow::Back);
    connect(ForwardButton, &QPushButton::clicked, this, &HelpWindow::Forward);
    connect(ContentsButton, &QPushButton::clicked, this, &HelpWindow::ShowContents);
    connect(SearchEdit, &QLineEdit::returnPressed, this, [this] { Search(SearchEdit->text()); });
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Left), this), &QShortcut::activated, this,
            &HelpWindow::Back);
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Right), this), &QShortcut::activated, this,
            &HelpWindow::Forward);
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(6, 6, 6, 0);
    bar->addWidget(BackButton);
    bar->addWidget(ForwardButton);
    bar->addWidget(ContentsButton);
    bar->addWidget(SearchEdit, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(bar);
    layout->addWidget(browser_);
    UpdateButtons();
    resize(560, 480);
}

void HelpWindow::ShowTopic(int context) {
    if (context != 0) Show(QString::number(context));
}

void HelpWindow::ShowContents() {
    Show(kContentsTopic);
}

void HelpWindow::Search(const QString& words) {
    if (!words.trimmed().isEmpty()) Show("?" + words.simplified());
}

void HelpWindow::Back() {
    if (at_ > 0 && Display(history_[at_ - 1])) --at_;
    UpdateButtons();
}

void HelpWindow::Forward() {
    if (at_ + 1 < history_.size() && Display(history_[at_ + 1])) ++at_;
    UpdateButtons();
}

void HelpWindow::Show(const QString& page) {
    if (!Display(page)) return;
    if (at_ < 0 || history_[at_] != page) {
        history_.erase(history_.begin() + (at_ + 1), history_.end());  // no way forward now
        history_ << page;
        at_ = history_.size() - 1;
    }
    UpdateButtons();
    show();
    raise();
    activateWindow();
}

bool HelpWindow::Display(const QString& page) {
    // Read at every request, so a help file replaced while the program runs is seen.
    if (!file_.Load(path_)) {
        messages_.Error("The help file " + path_ + " cannot be read");
        return false;
    }
    QString html;
    if (page.startsWith('?')) {
        const QString words = page.mid(1);
        const QStringList found = file_.Find(words);
        html = "<h2>Topics with \"" + words.toHtmlEscaped() + "\"</h2>";
        if (found.isEmpty()) html += "<p>No topic holds all these words.</p>";
        html += "<ul>";
        for (const QString& key : found)
            html += "<li><a href=\"topic:" + key + "\">" + file_.Title(key) + "</a></li>";
        html += "</ul>";
    } else {
        html = file_.Topic(page);
        if (html.isEmpty()) {
            messages_.Error("The help file has no topic " + page);
            return false;
        }
    }
    current_ = page;
    browser_->setHtml(html);
    return true;
}

void HelpWindow::UpdateButtons() {
    BackButton->setEnabled(at_ > 0);
    ForwardButton->setEnabled(at_ + 1 < history_.size());
}

void HelpWindow::FollowLink(const QUrl& url) {
    if (url.scheme() == "topic")
        Show(url.path());
    else if (url.scheme() == "http" || url.scheme() == "https")
        QDesktopServices::openUrl(url);
}

}  // namespace plotwise
