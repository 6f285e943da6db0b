#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/home_page.h"
#include "app/program_icons.h"

namespace plotwise {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About");
    auto* icon = new QLabel(this);
    icon->setPixmap(ApplicationIcon().pixmap(64, 64));
    auto* name = new QLabel("Plotwise", this);
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* version = new QLabel("Version 1.0", this);
    auto* link =
        new QLabel(QString("<a href=\"%1\">Plotwise Home Page</a>").arg(kHomePageUrl), this);
    link->setOpenExternalLinks(true);  // the hand cursor comes with the link
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    // Wide enough that a title bar shows the caption whole beside its buttons.
    name->setMinimumWidth(fontMetrics().horizontalAdvance(windowTitle()) + 200);
    for (QLabel* label : {icon, name, version, link}) {
        label->setAlignment(Qt::AlignCenter);
        layout->addWidget(label);
    }
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace plotwise
