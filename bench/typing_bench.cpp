// SPDX-License-Identifier: MIT
// Typing into the Output text with syntax colouring: a shown, offscreen
// Output page holding the unit of a specification with 5,000 properties,
// with its Pascal colouring, cursor position and command states. Each keystroke is timed until the text has been
// repainted; lines whose colours change beyond what one keystroke recolours
// are coloured by the event loop afterwards, outside the time. Goal: under
// 16 ms a keystroke.
#include "app/outputpage.h"
#include "app/pascalhighlighter.h"
#include "editor/userprompts.h"
#include "awk/awk.h"
#include "generator/unitgenerator.h"
#include "model/componentspec.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>

#include <benchmark/benchmark.h>

using namespace Qt::StringLiterals;

namespace {

QStringList unitLines(int properties)
{
    ComponentSpec spec;
    spec.Filename = u"typing.pas"_s;
    spec.Classname = u"TTyping"_s;
    spec.Palettepage = u"Samples"_s;
    for (int i = 0; i < properties; ++i) {
        PropertyInput p;
        p.name = u"Prop"_s + QString::number(i);
        p.type = i % 3 == 0 ? u"string"_s : u"integer"_s;
        p.defaultValue = i % 2 ? QString::number(i) : QString();
        if (i % 4 == 0)
            p.readMethod = u"Get"_s + p.name;
        if (i % 6 == 0)
            p.writeMethod = u"Set"_s + p.name;
        spec.addProperty(p);
    }
    TAwk awk;
    return generateUnit(spec, Style(), awk, nullptr).lines;
}

// Typing asks nothing.
class NoPrompts : public UserPrompts
{
public:
    Answer message(Kind, const QString &, Buttons) override { return Answer::Cancel; }
    QString openFileName(const FileRequest &) override { return {}; }
    QString saveFileName(const FileRequest &) override { return {}; }
    std::optional<QFont> chooseFont(const QFont &) override { return std::nullopt; }
    std::optional<QColor> chooseColor(const QColor &) override { return std::nullopt; }
};

struct Editor {
    NoPrompts prompts;
    OutputPage page{prompts};
    QPlainTextEdit &edit = *page.Memo1;
    PascalHighlighter &highlighter = *page.highlighter();

    Editor()
    {
        page.resize(800, 600);
        page.setOutputFont(QFont(u"Courier New"_s, 10));
        page.setLines(unitLines(5000));
        page.show();
        settle();
    }

    // Lets the event loop finish colouring and painting.
    void settle()
    {
        do
            QCoreApplication::processEvents();
        while (highlighter.hasPendingLines());
        QCoreApplication::processEvents();
    }

    // The cursor at the start of the given block, shown on the screen.
    void placeCursor(int block)
    {
        QTextCursor cursor(edit.document()->findBlockByNumber(block));
        edit.setTextCursor(cursor);
        edit.ensureCursorVisible();
        settle();
    }

    void type(benchmark::State &state, QChar character)
    {
        QTest::keyClick(&edit, character.toLatin1());
        edit.viewport()->repaint();
        state.PauseTiming();
        settle();
        state.ResumeTiming();
    }
};

// Seconds a keystroke (real time): each iteration types two.
benchmark::Counter perKey(const benchmark::State &state)
{
    return benchmark::Counter(double(state.iterations() * 2),
                              benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// A letter typed and taken back: only the line itself changes colour.
void BM_TypeLetter(benchmark::State &state)
{
    static Editor editor;
    editor.placeCursor(editor.edit.blockCount() / 2);
    for (auto _ : state) {
        editor.type(state, u'x');
        editor.type(state, u'\b');
    }
    state.counters["lines"] = editor.edit.blockCount();
    state.counters["per_key"] = perKey(state);
}

// An opening brace typed and taken back: every line after it turns into a
// comment and back, the worst a single keystroke can do.
void BM_TypeCommentBrace(benchmark::State &state)
{
    static Editor editor;
    editor.placeCursor(int(state.range(0)) * editor.edit.blockCount() / 100);
    for (auto _ : state) {
        editor.type(state, u'{');
        editor.type(state, u'\b');
    }
    state.counters["lines"] = editor.edit.blockCount();
    state.counters["per_key"] = perKey(state);
}

} // namespace

BENCHMARK(BM_TypeLetter)->Unit(benchmark::kMillisecond)->UseRealTime();
// Arg: where the brace goes, in percent of the text.
BENCHMARK(BM_TypeCommentBrace)->Arg(50)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
