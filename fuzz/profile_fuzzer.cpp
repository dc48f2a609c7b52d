// SPDX-License-Identifier: MIT
// Feeds arbitrary bytes to the profile parser, reads and writes through it,
// and checks that what was written reads back and that saving is stable.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "specfile/profilefile.h"
#include "specfile/textcodec.h"

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ProfileFile file;
    file.parse(decodeText(bytes));

    // Leaving a section out while parsing gives what erasing it afterwards gives.
    ProfileFile leftOut, erased = file;
    leftOut.parse(decodeText(bytes), [](QStringView name) { return name.compare(u"S", Qt::CaseInsensitive) == 0; });
    erased.eraseSection(QStringLiteral("S"));
    check(leftOut.toText() == erased.toText());

    static const char *const kSections[] = {"Component", "properties", "S", "functionTA.GetB"};
    static const char *const kKeys[] = {"0", "1", "7", "count", "varcount", "v1", "PropertyCount"};
    QStringList keys;
    for (const char *key : kKeys)
        keys.append(QString::fromLatin1(key));
    for (const char *section : kSections) {
        const QString s = QString::fromLatin1(section);
        QStringList values;
        for (const QString &k : std::as_const(keys)) {
            values.append(file.readString(s, k, QStringLiteral("*")));
            // Names match whatever their letter case.
            check(file.readString(s.toUpper(), k.toUpper(), QStringLiteral("*")) == values.last());
            file.readInteger(s, k, -1);
        }
        check(file.readStrings(s, keys, QStringLiteral("*")) == values);
        const QList<qint64> numbered = file.numberedKeys(s, QString());
        check(std::is_sorted(numbered.begin(), numbered.end()));
        // Each listed number is a key (a missing key would give each default back).
        for (const qint64 n : numbered)
            check(n > std::numeric_limits<int>::max()
                  || file.readString(s, QString::number(n), QStringLiteral("a"))
                         == file.readString(s, QString::number(n), QStringLiteral("b")));
        file.numberedKeys(s, QStringLiteral("v"));
    }

    // Values taken from the input itself, line breaks and blanks included.
    const QString text = decodeText(bytes.left(64));
    const QString single = QString(text).remove(u'\r').remove(u'\n').trimmed();
    file.writeString(QStringLiteral("Component"), QStringLiteral("Name"), single);
    file.writeString(QStringLiteral("Comments"), QStringLiteral("3"), text);
    file.writeInteger(QStringLiteral("properties"), QStringLiteral("2"), int(size));
    file.eraseSection(QStringLiteral("S"));

    check(file.readInteger(QStringLiteral("PROPERTIES"), QStringLiteral("2"), -1) == int(size));
    check(!file.hasSection(QStringLiteral("s")));
    const QString name = file.readString(QStringLiteral("component"), QStringLiteral("name"));
    check(name == single);

    // Saving what was parsed from a saved text gives the same text again.
    const QString saved = file.toText();
    ProfileFile again;
    again.parse(saved);
    check(again.toText() == saved);
    check(decodeText(file.toBytes()).size() <= saved.size());
    return 0;
}
