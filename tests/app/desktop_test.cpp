// SPDX-License-Identifier: MIT
// Files that come to the window from outside its Open dialog: named on the
// command line, handed over by a second start, dropped on the window, chosen
// from the recent list.
#include "builderfixture.h"

#include "app/outsidefiles.h"
#include "app/outputpage.h"
#include "app/recentspecifications.h"
#include "editor/classpage.h"
#include "platform/handoverprotocol.h"
#include "platform/handoversocket.h"
#include "rowname.h"

#include <QDeadlineTimer>
#include <QDialog>
#include <QDropEvent>
#include <QLabel>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QLocalSocket>
#include <QMenu>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QProcess>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include <sys/stat.h>

#include <algorithm>
#include <vector>

using Answer = UserPrompts::Answer;
using Kind = UserPrompts::Kind;

namespace {
const QString kOpenQuestion = QStringLiteral("Do you want to save the current component specifications ?");

} // namespace

class OutsideFilesTest : public BuilderTest
{
protected:
    // A specification file of its own under the test folder.
    QString specFile(const QString &name, const QString &classname)
    {
        const QString file = path(name);
        QDir().mkpath(QFileInfo(file).absolutePath());
        QFile out(file);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write("[Component]\r\nClassname=" + classname.toUtf8() + "\r\n");
        return file;
    }
    QString classname() const { return builder->spec().Classname; }
    int page() const { return builder->PageControl1->currentIndex(); }
    void addProperty()
    {
        PropertyInput input;
        input.name = QStringLiteral("Value");
        input.type = QStringLiteral("integer");
        builder->document().addProperty(input);
    }
};

// ---- the command line and a second start ----------------------------------------------

TEST_F(OutsideFilesTest, AFileNamedAtStartIsOpenedWithoutQuestions)
{
    services.fileToOpen = specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge"));
    createBuilder();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(builder->currentSpecificationFile(), services.fileToOpen);
    EXPECT_EQ(classname(), "TGauge");
    EXPECT_EQ(page(), TBuilder::PropertiesPageIndex);
    EXPECT_TRUE(prompts.log().isEmpty());
}

// The real program started a second time, from another folder and with a
// relative name, while this window holds the lock in the same run-time folder.
TEST_F(OutsideFilesTest, ASecondStartHandsItsFileToTheRunningWindowAndEnds)
{
    const QString file = specFile(QStringLiteral("elsewhere/knob.spc"), QStringLiteral("TKnob"));
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.setWorkingDirectory(path(QStringLiteral("elsewhere")));
    second.start(QStringLiteral(UF_PROGRAM), {QStringLiteral("knob.spc")});
    ASSERT_TRUE(second.waitForStarted());
    const bool ended = QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000);
    if (!ended)
        second.kill();
    ASSERT_TRUE(ended) << "the second start did not end";
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(builder->currentSpecificationFile(), file);
    EXPECT_EQ(classname(), "TKnob");
    EXPECT_TRUE(prompts.log().isEmpty());
}

// The running copy listens only once its window is painted; a second start
// in between (two files opened together) waits for it instead of giving up.
TEST_F(OutsideFilesTest, ASecondStartWaitsForTheWindowToListen)
{
    builder.reset();
    builder = std::make_unique<TBuilder>(services);
    makeLaterPages();
    const QString file = specFile(QStringLiteral("dial.spc"), QStringLiteral("TDial"));
    QProcess second;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.path());
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    second.setProcessEnvironment(environment);
    second.start(QStringLiteral(UF_PROGRAM), {file});
    ASSERT_TRUE(second.waitForStarted());
    QSignalSpy finished(&second, &QProcess::finished);
    ASSERT_FALSE(finished.wait(500)) << "the second start gave up at once";
    builder->listenForHandedOverFiles();
    const bool ended = QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000);
    if (!ended)
        second.kill();
    ASSERT_TRUE(ended) << "the second start did not end";
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(classname(), "TDial");
}

// A copy holds the lock but takes no files (one that started before this
// version, say): the second start says it is running, as without a file.
TEST_F(OutsideFilesTest, ASecondStartNobodyAnswersSaysTheProgramIsRunning)
{
    BuilderServices second = services;
    ScriptedPrompts secondPrompts;
    second.prompts = &secondPrompts;
    second.fileToOpen = specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge"));
    QFile::remove(path(QStringLiteral("unitforge.socket")));
    secondPrompts.answer(Answer::Ok);
    TBuilder other(second);
    EXPECT_TRUE(other.alreadyRunning());
    EXPECT_EQ(secondPrompts.messageTexts(), QStringList({"Unitforge is already running."}));
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
}

TEST_F(OutsideFilesTest, AHandedOverFileAsksOpensQuestionsFirst)
{
    addProperty();
    prompts.answer(Answer::Cancel);
    builder->outsideFiles().request(specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.log().isEmpty(); }));
    EXPECT_EQ(prompts.messageTexts(), QStringList({kOpenQuestion}));
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty()) << "Cancel keeps the work";
    EXPECT_EQ(builder->spec().Properties.size(), 1);
}

// A file arriving while a box is up would be read under the user's question.
TEST_F(OutsideFilesTest, AHandedOverFileWaitsUntilNoDialogIsUp)
{
    QDialog box(builder.get());
    box.setModal(true);
    box.show();
    ASSERT_TRUE(QApplication::activeModalWidget());
    const QString file = specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge"));
    builder->outsideFiles().request(file);
    QCoreApplication::processEvents();   // the first try to open it
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
    EXPECT_TRUE(builder->outsideFiles().hasWaitingFiles());
    box.hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(builder->currentSpecificationFile(), file);
}

// Several files waiting together make one question, however many came.
TEST_F(OutsideFilesTest, SeveralWaitingFilesMakeOneQuestionForTheLast)
{
    QDialog box(builder.get());
    box.setModal(true);
    box.show();
    for (int i = 0; i < 150; ++i)
        builder->outsideFiles().request(path(QStringLiteral("missing%1.spc").arg(i)));
    const QString last = specFile(QStringLiteral("knob.spc"), QStringLiteral("TKnob"));
    builder->outsideFiles().request(last);
    prompts.answer(Answer::Yes);
    box.hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(prompts.messageTexts(),
              QStringList{QStringLiteral("151 specification files were handed over at once. Only one can "
                                         "be open: open the last of them, ") + last + u'?'});
    EXPECT_EQ(classname(), "TKnob");
    EXPECT_FALSE(builder->outsideFiles().hasWaitingFiles());
}

TEST_F(OutsideFilesTest, NoToTheQuestionOpensNone)
{
    QDialog box(builder.get());
    box.setModal(true);
    box.show();
    builder->outsideFiles().request(specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge")));
    builder->outsideFiles().request(specFile(QStringLiteral("knob.spc"), QStringLiteral("TKnob")));
    prompts.answer(Answer::No);
    box.hide();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->outsideFiles().hasWaitingFiles() && !prompts.log().isEmpty(); }));
    EXPECT_EQ(prompts.messageTexts().size(), 1);
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
}

// A pipe named like a specification would block the window in its open.
TEST_F(OutsideFilesTest, APipeIsRefusedWithoutBeingOpened)
{
    const QString fifo = path(QStringLiteral("fifo.spc"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    prompts.answer(Answer::Ok);
    builder->outsideFiles().request(fifo);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.log().isEmpty(); }));
    EXPECT_EQ(prompts.messageTexts(),
              QStringList{"fifo.spc is not a regular file (a folder, a device or a pipe); it is not read."});
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
}

// ---- the hand-over socket under strain ----------------------------------------------

class HandOverSocket : public OutsideFilesTest
{
protected:
    QString socketPath() const { return path(QStringLiteral("unitforge.socket")); }
    // A raw connection to the window's socket.
    std::unique_ptr<QLocalSocket> connectRaw()
    {
        auto socket = std::make_unique<QLocalSocket>();
        socket->connectToServer(socketPath());
        EXPECT_TRUE(socket->waitForConnected(2000)) << socket->errorString().toStdString();
        return socket;
    }
};

TEST_F(HandOverSocket, AConnectionThatSendsNothingIsClosed)
{
    const auto idle = connectRaw();
    QSignalSpy closed(idle.get(), &QLocalSocket::disconnected);
    EXPECT_TRUE(closed.wait(10000));
}

TEST_F(HandOverSocket, ConnectionsBeyondTheLimitAreClosedAtOnce)
{
    std::vector<std::unique_ptr<QLocalSocket>> sockets;
    for (int i = 0; i < 40; ++i)
        sockets.push_back(connectRaw());
    const auto closedCount = [&] {
        return std::count_if(sockets.begin(), sockets.end(), [](const auto &socket) {
            return socket->state() == QLocalSocket::UnconnectedState;
        });
    };
    // Well before a quiet connection's time is up.
    ASSERT_TRUE(QTest::qWaitFor([&] { return closedCount() >= 8; }, 1500)) << closedCount() << " closed";
    EXPECT_EQ(closedCount(), 8);
}

TEST_F(HandOverSocket, AGoodRequestIsAnsweredBeforeABadOneClosesTheLine)
{
    const QString file = specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge"));
    const auto socket = connectRaw();
    socket->write(HandOverProtocol::openRequest(file) + "nonsense\n");
    QByteArray answer;
    ASSERT_TRUE(QTest::qWaitFor([&] {
        answer += socket->readAll();
        return socket->state() == QLocalSocket::UnconnectedState;
    }));
    answer += socket->readAll();
    EXPECT_EQ(answer, HandOverProtocol::acknowledgement());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(classname(), "TGauge");
}

// Out of descriptors, the server stops listening and takes its socket away;
// it listens again once it can.
TEST_F(HandOverSocket, AServerThatStoppedListensAgain)
{
    auto *server = builder->findChild<HandOverServer *>();
    ASSERT_TRUE(server);
    server->close();
    ASSERT_FALSE(QFile::exists(socketPath()));
    ASSERT_TRUE(QTest::qWaitFor([&] { return server->isListening(); }, 5000));
    const QString file = specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge"));
    const auto socket = connectRaw();
    socket->write(HandOverProtocol::openRequest(file));
    QByteArray answer;
    EXPECT_TRUE(QTest::qWaitFor([&] { return (answer += socket->readAll()) == HandOverProtocol::acknowledgement(); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !builder->currentSpecificationFile().isEmpty(); }));
    EXPECT_EQ(classname(), "TGauge");
}

// ---- dropping --------------------------------------------------------------------------

class Dropping : public OutsideFilesTest
{
protected:
    // Drags the files onto target and drops them; whether the drag was taken.
    bool drop(QWidget *target, const QList<QUrl> &urls)
    {
        QMimeData data;
        data.setUrls(urls);
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction | Qt::LinkAction;
        QDragEnterEvent enter(QPoint(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(5, 5), actions, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &dropped);
        QApplication::processEvents();
        return dropped.isAccepted();
    }
    QUrl url(const QString &file) { return QUrl::fromLocalFile(file); }
};

TEST_F(Dropping, ASpecificationFileDroppedOnTheOutputTextIsOpenedNotTyped)
{
    const QString file = specFile(QStringLiteral("Gauge.SPC"), QStringLiteral("TGauge"));
    QPlainTextEdit *memo = builder->outputPage()->Memo1;
    EXPECT_TRUE(drop(memo->viewport(), {url(file)}));
    EXPECT_EQ(builder->currentSpecificationFile(), file);
    EXPECT_EQ(memo->toPlainText(), "");
}

TEST_F(Dropping, ASpecificationFileDroppedOnALabelIsOpened)
{
    const QString file = specFile(QStringLiteral("gauge.spc"), QStringLiteral("TGauge"));
    EXPECT_TRUE(drop(static_cast<QWidget *>(builder->classPage->Label2), {url(file)}));
    EXPECT_EQ(classname(), "TGauge");
}

TEST_F(Dropping, ADroppedFileAsksOpensQuestionsFirst)
{
    addProperty();
    prompts.answer(Answer::No);
    EXPECT_TRUE(drop(builder->classPage->clname, {url(specFile("gauge.spc", "TGauge"))}));
    EXPECT_EQ(prompts.messageTexts(), QStringList({kOpenQuestion}));
    EXPECT_EQ(classname(), "TGauge");
}

struct RefusedDrop {
    const char *name;
    QStringList files;   // under the test folder; "http:" for a remote one
};
UF_ROW_NAME(RefusedDrop)

class DroppingOther : public Dropping, public testing::WithParamInterface<RefusedDrop>
{
};

// Refused before the drop, so no edit field takes the name as text either.
TEST_P(DroppingOther, IsRefusedAndChangesNothing)
{
    QList<QUrl> urls;
    for (const QString &file : GetParam().files) {
        urls.append(file.startsWith(QLatin1String("http:")) ? QUrl(file)
                                                            : url(specFile(file, "TOther")));
    }
    QLineEdit *clname = builder->classPage->clname;
    EXPECT_FALSE(drop(clname, urls));
    EXPECT_EQ(clname->text(), "");
    EXPECT_TRUE(builder->currentSpecificationFile().isEmpty());
    EXPECT_TRUE(prompts.log().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Dropping, DroppingOther,
    testing::Values(RefusedDrop{"TextFile", {"notes.txt"}},
                    RefusedDrop{"SpcInTheMiddleOfTheName", {"gauge.spc.txt"}},
                    RefusedDrop{"TwoSpecificationFiles", {"a.spc", "b.spc"}},
                    RefusedDrop{"RemoteFile", {"http://example.org/gauge.spc"}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(Dropping, TextDraggedIntoAFieldStaysText)
{
    QMimeData data;
    data.setText(QStringLiteral("TKnob"));
    QLineEdit *clname = builder->classPage->clname;
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(clname, &enter);
    EXPECT_TRUE(enter.isAccepted());
}

// ---- the recent list ---------------------------------------------------------------------

class RecentList : public OutsideFilesTest
{
protected:
    void open(const QString &file)
    {
        prompts.openFile(file);
        action("Openspcfile1")->trigger();
    }
    QStringList items() const
    {
        QStringList captions;
        for (const QAction *a : find<QMenu>("RecentSpecifications1")->actions())
            captions.append(a->text());
        return captions;
    }
};

TEST_F(RecentList, IsDisabledUntilAFileIsOpenedOrSaved)
{
    // Where it sits is part of the menu layout checked at start-up.
    EXPECT_FALSE(find<QMenu>("RecentSpecifications1")->isEnabled());
}

TEST_F(RecentList, ListsFilesOpenedAndSavedNewestFirst)
{
    open(specFile("gauge.spc", "TGauge"));
    open(specFile("dial.spc", "TDial"));
    prompts.saveFile(path("knob.spc"));
    action("Savespcfile1")->trigger();
    EXPECT_EQ(items(), QStringList({"&1 knob.spc", "&2 dial.spc", "&3 gauge.spc"}));
    EXPECT_TRUE(find<QMenu>("RecentSpecifications1")->isEnabled());
}

TEST_F(RecentList, AFileThatCouldNotBeOpenedIsNotListed)
{
    QFile certificate(path("cert.spc"));
    ASSERT_TRUE(certificate.open(QIODevice::WriteOnly));
    certificate.write("0\x82\x03\x01\x06\x09*\x86H\x86\xf7\r\x01\x07\x02");
    certificate.close();
    prompts.answer(Answer::Ok);
    open(path("cert.spc"));
    EXPECT_EQ(prompts.log().last().kind, Kind::Error);
    EXPECT_TRUE(items().isEmpty());
}

TEST_F(RecentList, KeepsEightAndNamesTheFolderOfFilesWithTheSameName)
{
    for (int i = 1; i <= 9; ++i)
        open(specFile(QStringLiteral("f%1.spc").arg(i), "TFile"));
    open(specFile("other/f9.spc", "TFile"));
    const QStringList captions = items();
    ASSERT_EQ(captions.size(), 8);
    EXPECT_EQ(captions.first(), "&1 f9.spc (" + QDir::toNativeSeparators(path("other")) + ")");
    EXPECT_EQ(captions[1], "&2 f9.spc (" + QDir::toNativeSeparators(dir.path()) + ")");
    EXPECT_EQ(captions.last(), "&8 f3.spc");
}

TEST_F(RecentList, AnAmpersandInANameIsShownNotTakenForAMnemonic)
{
    open(specFile("R&D.spc", "TRandD"));
    EXPECT_EQ(items(), QStringList({"&1 R&&D.spc"}));
}

TEST_F(RecentList, AnItemOpensItsFileWithOpensQuestions)
{
    const QString gauge = specFile("gauge.spc", "TGauge");
    open(gauge);
    open(specFile("dial.spc", "TDial"));
    addProperty();
    prompts.answer(Answer::No);
    action("RecentFile2")->trigger();
    EXPECT_EQ(prompts.messageTexts(), QStringList({kOpenQuestion}));
    EXPECT_EQ(builder->currentSpecificationFile(), gauge);
    EXPECT_EQ(items(), QStringList({"&1 gauge.spc", "&2 dial.spc"}));
}

TEST_F(RecentList, AFileThatHasGoneIsTakenOffAfterSayingSo)
{
    const QString gauge = specFile("gauge.spc", "TGauge");
    open(gauge);
    open(specFile("dial.spc", "TDial"));
    ASSERT_TRUE(QFile::remove(gauge));
    prompts.answer(Answer::Ok);
    action("RecentFile2")->trigger();
    ASSERT_EQ(prompts.log().size(), 3);
    EXPECT_EQ(prompts.log().last().kind, Kind::Information);
    EXPECT_EQ(prompts.log().last().text,
              QDir::toNativeSeparators(gauge)
                  + " no longer exists. It has been removed from the list of recent specifications.");
    EXPECT_EQ(classname(), "TDial") << "nothing asked, nothing opened";
    EXPECT_EQ(items(), QStringList({"&1 dial.spc"}));
}

TEST_F(RecentList, IsKeptInTheSettingsFileForTheNextRun)
{
    open(specFile("gauge.spc", "TGauge"));
    open(specFile("dial.spc", "TDial"));
    ASSERT_TRUE(builder->close());   // writes the settings
    createBuilder();
    EXPECT_EQ(items(), QStringList({"&1 dial.spc", "&2 gauge.spc"}));
    QFile settings(path("uforge.ini"));
    ASSERT_TRUE(settings.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(settings.readAll());
    EXPECT_TRUE(text.contains("[Recent Specifications]\r\nFile1=" + path("dial.spc") + "\r\n"));
}
