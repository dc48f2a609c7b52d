// The specification document: what each change reports, the unsaved state,
// the current file, and edit-back taking entries out.
#include "specfile/specfile.h"
#include "model/specdocument.h"

#include "awk/awk.h"
#include "model/ancestortable.h"
#include "specfile/profilefile.h"

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
    ASSERT_TRUE(doc.save(specificationFiles(), dir.filePath(u"a.spc"_s), &error)) << error.toStdString();
    EXPECT_FALSE(doc.isModified());
    EXPECT_TRUE(doc.currentFile().isEmpty()) << "saving does not make a file current";

    doc.setClassname(u"TOther"_s);
    EXPECT_FALSE(doc.save(specificationFiles(), dir.path(), &error)) << "a folder cannot be written";
    EXPECT_TRUE(doc.isModified()) << "a failed save leaves the changes unsaved";

    doc.open(specificationFiles(), dir.filePath(u"a.spc"_s), awk);
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

// Saved under another name, the hand-written bodies of the file the
// specification came from go along, as they are on disk at that moment.
TEST(SpecDocument, SavingAsAnotherFileTakesTheHandWrittenBodiesAlong)
{
    QTemporaryDir dir;
    const QString gauge = dir.filePath(u"gauge.spc"_s);
    ASSERT_TRUE(QFile::copy(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"), gauge));
    QFile::setPermissions(gauge, QFile::ReadOwner | QFile::WriteOwner);
    SpecDocument doc;
    TAwk awk;
    ASSERT_TRUE(doc.open(specificationFiles(), gauge, awk).opened);
    {
        QFile edited(gauge);
        ASSERT_TRUE(edited.open(QIODevice::Append));
        edited.write("\r\n[functionTGauge.GetLater]\r\ncount=1\r\n1=Result := 1;\r\n");
    }
    const QString other = dir.filePath(u"other.spc"_s);
    {
        QFile target(other);
        ASSERT_TRUE(target.open(QIODevice::WriteOnly));
        target.write("[Notes]\r\nkept=yes\r\n[functionTGauge.GetValue]\r\ncount=1\r\n1=Result := 0;\r\n");
    }
    QString error;
    ASSERT_TRUE(doc.save(specificationFiles(), other, &error)) << error.toStdString();

    ProfileFile saved(other);
    EXPECT_EQ(saved.readString(u"functionTGauge.GetValue"_s, u"1"_s), u"Result := FValue;"_s)
        << "the current file's section wins";
    EXPECT_EQ(saved.readInteger(u"functionTGauge.GetMark"_s, u"varcount"_s, 0), 2);
    EXPECT_EQ(saved.readString(u"functionTGauge.GetLater"_s, u"1"_s), u"Result := 1;"_s);
    EXPECT_EQ(saved.readString(u"Notes"_s, u"kept"_s), u"yes"_s);
    EXPECT_EQ(saved.readString(u"Component"_s, u"Classname"_s), u"TGauge"_s);
}

// New empties the lists; it must not make a document that was saved look unsaved.
TEST(SpecDocument, ResetLeavesTheUnsavedStateAsItWas)
{
    SpecDocument doc;
    doc.reset();
    EXPECT_FALSE(doc.isModified());
    doc.setClassname(u"TGauge"_s);
    doc.reset();
    EXPECT_TRUE(doc.isModified()) << "the class name is still not saved";
}
