// A spin box whose text, when it is not a whole number, counts as the
// minimum: read so at once, and shown so when the box loses the focus. A
// whole number out of range can be typed (a sixth digit where the largest
// value has five) and is brought into the range when the box loses the
// focus. Qt's spin box would refuse the digit, or put its previous value
// back, so a button that takes the focus would see another value than a
// menu item or key that does not.
#pragma once

#include <QSpinBox>

class NumberSpinBox : public QSpinBox
{
    Q_OBJECT
public:
    using QSpinBox::QSpinBox;

    // The text read as a whole number within the range; the minimum when it
    // is not one.
    int number() const;

    QValidator::State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

private:
    // The text without prefix, suffix and surrounding blanks.
    QString numberText(const QString &input) const;
};
