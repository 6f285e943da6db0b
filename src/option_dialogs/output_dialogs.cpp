#include "option_dialogs/output_dialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "plot/bitmap_export.h"
#include "services/help_context.h"

namespace plotwise {
namespace {

constexpr int kSideLength = 15;  // characters in a size field

}  // namespace

PrintOptionsDialog::PrintOptionsDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("Print Graphs");
    SetHelpContext(this, 215);
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
    : CopyBitmapDialog("Copy to Clipboard", parent) {
    SetHelpContext(this, 218);
}

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

BitmapDialog::BitmapDialog(QWidget* parent) : BitmapDialog("Save As Bitmap", parent) {
    SetHelpContext(this, 208);
}

BitmapDialog* BitmapDialog::ForExport(QWidget* parent) {
    auto* form = new BitmapDialog("Export", parent);
    form->export_ = true;
    SetHelpContext(form, 9);
    return form;
}

BitmapDialog::BitmapDialog(const QString& caption, QWidget* parent)
    : CopyBitmapDialog(caption, parent) {
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
    const QString name = FileNameEdit->text().trimmed();
    if (export_) return QFileInfo(name).suffix().isEmpty() ? name + ".png" : name;
    return WithBitmapExtension(name);
}

bool BitmapDialog::Check() {
    if (!CopyBitmapDialog::Check()) return false;
    const QString suffix = QFileInfo(FileName()).suffix().toLower();
    if (export_ && suffix != "png" && suffix != "svg" && suffix != "pdf") {
        ShowError(kExportTypeMessage);
        FileNameEdit->setFocus();
        return false;
    }
    if (QFileInfo::exists(FileName()) && !AskYesNo("File already exists. Overwrite it?"))
        return false;
    return true;
}

namespace {

// The papers offered, the usual ones first.
constexpr QPageSize::PageSizeId kPapers[] = {
    QPageSize::A4, QPageSize::Letter, QPageSize::Legal,     QPageSize::A3,
    QPageSize::A5, QPageSize::B5,     QPageSize::Executive, QPageSize::Tabloid,
};

constexpr double kThousandthsPerMm = 1000 / 25.4;

}  // namespace

PageSetupDialog::PageSetupDialog(const QPageLayout& layout, const PageMargins& margins, bool metric,
                                 QWidget* parent)
    : QDialog(parent), margins_(margins), metric_(metric) {
    setWindowTitle("Page Setup");
    SetHelpContext(this, 6);
    ShowError = [this](const QString& text) {
        QMessageBox::critical(this, "Error", QString(text).replace('\r', '\n'));
    };
    auto* paper = new QGroupBox("Paper", this);
    auto* paperRows = new QFormLayout(paper);
    PaperBox = new QComboBox(paper);
    for (const QPageSize::PageSizeId id : kPapers)
        PaperBox->addItem(QPageSize::name(id), static_cast<int>(id));
    const int current = PaperBox->findData(static_cast<int>(layout.pageSize().id()));
    PaperBox->setCurrentIndex(current < 0 ? 0 : current);
    paperRows->addRow("Size:", PaperBox);
    auto* orientation = new QGroupBox("Orientation", this);
    auto* orientationRows = new QHBoxLayout(orientation);
    PortraitButton = new QRadioButton("Portrait", orientation);
    LandscapeButton = new QRadioButton("Landscape", orientation);
    orientationRows->addWidget(PortraitButton);
    orientationRows->addWidget(LandscapeButton);
    (layout.orientation() == QPageLayout::Landscape ? LandscapeButton : PortraitButton)
        ->setChecked(true);
    auto* marginBox = new QGroupBox(metric ? "Margins (millimetres)" : "Margins (inches)", this);
    auto* marginRows = new QFormLayout(marginBox);
    const int values[4] = {margins.left, margins.top, margins.right, margins.bottom};
    const char* names[4] = {"Left:", "Top:", "Right:", "Bottom:"};
    for (int i = 0; i < 4; ++i) {
        MarginEdits[i] = new QLineEdit(marginBox);
        MarginEdits[i]->setMaxLength(kSideLength);
        const double shown = metric ? values[i] / kThousandthsPerMm : values[i] / 1000.0;
        MarginEdits[i]->setText(QString::number(shown, 'f', metric ? 1 : 3));
        marginRows->addRow(names[i], MarginEdits[i]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Check()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* rows = new QVBoxLayout(this);
    rows->addWidget(paper);
    rows->addWidget(orientation);
    rows->addWidget(marginBox);
    rows->addWidget(buttons);
}

QPageLayout PageSetupDialog::Layout() const {
    const auto id = static_cast<QPageSize::PageSizeId>(PaperBox->currentData().toInt());
    return QPageLayout(
        QPageSize(id),
        LandscapeButton->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF());
}

bool PageSetupDialog::Check() {
    int read[4] = {};
    for (int i = 0; i < 4; ++i) {
        // The decimal point as everywhere in Plotwise, whatever the locale.
        bool ok = false;
        const double value = MarginEdits[i]->text().trimmed().toDouble(&ok);
        const double thousandths = metric_ ? value * kThousandthsPerMm : value * 1000;
        if (!ok || !(thousandths >= 0) || thousandths > 1e6) {
            ShowError(kMarginMessage);
            MarginEdits[i]->setFocus();
            MarginEdits[i]->selectAll();
            return false;
        }
        read[i] = static_cast<int>(std::lround(thousandths));
    }
    const QSizeF inches = Layout().fullRect(QPageLayout::Inch).size();
    if (read[0] + read[2] >= inches.width() * 1000 || read[1] + read[3] >= inches.height() * 1000) {
        ShowError(kMarginMessage);
        MarginEdits[0]->setFocus();
        return false;
    }
    margins_ = {read[0], read[1], read[2], read[3]};
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
