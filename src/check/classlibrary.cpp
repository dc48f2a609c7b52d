#include "check/classlibrary.h"

#include <QStringList>

#include "model/pascalvocabulary.h"

using namespace Qt::StringLiterals;

bool isNonComponentClass(const QString &name)
{
    // Graphics objects, lists, streams and the like: they have no
    // Create(AOwner) to override and cannot be registered on the palette.
    static const QStringList classes{
        u"TBitmap"_s, u"TBlobStream"_s, u"TBrush"_s, u"TCanvas"_s, u"TClipboard"_s,
        u"TControlScrollBar"_s, u"TFont"_s, u"TGraphic"_s, u"TGraphicsObject"_s, u"TIcon"_s,
        u"TIniFile"_s, u"TList"_s, u"TMetafile"_s, u"TOLEDropNotify"_s, u"TOutlineNode"_s,
        u"TParam"_s, u"TParams"_s, u"TPen"_s, u"TPicture"_s, u"TPrinter"_s, u"TStringList"_s,
        u"TStrings"_s, u"TObject"_s, u"TPersistent"_s,
    };
    for (const QString &candidate : classes) {
        if (sameName(candidate, name))
            return true;
    }
    return false;
}

std::optional<int> standardMessageUserOffset(const QString &message)
{
    // The dialog messages are numbered from WM_USER, and WM_USER is itself in the list.
    if (message == u"WM_USER"_s || message == u"DM_GETDEFID"_s)
        return 0;
    if (message == u"DM_SETDEFID"_s)
        return 1;
    return std::nullopt;
}
