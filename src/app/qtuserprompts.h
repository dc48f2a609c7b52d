// The real message boxes and common dialogs, made with Qt's own dialogs. The
// only place in the program that shows a QMessageBox or a QFileDialog.
#pragma once

#include "editor/userprompts.h"

#include <memory>

class QMessageBox;
class QWidget;

class QtUserPrompts : public UserPrompts
{
public:
    explicit QtUserPrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    Answer message(Kind kind, const QString &text, Buttons buttons) override;
    QString openFileName(const FileRequest &request) override;
    QString saveFileName(const FileRequest &request) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
    std::optional<QColor> chooseColor(const QColor &initial) override;

    static QString caption(Kind kind);
    // The least width of a box captioned so: the caption, in the bold type
    // title bars use, beside the window's icon and three title bar buttons.
    // A box sized to a short text ("Not found") would cut its caption.
    static int captionWidth(const QString &caption);
    // The box message() shows, ready to run.
    static std::unique_ptr<QMessageBox> makeMessageBox(Kind kind, const QString &text,
                                                       Buttons buttons, QWidget *parent);

private:
    QString runFileDialog(const FileRequest &request, bool save);

    QWidget *m_parent;
};
