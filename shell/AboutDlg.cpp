#include "shell/AboutDlg.h"

#include "res/Resources.h"
#include "res/StringTable.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {
constexpr int kStringAbout = 32803;
constexpr int kIconSize = 48;
} // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QString::fromStdString(LoadString(kStringAbout)));
    auto* icon = new QLabel;
    icon->setPixmap(resources::Icon(resources::kIconProgram).pixmap(kIconSize, kIconSize));
    auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(NameText()));
    name->setObjectName(QStringLiteral("name"));
    auto* version = new QLabel(VersionText());
    version->setObjectName(QStringLiteral("version"));
    auto* texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(version);
    texts->addWidget(new QLabel(QStringLiteral("A calendar and reminders for your desktop.")));
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addLayout(texts);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QString CAboutDlg::NameText() {
    return QStringLiteral("Orrindale");
}

QString CAboutDlg::VersionText() {
    return QStringLiteral("Version %1").arg(QString::fromStdString(LoadString(IDS_VERSION)));
}
