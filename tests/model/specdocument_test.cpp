// The specification document: what each change reports, the unsaved state,
// the current file, and edit-back taking entries out.
#include "model/specdocument.h"

#include "awk/awk.h"
#include "model/ancestortable.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// What the document reported, change by change.
struct ChangeLog {
    explicit ChangeLog(SpecDocument &doc)
    {
        QObject::connect(&doc, &SpecDocument::changed, [this](SpecDocument::Parts p) { parts.append(p); });
    }
    SpecDocument::Parts last() const { return parts.isEmpty() ? SpecDocument::Parts() : parts.last(); }
    QList<SpecDocument::Parts> parts;
};

} // namespace

TEST(SpecDocument, EveryChangeSaysWhatItTouchedAndMarksTheDocument)
{
    SpecDocument doc;
    ChangeLog changed(doc);
    EXPECT_FALSE(doc.isModified());

    doc.setClassname(u"TGauge"_s);
    EXPECT_TRUE(changed.last().testFlag(SpecDocument::Header));
    EXPECT_TRUE(doc.isModified());

    const qsizetype before = changed.parts.size();
    doc.setClassname(u"TGauge"_s);
    EXPECT_EQ(changed.parts.size(), before) << "the same text is no change";

    EventInput event;
    event.name = u"OnChange"_s;
    event.type = u"TNotifyEvent"_s;
    doc.addEventHandler(event);
    EXPECT_TRUE(changed.last().testFlag(SpecDocument::PropertyList));
    EXPECT_TRUE(changed.last().testFlag(SpecDocument::EventList));
}

TEST(SpecDocument, AncestorMembersFollowTheAncestorWithoutMarkingTheDocument)
{
    SpecDocument doc;
    doc.refillAncestorMembers(ancestorIndex(u"TTimer"_s));
    EXPECT_EQ(doc.spec().StandardEvents, QStringList{u"OnTimer"_s});
    EXPECT_FALSE(doc.isModified()) << "the members are never saved";
}

TEST(SpecDocument, OpenAndSaveLeaveNothingUnsavedAndOnlyOpenChangesTheCurrentFile)
{
    QTemporaryDir dir;
    SpecDocument doc;
    TAwk awk;
    doc.setClassname(u"TGauge"_s);
    QString error;
    ASSERT_TRUE(doc.save(dir.filePath(u"a.spc"_s), &error)) << error.toStdString();
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.currentFile().isEmpty()) << "saving does not make a file current";

    doc.setClassname(u"TOther"_s);
    EXPECT_FALSE(doc.save(dir.path(), &error)) << "a folder cannot be written";
    EXPECT_TRUE(doc.isModified()) << "a failed save leaves the changes unsaved";

    doc.open(dir.filePath(u"a.spc"_s), awk);
    EXPECT_EQ(doc.currentFile(), dir.filePath(u"a.spc"_s));
    EXPECT_EQ(doc.spec().Classname, u"TGauge"_s);
    EXPECT_FALSE(doc.isModified());
}

TEST(SpecDocument, EditBackTakesTheEntryOutOfEveryListItBelongsTo)
{
    SpecDocument doc;
    PropertyInput property;
    property.name = u"Level"_s;
    property.type = u"integer"_s;
    doc.addProperty(property);
    EventInput event;
    event.name = u"OnChange"_s;
    event.type = u"TNotifyEvent"_s;
    doc.addEventHandler(event);

    EXPECT_FALSE(doc.takeProperty(5).has_value());
    EXPECT_EQ(doc.spec().Properties.size(), 2) << "a row that is not there changes nothing";

    const std::optional<EventInput> taken = doc.takeEventHandler(0);
    ASSERT_TRUE(taken.has_value());
    EXPECT_EQ(taken->name, u"OnChange"_s);
    EXPECT_EQ(doc.spec().Properties, QStringList{u"Level"_s});
    EXPECT_EQ(doc.spec().Types, QStringList{u"integer"_s});
    EXPECT_TRUE(doc.spec().Events.isEmpty());
    EXPECT_TRUE(doc.spec().DefinedHandlers.isEmpty());
}
