// The Output page: the generated unit in a small text editor with a toolbar
// (print, find and replace, undo, erase, clipboard, font, colour, word wrap),
// a status bar with font name and size pick lists, and the unit's file name.
// It tells the window what can be done through signals; the window owns the
// menu items and the buttons outside the page.
#pragma once

#include <QColor>
#include <QStringList>
#include <QWidget>

#include "app/settingsfile.h"
#include "platform/textsearch.h"

class CursorPositionLabel;
class FindDialog;
class FindingsList;
struct Finding;
class PascalHighlighter;
class PickList;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QSplitter;
class QToolButton;
class ReplaceDialog;
class UserPrompts;

// What the Output text allows at this moment.
struct OutputCommandStates {
    bool hasText = false;        // a line besides a last empty one
    bool hasSelection = false;
    bool canPaste = false;       // the clipboard holds text
    bool canUndo = false;

    bool operator==(const OutputCommandStates &) const = default;
};

// The toolbar buttons that stand for a menu item of the window.
enum class OutputMenuCommand { Print, Cut, Copy, Paste, Font, BackgroundColor, Wordwrap };

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
    // The number of lines the text holds, the last empty one counted; an empty text has one.
    int lineCount() const;
    // Empties the text and the findings shown with it.
    void clear();
    // Shows the check's findings below the text; with none the list hides.
    void showFindings(const QList<Finding> &findings);
    // Whether the text was built or edited since it was last saved.
    bool isUnsaved() const;
    void markSaved();

    OutputCommandStates commandStates() const;

    // The unit's file name, shown below the text.
    void setUnitFileName(const QString &name);
    QString unitFileName() const;

    void setWordWrap(bool on);

    // The look the settings file keeps.
    void setLook(const OutputLook &look);
    OutputLook look() const;
    void setOutputFont(const QFont &font);
    QFont outputFont() const;
    QColor fontColor() const { return m_fontColor; }
    QColor backgroundColor() const { return m_background; }

    // Object Pascal colouring of the text, in colours worked out from the
    // text and background colours; printing and saving take the plain text.
    void setSyntaxColors(bool on);
    PascalHighlighter *highlighter() const { return m_highlighter; }

signals:
    // The text, the selection, the clipboard or the undo history changed what can be done.
    void commandStatesChanged(const OutputCommandStates &states);
    // A toolbar button that stands for a menu item was clicked.
    void menuCommandRequested(OutputMenuCommand command);

public slots: // handlers
    void Cut1Click();
    void Copy1Click();
    void Paste1Click();
    void SelectAll1Click();
    void btnEraseClick();
    void btnundoClick();
    void btnfindClick();
    void btnreplaceClick();
    void FindDialog1Find();
    // F3 and Shift+F3: the find dialog's text and options, downward or upward;
    // the dialog opens when it has no text yet.
    void findAgain(bool down);
    void ReplaceDialog1Find();
    void ReplaceDialog1Replace();
    void ReplaceDialog1ReplaceAll();
    void Options1Click();
    void BackgroundColor1Click();
    void FontColor1Click();
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
    FindingsList *findingsList;   // the check's findings, below the text
    QFrame *Panel4;
    QLabel *fontpanel;
    QLabel *sizepanel;
    QLabel *Panel5;
    CursorPositionLabel *cursorpanel;   // inside Panel5, at its right
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
    void createPickLists();
    void createSearchDialogs();
    void setColors(const QColor &fontColor, const QColor &background);
    void applyColors();
    void updateFontPanels();
    void updateCommandStates();
    void popUp(QLabel *panel, PickList *list, const QStringList &entries);
    // Shows "Not found" and hands the focus back to the dialog that searched.
    void reportNotFound(QWidget *dialog);

    UserPrompts &m_prompts;
    QSplitter *m_textAndFindings = nullptr;
    PascalHighlighter *m_highlighter;
    QColor m_fontColor = Qt::black;
    QColor m_background = Qt::white;
    OutputCommandStates m_states;
};
