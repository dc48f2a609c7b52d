// SPDX-License-Identifier: MIT
// Shows the program's help: its contents page or the topic of a help context
// number. The window talks to this interface so tests can see what was asked.
#pragma once

class HelpViewer
{
public:
    virtual ~HelpViewer() = default;
    virtual void showContents() = 0;
    virtual void showTopic(int context) = 0;
};
