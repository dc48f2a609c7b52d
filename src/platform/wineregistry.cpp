// SPDX-License-Identifier: MIT
#include "platform/wineregistry.h"

#include "platform/winepaths.h"

#include <QDir>
#include <QFile>
#include <QStringConverter>
#include <QTextStream>

namespace {

// Undoes the escapes Wine writes inside quoted names and values. Stops at the
// closing quote; pos is left after it.
QString readQuoted(const QString &line, qsizetype &pos)
{
    QString out;
    ++pos;   // the opening quote
    while (pos < line.size()) {
        const QChar c = line.at(pos++);
        if (c == u'"')
            return out;
        if (c != u'\\' || pos >= line.size()) {
            out.append(c);
            continue;
        }
        const QChar e = line.at(pos++);
        switch (e.unicode()) {
        case 'n': out.append(u'\n'); break;
        case 'r': out.append(u'\r'); break;
        case 't': out.append(u'\t'); break;
        case 'a': out.append(QChar(7)); break;
        case 'b': out.append(QChar(8)); break;
        case 'e': out.append(QChar(27)); break;
        case 'f': out.append(QChar(12)); break;
        case 'v': out.append(QChar(11)); break;
        case 'x': {
            int digits = 0;
            uint code = 0;
            while (digits < 4 && pos < line.size() && isxdigit(line.at(pos).toLatin1())) {
                code = code * 16 + QString(line.at(pos)).toUInt(nullptr, 16);
                ++pos;
                ++digits;
            }
            out.append(QChar(char16_t(code)));
            break;
        }
        default:
            if (e >= u'0' && e <= u'7') {
                uint code = e.unicode() - '0';
                for (int i = 0; i < 2 && pos < line.size() && line.at(pos) >= u'0'
                     && line.at(pos) <= u'7'; ++i)
                    code = code * 8 + (line.at(pos++).unicode() - '0');
                out.append(QChar(char16_t(code)));
            } else {
                out.append(e);   // \\ and \" and anything unknown stand for themselves
            }
        }
    }
    return out;
}

// "[Software\\Borland\\Delphi] 1234": the key path with Wine's escapes undone.
QString keyPathOf(const QString &line)
{
    QString path;
    for (qsizetype i = 1; i < line.size(); ++i) {
        const QChar c = line.at(i);
        if (c == u']')
            break;
        if (c == u'\\' && i + 1 < line.size() && line.at(i + 1) == u'\\')
            ++i;
        path.append(c);
    }
    return path;
}

} // namespace

QString WineRegistry::normalisedKey(QString key)
{
    while (key.startsWith(u'\\'))
        key.remove(0, 1);
    while (key.endsWith(u'\\'))
        key.chop(1);
    return key.toLower();
}

WineRegistry WineRegistry::fromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    // Wine writes the file in UTF-8 with its own escapes for other characters.
    return fromText(QString::fromUtf8(file.readAll()));
}

WineRegistry WineRegistry::fromText(const QString &text)
{
    WineRegistry reg;
    QList<Value> *current = nullptr;
    const QStringList lines = text.split(u'\n');
    for (QString line : lines) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'[')) {
            current = &reg.m_keys[normalisedKey(keyPathOf(line))];
            continue;
        }
        if (!current || line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        Value value;
        qsizetype pos = 0;
        if (line.startsWith(u'@')) {
            pos = 1;   // the key's default value has no name
        } else if (line.startsWith(u'"')) {
            value.name = readQuoted(line, pos);
        } else {
            continue;
        }
        if (pos >= line.size() || line.at(pos) != u'=')
            continue;
        ++pos;
        if (pos < line.size() && line.at(pos) == u'"')
            value.text = readQuoted(line, pos);
        else if (line.mid(pos).startsWith(u"str(2):\"") || line.mid(pos).startsWith(u"str(7):\"")) {
            pos += 7;
            value.text = readQuoted(line, pos);
        }
        current->append(value);
    }
    return reg;
}

QString WineRegistry::currentUserFile()
{
    return winePrefix() + QStringLiteral("/user.reg");
}

QStringList WineRegistry::valueNames(const QString &key) const
{
    QStringList names;
    for (const Value &v : m_keys.value(normalisedKey(key)))
        names.append(v.name);
    return names;
}

std::optional<QString> WineRegistry::stringValue(const QString &key, const QString &name) const
{
    for (const Value &v : m_keys.value(normalisedKey(key))) {
        if (v.name.compare(name, Qt::CaseInsensitive) == 0)
            return v.text;
    }
    return std::nullopt;
}
