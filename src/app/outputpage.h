// The Output page: the generated unit in a small text editor with a toolbar
// (print, find and replace, undo, erase, clipboard, font, colour, word wrap),
// a status bar with font name and size pick lists, and the unit's file name.
#pragma once

#include <QColor>
#include <QPrinter>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "app/settingsfile.h"
#include "platform/textsearch.h"

class FindDialog;
class PickList;
class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QPlainTextEdit;
class QToolButton;
class ReplaceDialog;
class UserPrompts;

// The main window's menu items that the Output page serves or keeps up to date.
struct OutputMenu {
    QAction *Print1 = nullptr;
    QAction *PrinterSetup1 = nullptr;
    QAction *Cut1 = nullptr;
    QAction *Copy1 = nullptr;
    QAction *Paste1 = nullptr;
    QAction *SelectAll1 = nullptr;
    QAction *UseDefault1 = nullptr;
    QAction *Matchfont1 = nullptr;
    QAction *Wordwrap1 = nullptr;
    QAction *BackgroundColor1 = nullptr;
    QAction *Options1 = nullptr;
    QWidget *saveButton = nullptr;   // disabled when there is nothing to save
};

class OutputPage : public QWidget
{
    Q_OBJECT
public:
    explicit OutputPage(UserPrompts &prompts, QWidget *parent = nullptr);

    // Replaces the text: one line per entry, each ended by a line break, so a
    // built unit ends with a last empty line.
    void setLines(const QStringList &lines);
    // The text's lines as typed, whatever word wrap shows; a text ending in a
    // line break has a last empty line.
    QStringList lines() const;
    // The whole text as typed, lines separated by line feeds.
    QString text() const;
    // The number of lines the text holds, the last empty one counted; an empty text has one.
    int lineCount() const;
    void clear();

    // Takes over the menu items: their commands, and their states on refresh.
    void connectMenu(const OutputMenu &menu);
    // Enables the commands as the text, the selection, the clipboard and the
    // undo history allow.
    void updateCommandStates();

    // The look the settings file keeps.
    void setLook(const OutputLook &look);
    OutputLook look() const;
    void setOutputFont(const QFont &font);
    QColor fontColor() const;
    QColor backgroundColor() const;

    QPrinter &printer() { return m_printer; }
    // Replaces the printer-setup dialog (tests answer it themselves).
    void setPrinterSetupDialog(std::function<bool(QPrinter &)> dialog);
    // Replaces the test for an installed printer.
    void setPrinterCheck(std::function<bool()> hasPrinter);

public slots: // handlers
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void btnEraseClick();
    void btnundoClick();
    void btnfindClick();
    void btnreplaceClick();
    void FindDialog1Find();
    void ReplaceDialog1Find();
    void ReplaceDialog1Replace();
    void ReplaceDialog1ReplaceAll();
    void Options1Click();
    void BackgroundColor1Click();
    void Wordwrap1Click();
    void btnwordwrapClick();
    void UseDefault1Click();
    void Matchfont1Click();
    void Print1Click();
    void PrinterSetup1Click();
    void fontpanelClick();
    void sizepanelClick();

public: // controls
    QFrame *Panel3;
    QToolButton *btnPrint;
    QToolButton *btnfind;
    QToolButton *btnreplace;
    QToolButton *btnundo;
    QToolButton *btnErase;
    QToolButton *btncut;
    QToolButton *btnCopy;
    QToolButton *btnPaste;
    QToolButton *btnfont;
    QToolButton *btnbrush;
    QToolButton *btnwordwrap;
    QPlainTextEdit *Memo1;
    QFrame *Panel4;
    QLabel *fontpanel;
    QLabel *sizepanel;
    QLabel *Panel5;
    PickList *fontlistbox;
    PickList *sizelist;
    FindDialog *FindDialog1;
    ReplaceDialog *ReplaceDialog1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createToolbar();
    void createStatusBar();
    void setWordWrap(bool on);
    void setColors(const QColor &fontColor, const QColor &background);
    void updateFontPanels();
    void popUp(QLabel *panel, PickList *list, const QStringList &entries);
    // Runs the menu item's command, or the handler when no menu is connected;
    // nothing while the item is disabled.
    void runItem(QAction *item, void (OutputPage::*handler)());
    bool findAndSelect(const QString &pattern, const SearchOptions &options);
    // Shows "Not found" and hands the focus back to the dialog that searched.
    void reportNotFound(QWidget *dialog);
    void select(int start, int length);
    bool ensurePrinterOrPdf(bool &toPdf);

    UserPrompts &m_prompts;
    OutputMenu m_menu;
    QColor m_fontColor = Qt::black;
    QColor m_background = Qt::white;
    QColor m_lastChosenColor = Qt::black;
    QPrinter m_printer;
    std::function<bool(QPrinter &)> m_printerSetup;
    std::function<bool()> m_hasPrinter;
};
