#include "shell/CommandWnd.h"

#include "res/Resources.h"
#include "shell/TrayCommands.h"
#include "shell/TrayMenu.h"

#include <QCloseEvent>
#include <QFrame>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 16;

QIcon BlankIcon() {
    QPixmap blank(kIconSize, kIconSize);
    blank.fill(Qt::transparent);
    return QIcon(blank);
}

} // namespace

CCommandWnd::CCommandWnd(const CTrayCommands& commands, std::function<bool()> hasIcon,
                         std::function<void()> exit)
    : m_hasIcon(std::move(hasIcon)), m_exit(std::move(exit)) {
    setWindowTitle(QStringLiteral("Orrindale"));
    setWindowIcon(resources::Icon(resources::kIconProgram));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(2);
    for (const int command : CTrayMenu::CommandOrder()) {
        if (command == CTrayMenu::kSeparator) {
            auto* line = new QFrame;
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            layout->addWidget(line);
            continue;
        }
        auto* button = new QToolButton;
        button->setDefaultAction(commands.Action(command));
        // A command without an icon keeps its text in line with the others.
        if (button->icon().isNull()) button->setIcon(BlankIcon());
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setAutoRaise(true);
        button->setIconSize(QSize(kIconSize, kIconSize));
        button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        layout->addWidget(button);
    }
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CCommandWnd::BringForward() {
    if (isMinimized()) showNormal();
    show();
    raise();
    activateWindow();
}

void CCommandWnd::closeEvent(QCloseEvent* event) {
    if (m_hasIcon()) {
        hide();
        event->ignore();
        return;
    }
    // Without an icon there would be no way back in: closing is ending.
    event->ignore();
    m_exit();
}
