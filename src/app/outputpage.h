// The Output page: the generated unit in an editable text control, and a
// panel below it naming the unit's file.
#pragma once

#include <QStringList>
#include <QWidget>

class QHBoxLayout;
class QLabel;
class QPlainTextEdit;

class OutputPage : public QWidget
{
    Q_OBJECT
public:
    explicit OutputPage(QWidget *parent = nullptr);

    // Replaces the text: one line per entry, each ended by a line break, so a
    // built unit ends with a last empty line.
    void setLines(const QStringList &lines);
    // The text's lines; a text ending in a line break has a last empty line.
    QStringList lines() const;
    // The number of lines the text holds, the last empty one counted; an empty text has one.
    int lineCount() const;
    void clear();

public: // controls
    QPlainTextEdit *Memo1;
    QLabel *Panel5;

protected:
    // The status strip below the text, where further panels can be added.
    QHBoxLayout *statusStrip() const { return m_strip; }

private:
    QHBoxLayout *m_strip;
};
