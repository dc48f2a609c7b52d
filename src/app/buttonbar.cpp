// SPDX-License-Identifier: MIT
#include "app/buttonbar.h"

#include "editor/controlhints.h"
#include "editor/glyphs.h"

#include <QToolButton>

namespace {
constexpr int kButtonWidth = 49;
constexpr int kButtonHeight = 43;
constexpr int kBarHeight = 49;
} // namespace

ButtonBar::ButtonBar(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Panel2"));
    setFixedHeight(kBarHeight);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);

    auto button = [this](const QString &caption, const QString &hint, Glyph glyph,
                         const char *name, int left) {
        auto *b = new QToolButton(this);
        b->setObjectName(QLatin1String(name));
        b->setText(caption);
        b->setIcon(glyphIcon(glyph));
        b->setIconSize(QSize(20, 20));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoRaise(false);
        b->setGeometry(left, (kBarHeight - kButtonHeight) / 2, kButtonWidth, kButtonHeight);
        setHint(b, hint);
        return b;
    };
    BitBtn1 = button(QStringLiteral("E&xit"), QStringLiteral("|Quit Unitforge"),
                     Glyph::Exit, "BitBtn1", 5);
    BitBtn5 = button(QStringLiteral("&Open"), QStringLiteral("Open *.spc file"),
                     Glyph::Open, "BitBtn5", 54);
    btnBuild = button(QStringLiteral("&Build"), QStringLiteral("Build the source output"),
                      Glyph::Build, "btnBuild", 103);
    BitBtn3 = button(QStringLiteral("&Save"), QStringLiteral("Save to a .pas file"),
                     Glyph::Save, "BitBtn3", 152);
    BitBtn3->setEnabled(false);
    btnhelp = button(QStringLiteral("&Help"), QStringLiteral("Unitforge Help"),
                     Glyph::Help, "btnhelp", 0);
    placeHelpButton();
    // Alt+B and Alt+H belong to the "&Build" and "&Help" menus, which win over
    // a button with the same mnemonic; Qt would treat the pair as ambiguous.
    btnBuild->setShortcut(QKeySequence());
    btnhelp->setShortcut(QKeySequence());
}

void ButtonBar::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeHelpButton();
}

void ButtonBar::placeHelpButton()
{
    btnhelp->move(width() - btnhelp->width() - 1, btnhelp->y());
}
