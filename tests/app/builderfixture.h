// The one fixture of the window tests: a fresh main window for each test,
// shown on the offscreen platform, with scripted prompts, an empty registry
// (or one a test loads), a help viewer that records what it was asked, and a
// temporary folder that is the program directory and the current directory.
// Nothing reads the machine's Wine registry, opens a help window or writes
// beside the program or into the folder the tests were started in.
#pragma once

#include "app/builder.h"
#include "app/helpviewer.h"
#include "platform/wineregistry.h"
#include "scriptedprompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>
#include <memory>

class RecordingHelp : public HelpViewer
{
public:
    void showContents() override { shown.append(0); }
    void showTopic(int context) override { shown.append(context); }
    QList<int> shown;   // 0 stands for the contents page
};

class BuilderTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        m_oldCurrent = QDir::currentPath();
        QDir::setCurrent(dir.path());
        QApplication::clipboard()->clear();
        services.prompts = &prompts;
        services.registry = &registry;
        services.help = &help;
        services.programDirectory = dir.path() + QStringLiteral("/");
        services.lockPath = dir.filePath(QStringLiteral("unitforge.lock"));
        services.winePrefix = dir.filePath(QStringLiteral("wine"));
        services.startProgram = [this](const QString &program, const QStringList &arguments) {
            started.append(program + u' ' + arguments.join(u' '));
            return true;
        };
        createBuilder();
    }

    void TearDown() override
    {
        EXPECT_TRUE(prompts.exhausted()) << "a scripted answer was not asked for";
        builder.reset();
        QDir::setCurrent(m_oldCurrent);
    }

    // A new window; the one before ends first, giving up its lock.
    void createBuilder()
    {
        builder.reset();
        builder = std::make_unique<TBuilder>(services);
        builder->show();
        makeLaterPages();
        builder->listenForHandedOverFiles();
    }

    // The pages a window makes when first needed, made now, so that the
    // tests find every control by its name.
    void makeLaterPages()
    {
        builder->propertiesPage();
        builder->methodsPage();
        builder->eventHandlersPage();
        builder->messageHandlersPage();
        builder->outputPage();
        builder->stylePage();
    }

    template <class T>
    T *find(const char *name) const
    {
        T *w = builder->findChild<T *>(QLatin1String(name));
        if (!w)
            ADD_FAILURE() << "no control named " << name;
        return w;
    }

    QAction *action(const char *name) const { return find<QAction>(name); }

    QString path(const QString &file) const { return dir.filePath(file); }

    QTemporaryDir dir;
    QString m_oldCurrent;
    ScriptedPrompts prompts;
    WineRegistry registry;
    RecordingHelp help;
    QStringList started;
    BuilderServices services;
    std::unique_ptr<TBuilder> builder;
};
