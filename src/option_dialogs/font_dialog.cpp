#include "option_dialogs/font_dialog.h"

#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "plot/font_mapping.h"

namespace plotwise {
namespace {

void ShowColor(QPushButton* button, const QColor& color) {
    button->setStyleSheet(QString("QPushButton { color: %1; }").arg(color.name()));
}

}  // namespace

bool ChooseFontRecord(QWidget* parent, FontRecord& font) {
    QDialog dialog(parent);
    dialog.setWindowTitle("Font");
    auto* fonts = new QFontDialog(FontOf(font), &dialog);
    fonts->setOptions(QFontDialog::NoButtons);
    fonts->setWindowFlags(Qt::Widget);
    QColor color = FontColorOf(font);
    auto* colorButton = new QPushButton("Color...", &dialog);
    ShowColor(colorButton, color);
    QObject::connect(colorButton, &QPushButton::clicked, &dialog, [&] {
        const QColor chosen = QColorDialog::getColor(color, &dialog, "Color");
        if (chosen.isValid()) color = chosen;
        ShowColor(colorButton, color);
    });
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addWidget(colorButton, 0, Qt::AlignLeft);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted) return false;

    const QFont chosen = fonts->currentFont();
    font.Color = color.red() + 256 * color.green() + 65536 * color.blue();
    font.Size = std::clamp(static_cast<int>(std::lround(chosen.pointSizeF())), 1, kMaxFontSize);
    font.Name.SetText(RecordBytes(chosen.family(), 31));
    font.Style =
        static_cast<std::uint8_t>((chosen.bold() ? 1 : 0) | (chosen.italic() ? 2 : 0) |
                                  (chosen.underline() ? 4 : 0) | (chosen.strikeOut() ? 8 : 0));
    return true;
}

}  // namespace plotwise
