#include "option_dialogs/options_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace plotwise {

OptionsDialog::OptionsDialog(const QString& caption, QWidget* parent)
    : QDialog(parent), body_(new QWidget(this)) {
    setWindowTitle(caption);
    ShowError = [this](const QString& text) {
        QMessageBox::critical(this, "Error", QString(text).replace('\r', '\n'));
    };
    auto* layout = new QVBoxLayout(body_);
    layout->setContentsMargins(0, 0, 0, 0);
    Pages = new QTabWidget(body_);
}

QWidget* OptionsDialog::AddPage(const QString& title) {
    auto* page = new QWidget(Pages);
    page->setObjectName(title);
    Pages->addTab(page, title);
    return page;
}

void OptionsDialog::FinishLayout() {
    body_->layout()->addWidget(Pages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] {
        if (Check()) accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(body_);
    layout->addWidget(buttons);
}

bool OptionsDialog::Passed(const std::optional<OptionsFailure>& failure,
                           const std::function<QWidget*(int)>& fieldWidget, const int* pages) {
    if (!failure) return true;
    ShowError(QString::fromStdString(failure->Message));
    Pages->setCurrentIndex(pages[failure->Field]);
    QWidget* field = fieldWidget(failure->Field);
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    return false;
}

QLineEdit* NewOptionsEdit(QWidget* parent, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setMaxLength(maxLength);
    edit->setMinimumWidth(120);
    return edit;
}

QGroupBox* NewGroup(const QString& title, QFormLayout*& rows, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    rows = new QFormLayout(group);
    return group;
}

void SetChooserItem(QComboBox* box, long long value, int offset) {
    box->setCurrentIndex(
        static_cast<int>(std::clamp<long long>(value - offset, 0, box->count() - 1)));
}

}  // namespace plotwise
