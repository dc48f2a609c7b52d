#include "app/qtuserprompts.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontMetrics>
#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QStyle>

#include <algorithm>

QString QtUserPrompts::caption(Kind kind)
{
    switch (kind) {
    case Kind::Warning: return QStringLiteral("Warning");
    case Kind::Error: return QStringLiteral("Error");
    case Kind::Information: return QStringLiteral("Information");
    case Kind::Confirm: return QStringLiteral("Confirm");
    }
    return {};
}

int QtUserPrompts::captionWidth(const QString &caption)
{
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    // Title bars of desktops are taller than Qt's own: at least 32 pixels.
    const int square = std::max(32, QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight));
    return QFontMetrics(font).horizontalAdvance(caption) + 4 * square;
}

namespace {

// A message box is exactly as wide as its layout asks: a row as wide as the
// caption needs keeps the box from being narrower.
void makeRoomForCaption(QMessageBox &box)
{
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        grid->addItem(new QSpacerItem(QtUserPrompts::captionWidth(box.windowTitle()), 0,
                                      QSizePolicy::Fixed, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
}

} // namespace

std::unique_ptr<QMessageBox> QtUserPrompts::makeMessageBox(Kind kind, const QString &text,
                                                           Buttons buttons, QWidget *parent)
{
    auto made = std::make_unique<QMessageBox>(parent);
    QMessageBox &box = *made;
    box.setWindowTitle(caption(kind));
    // The texts break lines with bare carriage returns, as the boxes of their
    // first platform did; a Qt label breaks only at line feeds.
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    box.setText(shown);
    box.setTextFormat(Qt::PlainText);
    switch (kind) {
    case Kind::Warning: box.setIcon(QMessageBox::Warning); break;
    case Kind::Error: box.setIcon(QMessageBox::Critical); break;
    case Kind::Information: box.setIcon(QMessageBox::Information); break;
    case Kind::Confirm: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::YesNo:
    case Buttons::YesNoDefaultNo:
        // A Yes/No box closed by Escape or its title bar answers Cancel, not
        // No: a hidden Cancel button becomes the box's escape button.
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.button(QMessageBox::Cancel)->hide();
        box.setEscapeButton(QMessageBox::Cancel);
        box.setDefaultButton(buttons == Buttons::YesNo ? QMessageBox::Yes : QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    makeRoomForCaption(box);
    return made;
}

UserPrompts::Answer QtUserPrompts::message(Kind kind, const QString &text, Buttons buttons)
{
    const std::unique_ptr<QMessageBox> box = makeMessageBox(kind, text, buttons, m_parent);
    box->exec();
    const QMessageBox::StandardButton clicked = box->standardButton(box->clickedButton());
    switch (clicked) {
    case QMessageBox::Ok: return Answer::Ok;
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
    }
}

QString QtUserPrompts::runFileDialog(const FileRequest &request, bool save)
{
    QFileDialog dialog(m_parent, request.title, request.directory, request.filter);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.proposedName.isEmpty())
        dialog.selectFile(request.proposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

QString QtUserPrompts::openFileName(const FileRequest &request)
{
    return runFileDialog(request, false);
}

QString QtUserPrompts::saveFileName(const FileRequest &request)
{
    return runFileDialog(request, true);
}

std::optional<QFont> QtUserPrompts::chooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, m_parent);
    if (!ok)
        return std::nullopt;
    return font;
}

std::optional<QColor> QtUserPrompts::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, m_parent);
    if (!color.isValid())
        return std::nullopt;
    return color;
}
