#include "option_dialogs/output_dialogs.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "plot/bitmap_export.h"

namespace plotwise {
namespace {

constexpr int kSideLength = 15;  // characters in a size field

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Print Graphs");
    auto* group = new QGroupBox("Print Options", this);
    auto* groupLayout = new QVBoxLayout(group);
    BlackAndWhiteCheckBox = new QCheckBox("Black and White Only", group);
    groupLayout->addWidget(BlackAndWhiteCheckBox);
    auto* print = new QPushButton("Print", this);
    print->setDefault(true);
    auto* setup = new QPushButton("Page Setup...", this);
    auto* cancel = new QPushButton("Cancel", this);
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(setup, &QPushButton::clicked, this, [this] {
        if (PageSetup) PageSetup();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(setup);
    buttons->addWidget(cancel);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

CopyBitmapDialog::CopyBitmapDialog(QWidget* parent)
    : CopyBitmapDialog("Copy to Clipboard", parent) {}

CopyBitmapDialog::CopyBitmapDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowTitle(caption);
    ShowError = [this](const QString& text) {
        QMessageBox::critical(this, "Error", QString(text).replace('\r', '\n'));
    };
    auto* group = new QGroupBox("Bitmap Size", this);
    auto* rows = new QFormLayout(group);
    WidthEdit = new QLineEdit(group);
    HeightEdit = new QLineEdit(group);
    for (QLineEdit* edit : {WidthEdit, HeightEdit})
        edit->setMaxLength(kSideLength);
    rows->addRow("Width (pixels)", WidthEdit);
    rows->addRow("Height (pixels)", HeightEdit);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Check()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout_ = new QVBoxLayout(this);
    layout_->addWidget(group);
    layout_->addWidget(buttons);
}

void CopyBitmapDialog::AddTopRow(QWidget* row) {
    layout_->insertWidget(0, row);
}

void CopyBitmapDialog::SetBitmapSize(const QSize& size) {
    WidthEdit->setText(QString::number(size.width()));
    HeightEdit->setText(QString::number(size.height()));
}

QSize CopyBitmapDialog::BitmapSize() const {
    int width = 0;
    int height = 0;
    ParseBitmapSide(WidthEdit->text().toStdString(), width);
    ParseBitmapSide(HeightEdit->text().toStdString(), height);
    return {width, height};
}

bool CopyBitmapDialog::Check() {
    int side = 0;
    const struct {
        QLineEdit* edit;
        const char* message;
    } sides[] = {{WidthEdit, kBitmapWidthMessage}, {HeightEdit, kBitmapHeightMessage}};
    for (const auto& s : sides) {
        if (!ParseBitmapSide(s.edit->text().toStdString(), side)) {
            ShowError(s.message);
            s.edit->setFocus();
            s.edit->selectAll();
            return false;
        }
    }
    return true;
}

BitmapDialog::BitmapDialog(QWidget* parent) : CopyBitmapDialog("Save As Bitmap", parent) {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    FileNameEdit = new QLineEdit(row);
    FileNameEdit->setMinimumWidth(260);
    auto* browse = new QPushButton("Browse...", row);
    layout->addWidget(new QLabel("File Name:", row));
    layout->addWidget(FileNameEdit);
    layout->addWidget(browse);
    AddTopRow(row);
    AskYesNo = [this](const QString& text) {
        return QMessageBox::question(this, "Confirmation", text) == QMessageBox::Yes;
    };
    connect(browse, &QPushButton::clicked, this, [this] {
        if (!BrowseFileName) return;
        const QString name = BrowseFileName();
        if (!name.isEmpty()) FileNameEdit->setText(name);
    });
}

QString BitmapDialog::FileName() const {
    return WithBitmapExtension(FileNameEdit->text().trimmed());
}

bool BitmapDialog::Check() {
    if (!CopyBitmapDialog::Check()) return false;
    if (QFileInfo::exists(FileName()) && !AskYesNo("File already exists. Overwrite it?"))
        return false;
    return true;
}

QString BitmapNameOf(const QString& caption) {
    const QFileInfo info(caption);
    const QString base =
        info.suffix().isEmpty() ? caption : caption.left(caption.size() - info.suffix().size() - 1);
    return base + ".bmp";
}

QString WithBitmapExtension(const QString& name) {
    return QFileInfo(name).suffix().isEmpty() ? name + ".bmp" : name;
}

ProgressWindow::ProgressWindow(QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint) {
    Picture = new QLabel(this);
    Text = new QLabel(this);
    Text->setMinimumWidth(160);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(Picture);
    layout->addWidget(Text);
}

void ProgressWindow::ShowProgress(const QPixmap& picture, const QString& text,
                                  const QString& caption) {
    setWindowTitle(caption);
    Picture->setPixmap(picture);
    if (QWidget* owner = parentWidget()) {
        adjustSize();
        move(owner->geometry().center() - rect().center());
    }
    SetText(text);
    show();
}

void ProgressWindow::SetText(const QString& text) {
    Text->setText(text);
    repaint();  // the work that follows runs before any event would paint it
}

}  // namespace plotwise
