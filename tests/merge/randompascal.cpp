// SPDX-License-Identifier: MIT
#include "randompascal.h"

#include <QStringList>

namespace {

const char *const kVariables = "var\n  Counter: integer;\n  Text1: string;\n";
const char *const kLocalFunction =
    "  function Twice(X: integer): integer;\n"
    "  var\n    Half: integer;\n"
    "  begin\n    Half := X; { end; }\n    Result := Half * 2;\n  end;\n";
const char *const kConstants = "const\n  Limit = 10; // end;\n  Word1 = 'it''s end;';\n";

const char *const kPlainStatements[] = {
    "  { nothing but a comment: end; }\n",
    "  (* begin *) // end;\n",
    "  begin\n    begin\n    end;\n  end;\n",
    "  asm\n    nop { end }\n    nop // end;\n  end;\n",
};

const char *const kVariableStatements[] = {
    "  Text1 := 'end; begin';\n",
    "  Text1 := 'it''s the end;''';\n",
    "  Counter := 0; { end; } (* end; *) // end;\n",
    "  case Counter of\n    1: Text1 := 'case';\n    2: begin Text1 := 'end;'; end;\n"
    "  else\n    Text1 := 'else';\n  end;\n",
    "  try\n    Counter := 1;\n  finally\n    Counter := 2;\n  end;\n",
    "  try\n    Counter := 1 div Counter;\n  except\n    Counter := 0;\n  end;\n",
    "  if Counter > 0 then\n  begin\n    try\n      case Counter of 1: ; end;\n    finally\n"
    "      asm nop end;\n    end;\n  end;\n",
    "  Text1 := Text1 + #13#10 + '''';\n",
};

QString crlf(const QString &text)
{
    return QString(text).replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
}

} // namespace

QString RandomPascal::statements(bool variables, bool localFunction)
{
    QString text;
    const int count = number(1, 4);
    for (int i = 0; i < count; ++i) {
        if (variables && chance(0.7))
            text += QString::fromUtf8(pick(kVariableStatements));
        else
            text += QString::fromUtf8(pick(kPlainStatements));
    }
    if (localFunction)
        text += QStringLiteral("  Counter := Twice(Counter);\n");
    return text;
}

QString RandomPascal::body()
{
    QString text = QStringLiteral("\n");
    const bool variables = chance(0.75);
    const bool localFunction = variables && chance(0.3);
    if (variables && chance(0.3))
        text += QString::fromUtf8(kConstants);
    if (variables)
        text += QString::fromUtf8(kVariables);
    if (localFunction)
        text += QString::fromUtf8(kLocalFunction);
    text += QStringLiteral("begin\n  { body %1 }\n").arg(serial());
    text += statements(variables, localFunction);
    text += QStringLiteral("end;");
    if (chance(0.2))
        text += QStringLiteral(" // end of the body");
    return crlf(text);
}

QString RandomPascal::ownRoutine()
{
    const int n = serial();
    const bool function = chance(0.5);
    QString text = function ? QStringLiteral("function Own%1(X: integer): integer;\n").arg(n)
                            : QStringLiteral("procedure Own%1(var X: integer);\n").arg(n);
    const bool variables = chance(0.6);
    if (variables)
        text += QString::fromUtf8(kVariables);
    text += QStringLiteral("begin\n");
    text += statements(variables, false);
    text += function ? QStringLiteral("  Result := X;\nend;") : QStringLiteral("  X := X + 1;\nend;");
    return crlf(text);
}

QString RandomPascal::constructorLine()
{
    static const char *const kLines[] = {
        "  if AOwner = nil then Exit; { own %1: end; }\n",
        "  // own %1: begin\n",
        "  begin { own %1 } end;\n",
    };
    return crlf(QString::fromUtf8(pick(kLines)).arg(serial()));
}
