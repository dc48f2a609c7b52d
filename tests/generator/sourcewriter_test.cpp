// SPDX-License-Identifier: MIT
// The line primitives and their three kinds of line.
#include "generator/sourcewriter.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SourceWriter, SeparatorLineAndItsEmptyLine)
{
    Style style;
    SourceWriter eighty(style);
    eighty.EmitSeparator();
    ASSERT_EQ(eighty.lines().size(), 2);
    EXPECT_EQ(eighty.lines().at(0), u"{"_s + QString(80, u'=') + u"}"_s);
    EXPECT_EQ(eighty.lines().at(1), QString());

    style.separatorLength = 0;
    SourceWriter off(style);
    off.EmitSeparator();
    EXPECT_TRUE(off.lines().isEmpty());

    style.separatorLength = 3;
    style.separatorChar = u"<>"_s;   // a longer value from a settings file is used whole
    SourceWriter longer(style);
    longer.EmitSeparator();
    EXPECT_EQ(longer.lines().at(0), u"{<><><>}"_s);
}

TEST(SourceWriter, SpacersPairsAndMultiLineText)
{
    SourceWriter out{Style()};
    out.EmitSpacers(2);
    out.EmitSpacers(-1);
    out.EmitPair(u"begin"_s);
    out.Emit(u"a\r\nb\nc"_s);
    out.EmitComment(QString());
    EXPECT_EQ(out.lines(), (QStringList { u" "_s, u" "_s, u"begin"_s, QString(), u"a"_s, u"b"_s, u"c"_s, u"{  }"_s }));
    EXPECT_EQ(SourceWriter::indent(0), QString());
    EXPECT_EQ(SourceWriter::indent(-3), QString());
    EXPECT_EQ(SourceWriter::indent(3), u"   "_s);
}
