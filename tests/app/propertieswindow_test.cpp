// The Properties page in the window: the pending property that Build and
// Exit ask about, Open and New filling and emptying the defined list, and a
// property added by hand built as the headless command builds the saved file.
#include "builderfixture.h"
#include "rowname.h"

#include "app/outputpage.h"
#include "app/stylepage.h"
#include "editor/documentlistbox.h"
#include "editor/classpage.h"
#include "editor/memoform.h"
#include "editor/propertiespage.h"
#include "specfile/profilefile.h"
#include "specfile/textcodec.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;
using Kind = UserPrompts::Kind;

namespace {
const QString kPendingValue = u"Property 'Value' has been changed.  Do You want to Add it ?\r\r"
                              "(Selecting No here will discard the property)"_s;
const QString kSpecQuestion = u"Do you want to save the component specification ?"_s;
} // namespace

class PropertiesInWindow : public BuilderTest
{
protected:
    PropertiesPage *page() const { return builder->propertiesPage(); }
    int currentPage() const { return find<QTabWidget>("PageControl1")->currentIndex(); }
    bool running() const { return builder->isVisible(); }

    // Types a pending property on the page, not added.
    void typeProperty(const QString &name, const QString &type)
    {
        QTest::keyClicks(page()->propname, name);
        QTest::keyClicks(page()->typebox->lineEdit(), type);
    }
};

// ---- the pending property ---------------------------------------------------------------

struct PendingExitRow {
    const char *name;
    QString type;                 // empty: Add refuses
    QList<Answer> answers;        // the pending question, then any refusal, then the spec question
    QStringList messages;
    bool added;
    int pageAfter;
    bool endsProgram;
};

UF_ROW_NAME(PendingExitRow)

class PendingPropertyOnExit : public PropertiesInWindow,
                              public ::testing::WithParamInterface<PendingExitRow>
{
};

TEST_P(PendingPropertyOnExit, AsksFirst)
{
    const PendingExitRow &row = GetParam();
    builder->showPage(TBuilder::StylePageIndex);
    typeProperty(u"Value"_s, row.type);
    for (const Answer a : row.answers)
        prompts.answer(a);
    action("Exit1")->trigger();
    EXPECT_EQ(prompts.messageTexts(), row.messages);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Warning);
    EXPECT_EQ(builder->spec().Properties, row.added ? QStringList{u"Value"_s} : QStringList());
    EXPECT_EQ(currentPage(), row.pageAfter);
    EXPECT_EQ(running(), !row.endsProgram);
}

INSTANTIATE_TEST_SUITE_P(
    PropertiesInWindow, PendingPropertyOnExit,
    ::testing::Values(
        PendingExitRow{"YesAddsBeforeTheSpecificationQuestion", u"integer"_s, {Answer::Yes, Answer::No},
                       {kPendingValue, kSpecQuestion}, true, TBuilder::PropertiesPageIndex, true},
        PendingExitRow{"NoDiscardsIt", u"integer"_s, {Answer::No, Answer::No},
                       {kPendingValue, kSpecQuestion}, false, TBuilder::StylePageIndex, true},
        PendingExitRow{"ClosedStopsExit", u"integer"_s, {Answer::Cancel}, {kPendingValue}, false,
                       TBuilder::StylePageIndex, false},
        PendingExitRow{"RefusalIsShownAndExitGoesOn", QString(), {Answer::Yes, Answer::Ok, Answer::No},
                       {kPendingValue, u"You must select a property type."_s, kSpecQuestion}, false,
                       TBuilder::PropertiesPageIndex, true}),
    [](const auto &info) { return std::string(info.param.name); });

struct PendingBuildRow {
    const char *name;
    Answer answer;
    bool added;
    bool built;
    QString nameAfter;
};

UF_ROW_NAME(PendingBuildRow)

class PendingPropertyOnBuild : public PropertiesInWindow,
                               public ::testing::WithParamInterface<PendingBuildRow>
{
};

TEST_P(PendingPropertyOnBuild, AsksFirst)
{
    const PendingBuildRow &row = GetParam();
    builder->classPage->clname->setText(u"TGauge"_s);
    typeProperty(u"Value"_s, u"integer"_s);
    prompts.answer(row.answer);
    QTest::mouseClick(find<QWidget>("btnBuild"), Qt::LeftButton);
    EXPECT_EQ(prompts.messageTexts(), QStringList{kPendingValue});
    EXPECT_EQ(builder->spec().Properties, row.added ? QStringList{u"Value"_s} : QStringList());
    EXPECT_EQ(page()->propname->text(), row.nameAfter);
    const QStringList lines = builder->outputPage()->lines();
    EXPECT_EQ(lines.contains(u"    FValue : integer;"_s), row.added);
    EXPECT_EQ(lines.size() > 1, row.built);
    EXPECT_EQ(find<QWidget>("BitBtn3")->isEnabled(), row.built);
}

INSTANTIATE_TEST_SUITE_P(PropertiesInWindow, PendingPropertyOnBuild,
                         ::testing::Values(PendingBuildRow{"Yes", Answer::Yes, true, true, QString()},
                                           PendingBuildRow{"No", Answer::No, false, true, u"Value"_s},
                                           PendingBuildRow{"Closed", Answer::Cancel, false, false, u"Value"_s}),
                         [](const auto &info) { return std::string(info.param.name); });

// ---- Open and New ----------------------------------------------------------------------

TEST_F(PropertiesInWindow, OpenFillsTheDefinedListAndEnablesRemove)
{
    prompts.openFile(QStringLiteral(UF_TEST_DATA_DIR "/gauge.spc"));
    action("Openspcfile1")->trigger();
    QStringList shown;
    for (int row = 0; row < page()->ListBox1->count(); ++row)
        shown.append(page()->ListBox1->item(row)->text());
    EXPECT_EQ(shown, builder->spec().DefinedProperties);
    EXPECT_FALSE(shown.isEmpty());
    EXPECT_TRUE(page()->Button2->isEnabled());
    EXPECT_TRUE(page()->ListBox4->count() > 0) << "the opened file's ancestor";

    // New empties the list but leaves Remove as it is; so does a cancelled Open.
    prompts.answer(Answer::No);
    action("New1")->trigger();
    EXPECT_EQ(page()->ListBox1->count(), 0);
    EXPECT_EQ(page()->ListBox4->count(), 0);
    EXPECT_TRUE(page()->Button2->isEnabled());
    prompts.openFile(QString());
    action("Openspcfile1")->trigger();
    EXPECT_TRUE(page()->Button2->isEnabled());
}

// ---- a property added by hand, built ----------------------------------------------------

// What a user does: the class name, then on the Properties page the property
// Value of type integer with default 0 and a comment typed into the comment
// dialog; Add, Build, and save the specification. The unit must be the one
// the headless command builds from the saved file.
TEST_F(PropertiesInWindow, AddedPropertyIsBuiltAsTheCommandBuildsTheSavedFile)
{
    QTest::keyClicks(builder->classPage->clname, u"TGauge"_s);
    action("Properties1")->trigger();
    ASSERT_EQ(currentPage(), TBuilder::PropertiesPageIndex);
    typeProperty(u"Value"_s, u"integer"_s);
    QTest::keyClicks(page()->dval, u"0"_s);
    QTimer::singleShot(0, builder->memoform, [this] {
        QTest::keyClicks(builder->memoform->Memo1(), u"The gauge's reading"_s);
        QTest::mouseClick(builder->memoform->Button1(), Qt::LeftButton);
    });
    QTest::mouseClick(page()->SpeedButton1, Qt::LeftButton);
    QTest::mouseClick(page()->Button1, Qt::LeftButton);
    QTest::mouseClick(find<QWidget>("btnBuild"), Qt::LeftButton);
    EXPECT_TRUE(prompts.log().isEmpty());

    const QStringList lines = builder->outputPage()->lines();
    const qsizetype privateAt = lines.indexOf(u"  private"_s);
    const qsizetype publishedAt = lines.indexOf(u"  published"_s);
    EXPECT_EQ(lines.indexOf(u"    FValue : integer;"_s), privateAt + 1);
    EXPECT_EQ(lines.indexOf(u"    Property Value : integer read FValue write FValue default 0;"_s),
              publishedAt + 1);
    const qsizetype constructorAt = lines.indexOf(u"constructor TGauge.Create(AOwner:TComponent);"_s);
    ASSERT_GT(constructorAt, publishedAt);
    EXPECT_EQ(lines.mid(constructorAt, 5),
              (QStringList{u"constructor TGauge.Create(AOwner:TComponent);"_s, u"begin"_s,
                           u"  inherited Create(AOwner);"_s, u"     FValue := 0;"_s, u"end;"_s}));
    EXPECT_FALSE(lines.join(u'\n').contains(u"reading"_s)) << "comments stay in the specification";

    prompts.saveFile(path("gauge.spc"));
    action("Savespcfile1")->trigger();
    EXPECT_EQ(ProfileFile(path("gauge.spc")).readString(u"PropertyComments"_s, u"0"_s),
              u"The gauge's reading"_s);

    const Style style = builder->stylePage()->style();
    QProcess command;
    command.start(QStringLiteral(UF_BUILD_COMMAND),
                  {u"--default-style"_s, u"--indent"_s, QString::number(style.indent), u"--blank-lines"_s,
                   QString::number(style.blankLines), u"--separator-length"_s,
                   QString::number(style.separatorLength), u"--separator-char"_s,
                   style.separatorChar, path("gauge.spc")});
    ASSERT_TRUE(command.waitForFinished(30000));
    ASSERT_EQ(command.exitCode(), 0) << command.readAllStandardError().toStdString();
    const QStringList expected = decodeText(command.readAllStandardOutput()).split(u"\r\n"_s);
    const QStringList actual = decodeText(sourceFileBytes(lines)).split(u"\r\n"_s);
    for (qsizetype i = 0; i < qMin(expected.size(), actual.size()); ++i)
        ASSERT_EQ(actual[i], expected[i]) << "first difference at line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

// In a window as large as a screen, Add and Remove stay beside the fields
// they act on: level with them and next to their right edge, not in the middle
// of the page. The picture is screenshots/page-1-properties-maximised.png.
TEST_F(PropertiesInWindow, AddAndRemoveStayBesideTheFieldsInALargeWindow)
{
    builder->showPage(TBuilder::PropertiesPageIndex);
    for (const QSize size : {QSize(552, 408), QSize(1600, 1000)}) {
        builder->resize(size);
        QApplication::processEvents();
        const auto inPage = [this](const QWidget *w) {
            return QRect(w->mapTo(page(), QPoint(0, 0)), w->size());
        };
        const QRect fields = inPage(page()->propname).united(inPage(page()->GroupBox1));
        const QRect buttons = inPage(page()->Button1).united(inPage(page()->Button2));
        EXPECT_GE(buttons.top(), fields.top()) << size.width();
        EXPECT_LE(buttons.bottom(), fields.bottom()) << size.width();
        EXPECT_LE(buttons.left() - fields.right(), 24) << size.width();
    }
    QDir().mkpath(QStringLiteral(UF_SCREENSHOT_DIR));
    EXPECT_TRUE(builder->grab().save(QStringLiteral(UF_SCREENSHOT_DIR "/page-1-properties-maximised.png")));
}
