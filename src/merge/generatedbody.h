// SPDX-License-Identifier: MIT
// Tells a routine body the user wrote from one a build wrote, for whatever
// specification and style that build ran with: an earlier palette page, class
// name or indentation still counts as written by the build.
#pragma once

#include <QString>
#include <QStringView>

// What a routine is to the build, which decides the bodies it writes for it.
enum class BodyRole { Method, Register, Constructor, Destructor, MessageHandler };

// The text with line breaks as "\n" and the blanks at line ends dropped, for
// comparing bodies that an editor may have touched only in that way.
QString comparableText(QStringView text);

// body: the text after a routine's heading, through its "end;". commentAllowed:
// a method's comment, as a build places it under the heading, may precede "begin".
bool isGeneratedBody(QStringView body, BodyRole role, bool commentAllowed = false);

// Whether a method's body is one a build writes when its style asks for working
// bodies: an access method using its field, an override calling the inherited
// method, a notify event's dispatch (framed as for isGeneratedBody).
bool isWorkingMethodBody(QStringView body, bool commentAllowed = false);

// The field an initialisation line of the constructor sets ("     FLevel := 50;"
// gives FLevel), or an empty view when line is not in that form.
QStringView initializedField(QStringView line);
// The field a working body's constructor creates an owned object in
// ("  FFont := TFont.Create;" gives FFont, at any indentation), or an empty view.
QStringView createdField(QStringView line);

// Number of lines text spans: one more than its line breaks.
int lineCount(QStringView text);
