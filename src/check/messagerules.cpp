#include "check/messagerules.h"

#include <QHash>
#include <QRegularExpression>

#include "check/classlibrary.h"
#include "check/defaultvalue.h"
#include "check/propertyrules.h"
#include "model/componentspec.h"
#include "model/standardmessages.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kWmUser = 0x400;
// Delphi keeps message numbers below $C000, where registered window messages begin.
constexpr int kLargestDelphiMessage = 0xBFFF;

// The number of a user message relative to WM_USER; none when the value is
// no "WM_USER + n" or plain number.
std::optional<qint64> userOffset(const UserMessageEntry &message)
{
    const QString &value = message.value;
    const QString &offset = message.offset;
    if (offset != value.trimmed()) {
        static const QRegularExpression digits(u"^\\d{1,9}$"_s);
        if (digits.match(offset).hasMatch())
            return offset.toLongLong();
        return std::nullopt;
    }
    if (const auto number = integerLiteral(value))
        return *number - kWmUser;
    return std::nullopt;
}

QString numberText(qint64 offset)
{
    return u"WM_USER + %1"_s.arg(offset);
}

} // namespace

void checkMessages(const ComponentSpec &spec, FindingList &findings)
{
    // Two message handlers for one number: both compilers refuse the second.
    QHash<qint64, QString> owners;
    const QStringList &standard = standardMessageNames();
    for (qsizetype k = 0; k < standard.size(); ++k) {
        if (!spec.isStandardMessageSelected(int(k)))
            continue;
        const auto offset = standardMessageUserOffset(standard.at(k));
        if (!offset)
            continue;
        const EntryRef entry{Finding::Kind::StandardMessage, int(k), standard.at(k)};
        if (owners.contains(*offset)) {
            findings.error(entry, u"it has the number of %1 (%2), which is also selected; "
                                  "deselect one"_s.arg(owners.value(*offset), numberText(*offset)));
        } else {
            owners.insert(*offset, standard.at(k));
        }
    }

    for (qsizetype u = 0; u < spec.userMessageCount(); ++u) {
        const UserMessageEntry parts = spec.userMessage(u);
        const EntryRef entry{Finding::Kind::Message, int(u), parts.name};
        if (parts.isEmpty) {
            findings.error(entry, u"the entry is empty; remove it"_s);
            continue;
        }
        checkDeclaredName(entry, QString(), parts.name, findings);
        if (parts.value.trimmed().isEmpty()) {
            findings.error(entry, u"it has no number; remove it and add it again with an offset"_s);
            continue;
        }
        const auto offset = userOffset(parts);
        if (!offset) {
            findings.warning(entry, u"its number '%1' is not WM_USER + a number, so this check "
                                    "cannot compare it with the others"_s.arg(parts.value));
            continue;
        }
        if (owners.contains(*offset)) {
            findings.error(entry, u"it has the number of message %1 (%2); choose another offset"_s
                                      .arg(owners.value(*offset), numberText(*offset)));
        } else {
            owners.insert(*offset, parts.name);
        }
        if (kWmUser + *offset > kLargestDelphiMessage) {
            findings.warning(entry, u"%1 is above %2, the largest message number Delphi takes; "
                                    "choose a smaller offset"_s
                                        .arg(numberText(*offset)).arg(kLargestDelphiMessage));
        }
    }
}
