// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "specfile/textcodec.h"

TEST(TextCodec, DecodesValidUtf8AsUtf8)
{
    EXPECT_EQ(decodeText(QByteArray("Gr\xc3\xb6\xc3\x9f" "e \xe2\x82\xac")), QString::fromUtf8("Größe €"));
}

TEST(TextCodec, DecodesInvalidUtf8AsWindows1252)
{
    // 0xF6 alone is not UTF-8: the whole text is read as Windows-1252.
    EXPECT_EQ(decodeText(QByteArray("Gr\xf6\xdf" "e \x80 \x93x\x94")), QString::fromUtf8("Größe € “x”"));
}

TEST(TextCodec, EveryWindows1252ByteRoundTrips)
{
    QByteArray all;
    for (int b = 0x80; b < 0x100; ++b)
        all.append(char(b));
    const QString text = decodeText(all);
    EXPECT_EQ(text.size(), all.size());
    EXPECT_EQ(encodeText(text), all);
}

TEST(TextCodec, DropsAByteOrderMark)
{
    EXPECT_EQ(decodeText(QByteArray("\xef\xbb\xbf[Component]")), QStringLiteral("[Component]"));
}

TEST(TextCodec, EncodesAsWindows1252WhenEveryCharacterFits)
{
    EXPECT_EQ(encodeText(QString::fromUtf8("Größe €")), QByteArray("Gr\xf6\xdf" "e \x80"));
}

TEST(TextCodec, EncodesAsUtf8WhenACharacterDoesNotFit)
{
    EXPECT_EQ(encodeText(QString::fromUtf8("ö Ω")), QByteArray("\xc3\xb6 \xce\xa9"));
}

TEST(SourceFileBytes, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(sourceFileBytes({QStringLiteral("end."), QString()}), QByteArray("end.\r\n\r\n"));
    EXPECT_EQ(sourceFileBytes({QStringLiteral(" "), QStringLiteral("x")}), QByteArray(" \r\nx\r\n"));
}

TEST(SourceFileBytes, LineBreaksInsideALineStartNewLines)
{
    EXPECT_EQ(sourceFileBytes({QStringLiteral("{ one\ntwo\r\nthree\rfour }")}),
              QByteArray("{ one\r\ntwo\r\nthree\r\nfour }\r\n"));
}
