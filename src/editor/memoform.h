// SPDX-License-Identifier: MIT
// Tmemoform, the "Source Code Comments" dialog: one instance for the whole
// run, shared by the Properties, Methods and Event Handlers pages. Whatever
// it holds when an entry is added becomes that entry's comment; it keeps its
// text whichever button closes it.
#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextDocument;

class Tmemoform : public QDialog
{
    Q_OBJECT
public:
    // The most characters a comment holds.
    static constexpr int kMaxLength = 255;

    explicit Tmemoform(QWidget *parent = nullptr);

    // The comment exactly as typed or set, no-break spaces included.
    QString text() const;
    // Text set by the program is kept whole, even past the limit: the limit
    // holds only what the user types or pastes.
    void setText(const QString &text);
    void clear();

    void setVisible(bool visible) override;

    // The controls, made when first asked for or shown: most runs never open
    // the dialog, and its text control and typefaces would slow the start.
    QPlainTextEdit *Memo1();
    QLabel *Label1();
    QPushButton *Button1();
    QPushButton *Button2();

private:
    void createControls();
    void noteChange(int position, int removed, int added);
    void keepWithinLimit();

    // The text lives here from the start; Memo1 shows and edits it.
    QTextDocument *m_document;
    QPlainTextEdit *m_memo = nullptr;
    QLabel *m_label = nullptr;
    QPushButton *m_ok = nullptr;
    QPushButton *m_cancel = nullptr;

    int m_length = 0;            // the text's length before the latest change
    int m_insertedEnd = -1;      // where the latest change's inserted text ends
    bool m_settingText = false;
};
