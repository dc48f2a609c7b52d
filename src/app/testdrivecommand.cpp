// SPDX-License-Identifier: MIT
#include "app/testdrivecommand.h"

#include "app/builder.h"
#include "app/buildrun.h"
#include "app/outputpage.h"
#include "check/classlibrary.h"
#include "check/finding.h"
#include "generator/lazaruspackage.h"
#include "generator/testdrivehost.h"
#include "model/componentspec.h"
#include "testdrive/testdrive.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

TestDriveCommand::TestDriveCommand(Window window, QObject *parent)
    : QObject(parent)
    , m_window(std::move(window))
    , m_drive(new TestDrive(this))
{
    setObjectName(u"testDriveCommand"_s);
    m_progress = new QWidget(m_window.statusLine);
    m_progress->setObjectName(u"testDriveProgress"_s);
    auto *bar = new QProgressBar(m_progress);
    bar->setRange(0, 0);
    bar->setTextVisible(false);
    bar->setFixedWidth(80);
    auto *cancelButton = new QToolButton(m_progress);
    cancelButton->setObjectName(u"CancelTestDrive"_s);
    cancelButton->setText(u"Cancel"_s);
    cancelButton->setStatusTip(u"Stop the test drive's compile"_s);
    auto *row = new QHBoxLayout(m_progress);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(bar);
    row->addWidget(cancelButton);
    auto *statusRow = new QHBoxLayout(m_window.statusLine);
    statusRow->setContentsMargins(0, 0, 2, 0);
    statusRow->addStretch();
    statusRow->addWidget(m_progress);
    m_progress->hide();
    connect(cancelButton, &QToolButton::clicked, this, &TestDriveCommand::cancel);

    connect(m_drive, &TestDrive::progress, this, [this](const QString &step) {
        m_window.setStatus(u"Test Drive: "_s + step);
    });
    connect(m_drive, &TestDrive::failed, this, &TestDriveCommand::failed);
    connect(m_drive, &TestDrive::windowShown, this, [this] {
        setCompiling(false);
        m_window.setStatus(u"Test Drive of "_s + m_window.spec.Classname + u" shows after "_s
                           + QString::number(double(m_drive->msToWindow()) / 1000.0, 'f', 2) + u" s: "_s
                           + m_drive->stepTimesText());
    });
    connect(m_drive, &TestDrive::programOutput, this, [this](const QString &line) {
        m_window.setStatus(u"Test Drive: "_s + line);
    });
    connect(m_drive, &TestDrive::programFinished, this, [this](int exitCode) {
        setCompiling(false);
        if (exitCode != 0)
            m_window.setStatus(u"The test drive ended with status "_s + QString::number(exitCode));
    });
}

TestDriveCommand::~TestDriveCommand() = default;

std::optional<QString> TestDriveCommand::unavailableReason(const ComponentSpec &spec)
{
    if (isNonComponentClass(spec.Ancestor))
        return spec.Ancestor + u" is no component: there is nothing to put on a form"_s;
    return std::nullopt;
}

bool TestDriveCommand::isCompiling() const
{
    return m_drive->isCompiling();
}

void TestDriveCommand::start()
{
    if (const auto reason = unavailableReason(m_window.spec)) {
        m_window.setStatus(*reason);
        return;
    }
    const std::optional<QStringList> unit = m_window.build.testDriveUnit();
    if (!unit)
        return;
    m_compiled = *unit;
    m_window.output().showFindings({});
    const QList<PackageFile> files = testDriveFiles(m_window.spec, *unit);
    setCompiling(true);
    m_drive->start(files.first().name, files);
}

void TestDriveCommand::cancel()
{
    if (!m_drive->isCompiling())
        return;
    m_drive->stop();
    setCompiling(false);
    m_window.setStatus(u"Test Drive cancelled"_s);
}

void TestDriveCommand::failed(const QString &message)
{
    setCompiling(false);
    QList<Finding> findings;
    for (const CompilerMessage &error : m_drive->errors()) {
        Finding finding;
        finding.kind = Finding::Kind::UnitLine;
        finding.name = error.file.isEmpty() ? u"fpc"_s : error.file;
        finding.index = error.line;
        finding.message = error.text;
        findings.append(finding);
    }
    m_window.setStatus(message + (m_drive->stepTimesText().isEmpty()
                                      ? QString() : u" ("_s + m_drive->stepTimesText() + u')'));
    if (!findings.isEmpty()) {
        m_window.output().showFindings(findings);
        m_window.showPage(TBuilder::OutputPageIndex);
    }
}

bool TestDriveCommand::outputHoldsCompiledUnit() const
{
    QStringList shown = m_window.output().lines();
    if (!shown.isEmpty() && shown.last().isEmpty())
        shown.removeLast();
    return shown == m_compiled;
}

void TestDriveCommand::setCompiling(bool compiling)
{
    m_progress->setVisible(compiling);
    emit compilingChanged(compiling);
}
