#include "merge/unitfileupdate.h"

#include "merge/pascalreader.h"
#include "specfile/filewriter.h"
#include "specfile/textcodec.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// A byte-order mark of UTF-16, or "u" and a zero byte (or the other way
// round): no unit in a one-byte encoding begins so.
bool isUtf16(const QByteArray &bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return true;
    return bytes.size() >= 2 && (bytes[0] == '\0') != (bytes[1] == '\0');
}

bool isAscii(const QByteArray &bytes)
{
    return std::all_of(bytes.begin(), bytes.end(), [](char b) { return uchar(b) < 0x80; });
}

// The first character of text that Windows-1252 has no code for, named with
// its line; empty when all fit.
QString unstorableCharacter(QStringView text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QStringView character = text.sliced(i, length);
        if (!fitsWindows1252(character)) {
            const char32_t code = length == 2 ? QChar::surrogateToUcs4(text[i], text[i + 1]) : text[i].unicode();
            return u"\"%1\" (U+%2) on line %3 cannot be stored in Windows-1252, the unit's encoding"_s
                .arg(character.toString(), QString::number(code, 16).toUpper().rightJustified(4, u'0'))
                .arg(lineNumberAt(text, i));
        }
        i += length - 1;
    }
    return {};
}

} // namespace

UnitFileUpdate mergeIntoUnitFile(const QString &path, const QStringList &builtLines)
{
    UnitFileUpdate update;
    const QFileInfo info(path);
    if (info.isDir()) {
        update.readError = u"it is a directory"_s;
        return update;
    }
    if (info.exists() && !info.isFile()) {
        update.readError = u"it is not a regular file"_s;
        return update;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        update.readError = file.errorString();
        return update;
    }
    const QByteArray bytes = file.readAll();
    if (isUtf16(bytes)) {
        update.readError = u"it is UTF-16 text, which is not read; save it as UTF-8 or Windows-1252"_s;
        return update;
    }
    update.file = decodeUnitFile(bytes);

    // The new build in the file's line ends, so that an untouched routine compares equal.
    QString built = decodeText(sourceFileBytes(builtLines));
    if (update.file.lineBreak != u"\r\n"_s)
        built.replace(u"\r\n"_s, update.file.lineBreak);
    update.merge = mergeUnits(built, update.file.text);
    // A unit of plain ASCII has no encoding of its own to keep.
    if (update.merge.error.isEmpty() && update.file.encoding == UnitFile::Encoding::Windows1252
        && !isAscii(bytes))
        update.encodingError = unstorableCharacter(update.merge.text);
    return update;
}

bool writeUnitFileUpdate(const QString &path, const UnitFileUpdate &update, QString *reason)
{
    return writeFileAtomically(path, encodeUnitFile(update.merge.text, update.file.encoding), reason);
}
