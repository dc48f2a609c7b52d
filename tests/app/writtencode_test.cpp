// Build with code written into the Output text, and Update Existing Unit: the
// written code survives a rebuild, and nothing of it goes without a question.
#include "builderfixture.h"

#include "app/outputpage.h"
#include "editor/classpage.h"
#include "merge/unitfixtures.h"
#include "rowname.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextCursor>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using Answer = UserPrompts::Answer;
using Kind = UserPrompts::Kind;
using Buttons = UserPrompts::Buttons;

namespace {

// A body with the hard parts: "end;" in a string and a comment, a local variable.
const QString kFlashBody =
    u"\nvar\n  I: integer;\nbegin\n  for I := 1 to Times do Caption := 'end;'; // end;\nend;"_s;

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
}

std::string answerName(const ::testing::TestParamInfo<Answer> &info)
{
    switch (info.param) {
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::Cancel: return "Closed";
    default: return "Ok";
    }
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

class WrittenCode : public BuilderTest
{
protected:
    // TGauge with a property that has a write method and a method Flash.
    void describeGauge(const QString &flashComment = QString())
    {
        builder->classPage->clname->setText(u"TGauge"_s);
        PropertyInput value = propertyInput(u"Value"_s, u"integer"_s, u"0"_s);
        value.writeMethod = u"SetValue"_s;
        builder->document().addProperty(value);
        MethodInput flash = methodInput(u"Procedure"_s, u"Flash"_s, u"Times: integer"_s);
        flash.comment = flashComment;
        builder->document().addMethod(flash);
    }
    void addLevel()
    {
        PropertyInput level = propertyInput(u"Level"_s, u"integer"_s, u"7"_s);
        level.writeMethod = u"SetLevel"_s;
        builder->document().addProperty(level);
    }
    void build() { action("BuildOutput1")->trigger(); }
    QString outputText() const { return builder->outputPage()->lines().join(u'\n'); }
    // As a paste over the whole text does it.
    void writeIntoOutput(const QString &text)
    {
        QTextCursor cursor(builder->outputPage()->Memo1->document());
        cursor.select(QTextCursor::Document);
        cursor.insertText(text);
    }
    void writeFlashBody() { writeIntoOutput(withBody(outputText(), u"TGauge.Flash"_s, kFlashBody)); }
    QString status() const { return find<QLabel>("Panel1")->text(); }
    QString unitPanel() const { return builder->outputPage()->Panel5->text(); }
    int page() const { return find<QTabWidget>("PageControl1")->currentIndex(); }
    QString unitFile() const { return dir.filePath(u"unit1.pas"_s); }
};

// ---- Build -------------------------------------------------------------------

// With nothing written since the last Build, Build replaces the text as ever:
// no question, and the unit and the status text a first Build gives.
class NothingWritten : public WrittenCode, public ::testing::WithParamInterface<const char *>
{
};

TEST_P(NothingWritten, BuildReplacesTheTextWithoutAQuestion)
{
    describeGauge(QString::fromUtf8(GetParam()));
    build();
    addLevel();
    build();
    const QString rebuilt = outputText();
    EXPECT_EQ(status(), unitFile() + u" built"_s);

    builder->outputPage()->clear();
    build();
    EXPECT_EQ(rebuilt, outputText());
    EXPECT_TRUE(prompts.log().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    WrittenCode, NothingWritten,
    ::testing::Values("", "pasted\u2028with a line separator"),
    [](const auto &info) {
        return std::string(info.index == 0 ? "NoComment" : "CommentWithALineSeparator");
    });

TEST_F(WrittenCode, BuildKeepsTheWrittenBodyAndBringsInTheNewProperty)
{
    describeGauge();
    build();
    writeFlashBody();
    addLevel();
    builder->showPage(TBuilder::ClassPageIndex);
    build();

    EXPECT_TRUE(prompts.log().isEmpty());
    const QString merged = outputText();
    EXPECT_EQ(bodyOf(merged, u"TGauge.Flash"_s), kFlashBody);
    EXPECT_EQ(bodyOf(merged, u"TGauge.SetLevel"_s), u"\nbegin\n\nend;"_s);
    EXPECT_TRUE(merged.contains(u"FLevel := 7;"_s));
    EXPECT_EQ(status(), unitFile() + u" built, written code kept"_s);
    EXPECT_EQ(page(), TBuilder::OutputPageIndex);
    EXPECT_TRUE(builder->outputPage()->isUnsaved());

    // Nothing written since: the code written before the last Build stays.
    build();
    EXPECT_EQ(outputText(), merged);
    EXPECT_TRUE(prompts.log().isEmpty());
}

// The method with the written body is removed from the specification.
// Answers by name in the test output.
void PrintTo(UserPrompts::Answer answer, std::ostream *os)
{
    static const char *const kNames[] = {"Ok", "Yes", "No", "Cancel"};
    *os << kNames[int(answer)];
}

class DiscardQuestion : public WrittenCode, public ::testing::WithParamInterface<Answer>
{
};

TEST_P(DiscardQuestion, NamesWhatWouldGoAndOnlyYesBuilds)
{
    describeGauge();
    build();
    writeIntoOutput(withBody(outputText(), u"TGauge.Flash"_s, u"\nbegin\n  Beep;\nend;"_s));
    const QString written = outputText();
    builder->document().removeMethod(0);
    builder->showPage(TBuilder::StylePageIndex);
    builder->outputPage()->Panel5->setText(u"before"_s);

    prompts.answer(GetParam());
    build();

    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].kind, Kind::Confirm);
    EXPECT_EQ(prompts.log()[0].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(prompts.log()[0].text, "Build will discard: TGauge.Flash (4 lines). Build anyway?");
    if (GetParam() == Answer::Yes) {
        EXPECT_FALSE(outputText().contains(u"Flash"_s));
        EXPECT_TRUE(outputText().contains(u"procedure TGauge.SetValue(Value:integer);"_s));
        EXPECT_EQ(status(), unitFile() + u" built"_s);
        EXPECT_EQ(page(), TBuilder::OutputPageIndex);
        return;
    }
    EXPECT_EQ(outputText(), written);
    EXPECT_EQ(status(), "Nothing was written") << "not the last Build's status";
    EXPECT_EQ(unitPanel(), "before");
    EXPECT_EQ(page(), TBuilder::StylePageIndex);
}

INSTANTIATE_TEST_SUITE_P(WrittenCode, DiscardQuestion,
                         ::testing::Values(Answer::Yes, Answer::No, Answer::Cancel),
                         answerName);

// A text that does not read as a unit cannot be merged: Build says so and
// replaces it only when told to.
class UnreadableOutput : public WrittenCode, public ::testing::WithParamInterface<Answer>
{
};

TEST_P(UnreadableOutput, IsReplacedOnlyAfterYes)
{
    describeGauge();
    build();
    const QString unit = outputText();
    const QString notes = u"Notes on the gauge:\nthe needle turns red at 90"_s;
    writeIntoOutput(notes);
    prompts.answer(GetParam());
    build();
    EXPECT_EQ(prompts.messageTexts(),
              QStringList{u"The Output text cannot be read as a unit: the text does not begin with \"unit\" (line 1). "
                          u"Build cannot keep the code written into the Output text. "
                          u"Replace the Output text with the new unit?"_s});
    EXPECT_EQ(prompts.log()[0].kind, Kind::Confirm);
    EXPECT_EQ(outputText(), GetParam() == Answer::Yes ? unit : notes);
}

INSTANTIATE_TEST_SUITE_P(WrittenCode, UnreadableOutput, ::testing::Values(Answer::Yes, Answer::No),
                         answerName);

// ---- Update Existing Unit ----------------------------------------------------

class UpdateUnit : public WrittenCode
{
protected:
    // The gauge's unit as Save writes it, the body of Flash written.
    void writeEditedGauge(const QString &lineBreak = u"\r\n"_s)
    {
        describeGauge();
        build();
        QString text = withBody(outputText(), u"TGauge.Flash"_s, kFlashBody) + u'\n';
        writeFile(gauge(), text.replace(u"\n"_s, lineBreak).toLatin1());
        builder->outputPage()->clear();
    }
    void update() { action("UpdateExistingUnit1")->trigger(); }
    QString gauge() const { return dir.filePath(u"Gauge.pas"_s); }
};

TEST_F(UpdateUnit, MergesIntoTheFileInItsOwnLineEndsAndShowsTheResult)
{
    writeEditedGauge(u"\n"_s);
    addLevel();
    prompts.openFile(gauge());
    update();

    ASSERT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(prompts.log()[0].request.filter, "Pascal units (*.pas)");
    const QString file = QString::fromLatin1(readFile(gauge()));
    EXPECT_FALSE(file.contains(u'\r'));
    EXPECT_EQ(bodyOf(file, u"TGauge.Flash"_s), kFlashBody);
    EXPECT_TRUE(file.contains(u"procedure TGauge.SetLevel(Value:integer);"_s));
    EXPECT_EQ(outputText() + u'\n', file);
    EXPECT_FALSE(builder->outputPage()->isUnsaved());
    EXPECT_EQ(status(), gauge() + u" updated"_s);
    EXPECT_EQ(page(), TBuilder::OutputPageIndex);

    // The shown code counts as written: a Build keeps it.
    build();
    EXPECT_EQ(bodyOf(outputText(), u"TGauge.Flash"_s), kFlashBody);
}

TEST_F(UpdateUnit, ACarriageReturnOnlyFileStaysSo)
{
    writeEditedGauge(u"\r"_s);
    addLevel();
    prompts.openFile(gauge());
    update();
    const QByteArray file = readFile(gauge());
    EXPECT_FALSE(file.contains('\n'));
    EXPECT_TRUE(file.contains("procedure TGauge.SetLevel(Value:integer);\r"));
    EXPECT_EQ(outputText() + u'\n', QString::fromLatin1(file).replace(u'\r', u'\n'));
}

// Written as UTF-8, every "\u00fc" of the unit would change its bytes.
TEST_F(UpdateUnit, AWindows1252UnitIsNotTurnedIntoUtf8)
{
    describeGauge();
    build();
    QString text = withBody(outputText(), u"TGauge.Flash"_s, u"\nbegin\n  Caption := 'Gr\u00fc\u00dfe';\nend;"_s) + u'\n';
    writeFile(gauge(), text.replace(u"\n"_s, u"\r\n"_s).toLatin1());
    const QByteArray before = readFile(gauge());
    builder->document().addProperty(propertyInput(u"Needle"_s, u"string"_s, u"A \u2192 B"_s));
    prompts.openFile(gauge()).answer(Answer::Ok);
    update();
    ASSERT_EQ(prompts.messageTexts().size(), 1);
    const QString message = prompts.messageTexts().first();
    EXPECT_TRUE(message.startsWith(gauge() + u" was not updated: \"\u2192\" (U+2192) on line "_s))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(u" cannot be stored in Windows-1252, the unit's encoding"_s)) << message.toStdString();
    EXPECT_EQ(readFile(gauge()), before);
}

TEST_F(UpdateUnit, WithoutAClassNameIsRefusedBeforeTheDialog)
{
    prompts.answer(Answer::Ok);
    update();
    EXPECT_EQ(prompts.messageTexts(), QStringList{u"You need to enter the class name"_s});
    EXPECT_EQ(prompts.log().size(), 1);
    EXPECT_EQ(page(), TBuilder::ClassPageIndex);
}

class UpdateDiscardQuestion : public UpdateUnit, public ::testing::WithParamInterface<Answer>
{
};

TEST_P(UpdateDiscardQuestion, OnlyYesChangesTheFile)
{
    writeEditedGauge();
    const QByteArray before = readFile(gauge());
    builder->document().removeMethod(0);
    builder->outputPage()->setLines({u"unit earlier;"_s});
    builder->outputPage()->markSaved();
    builder->showPage(TBuilder::StylePageIndex);
    prompts.openFile(gauge()).answer(GetParam());
    update();

    EXPECT_EQ(prompts.messageTexts(),
              QStringList{u"Update will discard: TGauge.Flash (6 lines). Update anyway?"_s});
    if (GetParam() == Answer::Yes) {
        EXPECT_FALSE(readFile(gauge()).contains("Flash"));
        EXPECT_EQ(status(), gauge() + u" updated"_s);
        return;
    }
    EXPECT_EQ(readFile(gauge()), before);
    EXPECT_EQ(outputText(), u"unit earlier;\n"_s);
    EXPECT_EQ(status(), u"Nothing was written"_s) << "not an earlier update's status";
    EXPECT_EQ(prompts.log()[1].buttons, Buttons::YesNoDefaultNo);
    EXPECT_EQ(page(), TBuilder::StylePageIndex);
}

INSTANTIATE_TEST_SUITE_P(UpdateUnit, UpdateDiscardQuestion, ::testing::Values(Answer::Yes, Answer::No),
                         answerName);

TEST_F(UpdateUnit, AFileThatDoesNotReadIsLeftAsItWas)
{
    describeGauge();
    writeFile(gauge(), "unit Broken;\r\ninterface\r\n");
    prompts.openFile(gauge()).answer(Answer::Ok);
    update();
    EXPECT_EQ(prompts.messageTexts(),
              QStringList{gauge() + u" was not updated: the existing unit cannot be read: "
                                    u"no implementation section (line 3)"_s});
    EXPECT_EQ(prompts.log().last().kind, Kind::Error);
    EXPECT_EQ(readFile(gauge()), QByteArray("unit Broken;\r\ninterface\r\n"));
    EXPECT_EQ(outputText(), QString());
}

// Code written into the Output text and not saved is not replaced without a
// word; a No, like a cancelled dialog, changes nothing.
struct StopRow {
    const char *name;
    bool writtenOutput;
};
UF_ROW_NAME(StopRow)

class UpdateStops : public UpdateUnit, public ::testing::WithParamInterface<StopRow>
{
};

TEST_P(UpdateStops, LeavesTheOutputAndTheFile)
{
    writeEditedGauge();
    const QByteArray before = readFile(gauge());
    build();
    if (GetParam().writtenOutput) {
        writeFlashBody();
        prompts.answer(Answer::No);
    } else {
        prompts.openFile(QString());
    }
    const QString output = outputText();
    update();
    EXPECT_EQ(prompts.log().size(), 1);
    if (GetParam().writtenOutput) {
        EXPECT_EQ(prompts.log()[0].text,
                  "The Output text holds written code that has not been saved. "
                  "Update Existing Unit will replace it. Go on?");
    }
    EXPECT_EQ(outputText(), output);
    EXPECT_EQ(readFile(gauge()), before);
}

INSTANTIATE_TEST_SUITE_P(UpdateUnit, UpdateStops,
                         ::testing::Values(StopRow{"WrittenOutputNotReplaced", true},
                                           StopRow{"CancelledDialog", false}),
                         [](const auto &info) { return std::string(info.param.name); });

// A write the file-size limit cuts short: the file keeps its old bytes and
// the user is told. The limit is set in a child process, which reports what
// it saw in a file of its own. The child's window is hidden: painting would
// wait for the raster threads, which a forked process does not have.
TEST_F(UpdateUnit, ARefusedWriteLeavesTheFileAndSaysSo)
{
    writeEditedGauge();
    addLevel();
    const QByteArray before = readFile(gauge());
    const QString report = dir.filePath(u"report.txt"_s);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        builder->hide();
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1000, RLIM_INFINITY};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        prompts.openFile(gauge()).answer(Answer::Ok);
        update();
        QFile out(report);
        if (!out.open(QIODevice::WriteOnly))
            ::_exit(2);
        out.write((prompts.messageTexts().join(u'\n') + u'\n' + status() + u'\n'
                   + (builder->outputPage()->isUnsaved() ? u"unsaved"_s : u"saved"_s))
                      .toUtf8());
        out.close();
        ::_exit(0);
    }
    // A child stuck all the same is ended rather than waited for.
    int exitStatus = -1;
    pid_t ended = 0;
    QTest::qWaitFor([&] { return (ended = ::waitpid(child, &exitStatus, WNOHANG)) != 0; }, 30000);
    if (ended == 0) {
        ::kill(child, SIGKILL);
        ::waitpid(child, &exitStatus, 0);
        FAIL() << "the child did not finish within 30 s";
    }
    ASSERT_EQ(ended, child);
    ASSERT_TRUE(WIFEXITED(exitStatus) && WEXITSTATUS(exitStatus) == 0);

    const QStringList seen = QString::fromUtf8(readFile(report)).split(u'\n');
    ASSERT_EQ(seen.size(), 3) << seen.join(u'|').toStdString();
    EXPECT_TRUE(seen[0].startsWith(u"Unable to write to "_s + gauge() + u": the file was cut short after 1000 of "_s))
        << seen[0].toStdString();
    EXPECT_TRUE(seen[0].endsWith(u". The unit was left as it was."_s)) << seen[0].toStdString();
    EXPECT_EQ(seen[1], gauge() + u" not updated"_s);
    EXPECT_EQ(seen[2], "unsaved");
    EXPECT_EQ(readFile(gauge()), before);
    QStringList files = QDir(dir.path()).entryList({u"Gauge*"_s}, QDir::Files);
    EXPECT_EQ(files, QStringList{u"Gauge.pas"_s});
}
